// The catalogue's rules across its entries. Each setting's own defaults and
// limits are proved where the user meets them, in the editor panels.
#include "catalogue/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace fk {
namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

TEST(Catalogue, SettingsAreNamedInCaseInsensitiveOrderAndTheNoticeIsNone) {
    for (int i = 0; i <= NoticeIndex; ++i) {
        EXPECT_EQ(settingEntry(i).ValueName.empty(), i == NoticeIndex) << i;
        EXPECT_EQ(settingEntry(i).Kind == SettingKind::None, i == NoticeIndex) << i;
    }
    EXPECT_EQ(settingEntry(NoticeIndex).Description.rfind("Note: No support will be given on these functionalities...", 0), 0u);
    // The two toast settings keep the add-on's place for them, between
    // PlaySoundWhileBusy and POPAddHotmail; every other name is in order.
    for (int i = 1; i < SettingCount; ++i) {
        if (i < 29 || i > 31) {
            EXPECT_LT(lower(settingEntry(i - 1).ValueName), lower(settingEntry(i).ValueName)) << i;
        }
    }
    EXPECT_LT(lower(settingEntry(28).ValueName), lower(settingEntry(31).ValueName));
    EXPECT_EQ(settingEntry(29).ValueName, "BriskoToastAnimate");
    EXPECT_EQ(settingEntry(30).ValueName, "BriskoToastFlash");
}

// Which entries are marked: all users, the hidden-feature warning, the one
// enforced maximum, the one file dialog, the one switch pair.
TEST(Catalogue, OnlyTheirOwnEntriesCarryTheRareMarks) {
    const std::string hidden = "\r\n\r\nThis is an undocumented hidden feature. It may not work.";
    int numbers = 0;
    for (int i = 0; i <= NoticeIndex; ++i) {
        const SettingEntry& e = settingEntry(i);
        EXPECT_EQ(e.AllUsers, i == 5 || i == 14) << i;
        EXPECT_EQ(e.Description.ends_with(hidden), i == 5 || i == 6 || i == 14 || i == 17) << i;
        EXPECT_EQ(e.MaxEnforced, i == 11) << i;
        EXPECT_EQ(e.DialogTitle.empty() && e.DialogFilter.empty(), i != 15) << i;
        EXPECT_EQ(e.Kind == SettingKind::SwitchWithText, i == 7 || i == 36) << i;
        if (e.Kind != SettingKind::Number) continue;
        ++numbers;
        EXPECT_LE(e.MinValue, e.DefaultLong) << i;
        EXPECT_LE(e.DefaultLong, e.MaxValue) << i;
    }
    EXPECT_EQ(numbers, 6);

    const SettingEntry &sw = settingEntry(7), &txt = settingEntry(36);
    EXPECT_EQ(sw.AuxIndex, txt.AuxIndex);
    EXPECT_EQ(sw.Description, txt.Description);
    EXPECT_EQ(catalogue().SwitchTextPairs[sw.AuxIndex].SwitchValueName, sw.ValueName);
    EXPECT_EQ(catalogue().SwitchTextPairs[sw.AuxIndex].TextValueName, txt.ValueName);
}

}  // namespace
}  // namespace fk
