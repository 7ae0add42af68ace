// SPDX-License-Identifier: GPL-3.0-or-later
// Imports of settings files: what the catalogue or the store's place
// refuses is named by its line and writes nothing; what is taken is written
// all or none, and can be put back.
#include "app/StoreTexts.h"
#include "app/Translations.h"
#include "store/SettingsTransfer.h"
#include "support/HiveKeys.h"
#include "support/TestRegistry.h"
#include "support/OpenedHive.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QLocale>

#include <filesystem>
#include <set>

namespace fk::testing {
namespace {

const std::string Hive =
    hiveText(hiveKey("Software\\Tavrel\\Brisko2", "\"AutoUpdateNotification\"=dword:00000001\n") +
             hiveKey("Software\\Tavrel\\Brisko2\\alice\\Preferences",
                     "\"ContactSoundMaxTime\"=dword:0000000c\n\"NickNameSeparator\"=\", \"\n"));

class TransferTest : public ::testing::Test {
protected:
    test::TempFolder folder_;
    std::string hivePath_ = folder_.file("user.reg");
    std::unique_ptr<reg::Registry> registry_ = test::openHiveFile(hivePath_, Hive);
};

// The table's files first change alice's ContactSoundMaxTime, so a refusal
// further down must leave that unwritten too.
TEST_F(TransferTest, RefusesWhatTheStoreOrTheCatalogueRejectsNamingTheLine) {
    // English words its plurals through its translation, as the program does.
    installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
    const auto rows = test::dataRows(FK_TEST_DATA "/import-refusals.txt");
    for (const std::string& line : rows) {
        const size_t tab = line.find('\t');
        std::string file = line.substr(0, tab) + "|";
        for (size_t at; (at = file.find('|')) != std::string::npos;) file.replace(at, 1, "\r\n");
        if (file[0] == '@') file.erase(0, 1);
        else
            file = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\alice\\"
                   "Preferences]\r\n\"ContactSoundMaxTime\"=dword:0000001e\r\n" + file;
        const ImportPlan plan = planImport(*registry_, file);
        EXPECT_EQ(StoreTexts::problem(plan.refused).toStdString(), line.substr(tab + 1));
        EXPECT_TRUE(plan.changes.empty()) << line;
    }
    EXPECT_EQ(rows.size(), 17u);
    EXPECT_EQ(readBytes(hivePath_), Hive) << "planning writes nothing";
}

TEST_F(TransferTest, AppliesAllOrNoneAndUndoes) {
    // ANSI, with a deletion and a value that is not there yet.
    ImportPlan plan = planImport(*registry_, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\alice\\Preferences]\r\n"
                                             "\"ContactSoundMaxTime\"=dword:0000001e\r\n\"NickNameSeparator\"=-\r\n"
                                             "\"IconShowDelay\"=dword:00000064\r\n\"ContactSoundMaxTime\"=dword:0000001f\r\n"
                                             "[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2]\r\n\"AutoUpdateNotification\"=dword:1\r\n");
    ASSERT_TRUE(plan.ok()) << StoreTexts::problem(plan.refused).toStdString();
    ASSERT_EQ(plan.changes.size(), 3u) << "an unchanged value is no change";
    EXPECT_EQ(plan.changes[0].setting, "alice\\Preferences\\ContactSoundMaxTime");
    EXPECT_EQ(StoreTexts::value(plan.changes[0].before).toStdString(), "12");
    EXPECT_EQ(StoreTexts::value(plan.changes[0].after).toStdString(), "31") << "the later line wins";
    EXPECT_EQ(StoreTexts::value(plan.changes[1].before).toStdString(), "\", \"");
    EXPECT_EQ(StoreTexts::value(plan.changes[1].after).toStdString(), "absent");
    EXPECT_EQ(StoreTexts::value(plan.changes[2].before).toStdString(), "absent");

    // A write that fails midway puts back what was written before it.
    TestRegistry failing(*registry_);
    failing.refuseValues = {"IconShowDelay"};
    ApplyFailure failure;
    const auto error = [&failure] { return StoreTexts::notApplied(failure).toStdString(); };
    EXPECT_FALSE(applyChanges(failing, plan.changes, false, failure));
    EXPECT_EQ(error(), "\"alice\\Preferences\\IconShowDelay\" could not be saved, so nothing was changed.");
    const auto expectAll = [&](auto side) {
        for (const ValueChange& c : plan.changes) EXPECT_EQ(readStoredValue(*registry_, c.keyPath, c.valueName), c.*side);
    };
    expectAll(&ValueChange::before);
    ASSERT_TRUE(applyChanges(*registry_, plan.changes, false, failure)) << error();
    expectAll(&ValueChange::after);
    // An undo refused midway (undoing IconShowDelay deletes it, which is never refused).
    failing.refuseValues = {"NickNameSeparator"};
    EXPECT_FALSE(applyChanges(failing, plan.changes, true, failure));
    expectAll(&ValueChange::after);
    ASSERT_TRUE(applyChanges(*registry_, plan.changes, true, failure)) << error();
    expectAll(&ValueChange::before);

    // The third write fails: in one transaction nothing stays; where each
    // write lands at once, putting back the first two fails too, and the
    // error says what the store really holds.
    failing.refuseValues.clear();
    failing.writesLeft = 2;
    EXPECT_FALSE(applyChanges(failing, plan.changes, false, failure));
    EXPECT_TRUE(error().ends_with("so nothing was changed.") && failure.left.empty()) << error();
    expectAll(&ValueChange::before);
    failing.writesLeft = 2;
    failing.landsAtOnce = true;
    EXPECT_FALSE(applyChanges(failing, plan.changes, false, failure));
    EXPECT_EQ(error(), "\"alice\\Preferences\\IconShowDelay\" could not be saved, and what was saved before it could "
                     "not all be put back. Stored now:\nalice\\Preferences\\ContactSoundMaxTime: 31 (was 12)\n"
                     "alice\\Preferences\\NickNameSeparator: absent (was \", \")");
    const std::vector<ValueChange>& left = failure.left;
    ASSERT_EQ(left.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(left[i].before, plan.changes[i].before);
        EXPECT_EQ(left[i].after, plan.changes[i].after);
        EXPECT_EQ(readStoredValue(*registry_, left[i].keyPath, left[i].valueName), left[i].after);
    }
}

// A registry that keeps answering "more data" without asking for more is
// asked a few times, not for ever.
TEST_F(TransferTest, AValueThatNeverFitsEndsTheRead) {
    TestRegistry looping(*registry_);
    looping.moreData = 1000;
    EXPECT_FALSE(readStoredValue(looping, "alice\\Preferences", "ContactSoundMaxTime").present);
    EXPECT_LE(looping.reads, 4);
}

// Written whole beside the target under a name of its own, then renamed:
// whatever lies at a fixed temporary name is left alone.
TEST_F(TransferTest, ExportGoesThroughAFreshTemporaryFile) {
    const std::string target = folder_.file("alice.reg");
    std::filesystem::create_directory(target + ".part");
    ASSERT_FALSE(exportSettingsToFile(*registry_, "alice", target));
    std::string bytes;
    ASSERT_FALSE(exportSettings(*registry_, "alice", bytes));
    EXPECT_EQ(readBytes(target), bytes);
    EXPECT_EQ(test::folderNames(folder_.path()), (std::set<std::string>{"alice.reg", "alice.reg.part", "user.reg"}));
    EXPECT_EQ(StoreTexts::problem(exportSettingsToFile(*registry_, "alice", target + ".part")).toStdString(),
              target + ".part cannot be written: Is a directory.");
}

}  // namespace
}  // namespace fk::testing
