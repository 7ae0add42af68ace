// SPDX-License-Identifier: GPL-3.0-or-later
// Which settings differ from their default, read from a real hive file
// without writing it; and the recorded changes that undo puts back.
#include "app/StoreTexts.h"
#include "platform/registry/KeyHandle.h"
#include "store/ChangedSettings.h"
#include "store/KeyValue.h"
#include "store/PreferenceStore.h"
#include "store/RecordingRegistry.h"
#include "store/ResetAll.h"
#include "store/SettingsTransfer.h"
#include "support/CaseScript.h"
#include "support/HiveKeys.h"
#include "support/OpenedHive.h"
#include "support/TestFiles.h"

#include <map>
#include <memory>

namespace fk::testing {
namespace {

const std::string Prefs = "Software\\Tavrel\\Brisko2\\alice\\Preferences";

// Values at their default (a quick text without its include flag is one), of
// the wrong type, and changed ones of each rule.
const std::string Hive = readBytes(FK_TEST_DATA "/changed-settings.reg");

class ChangedSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        hive_ = test::openHiveFile(path_, Hive);
        recorder_ = std::make_unique<RecordingRegistry>(*hive_);
        recorder_->setListener([this](const ValueChange& c) { changes_.push_back(c); });
        prefs_ = reg::KeyHandle::open(*recorder_, reg::CurrentUser, Prefs, reg::KeyAllAccess);
        ASSERT_TRUE(prefs_.ok());
        key_ = prefs_.get();
    }

    std::set<std::string> changedNames() {
        std::set<std::string> names;
        for (int i = 0; i < SettingCount; ++i)
            if (settingState(*hive_, key_, i).changed) names.insert(settingEntry(i).valueName);
        return names;
    }

    // Every value of the account's keys, as a fresh open of the file exports them.
    std::string everyValue() const {
        std::string text;
        EXPECT_FALSE(exportSettings(*reg::openHiveRegistry(path_).registry, "alice", text));
        std::erase(text, '\0');  // UTF-16 of ASCII, shown readably
        return text;
    }

    test::TempFolder folder_;
    std::string path_ = folder_.file("user.reg");
    std::unique_ptr<reg::Registry> hive_;
    std::unique_ptr<RecordingRegistry> recorder_;
    std::vector<ValueChange> changes_;
    reg::KeyHandle prefs_;  // goes before the registries it was opened through
    reg::Key key_ = 0;
};

TEST_F(ChangedSettingsTest, MarksValuesThatDifferFromTheDefaultWithoutWritingOrCreating) {
    // WindowFont stores another size, but disabled it is its default all the same.
    EXPECT_EQ(changedNames(),
              (std::set<std::string>{"ContactSoundMaxTime", "ChatLogTimeStampFmt", "QuickIconBgColor", "MenuInclude"}));
    struct Shown {
        const char* name;
        const char* stored;
        const char* byDefault;
    };
    for (const Shown& s : {Shown{"ContactSoundMaxTime", "30", "12"},
                           Shown{"QuickIconBgColor", "RGB(239, 245, 252)", "(not set)"},
                           Shown{"ChatLogTimeStampFmt", "\"\"", "(not set)"},
                           Shown{"MenuInclude", "False for Away", "True"},
                           Shown{"WindowFont", "MS Sans Serif, 10, weight 400, disabled",
                                 "MS Sans Serif, 8, weight 400, disabled"},
                           Shown{"IconShowDelay", "(not set)", "300"}}) {
        const SettingState state = settingState(*hive_, key_, settingIndex(s.name));
        EXPECT_EQ(StoreTexts::shown(state.stored).toStdString(), s.stored) << s.name;
        EXPECT_EQ(StoreTexts::shown(state.byDefault).toStdString(), s.byDefault) << s.name;
    }
    EXPECT_EQ(readBytes(path_), Hive);
    EXPECT_EQ(hive_->openHandleCount(), 1);
}

TEST_F(ChangedSettingsTest, ResetAllLeavesNothingMarkedAndItsRecordedChangesPutEverythingBack) {
    const auto original = everyValue();
    int failures = 0;
    PreferenceStore store(*recorder_, [&] { ++failures; });
    store.setCurrentKey(key_);
    ASSERT_EQ(resetAllSettings(store, false), ResetResult::Done);
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(hive_->openHandleCount(), 1);  // the test's own key
    // A font's defaults, stored explicitly, are no change.
    EXPECT_EQ(changedNames(), (std::set<std::string>{}));
    ASSERT_FALSE(changes_.empty());
    for (const ValueChange& c : changes_) {
        EXPECT_EQ(c.keyPath.rfind("alice\\Preferences", 0), 0u) << c.keyPath;
        EXPECT_NE(c.before, c.after) << c.valueName;
    }
    ApplyFailure failure;
    ASSERT_TRUE(applyChanges(*hive_, changes_, true, failure)) << failure.setting;
    EXPECT_EQ(everyValue(), original);
}

}  // namespace
}  // namespace fk::testing
