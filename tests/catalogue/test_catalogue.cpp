// SPDX-License-Identifier: GPL-3.0-or-later
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
        EXPECT_EQ(settingEntry(i).valueName.empty(), i == NoticeIndex) << i;
        EXPECT_EQ(settingEntry(i).kind == SettingKind::None, i == NoticeIndex) << i;
    }
    EXPECT_EQ(settingEntry(NoticeIndex).description.rfind("Note: No support will be given on these functionalities...", 0), 0u);
    // The two toast settings keep the add-on's place for them, between
    // PlaySoundWhileBusy and POPAddHotmail; every other name is in order.
    for (int i = 1; i < SettingCount; ++i) {
        if (i < 29 || i > 31) {
            EXPECT_LT(lower(settingEntry(i - 1).valueName), lower(settingEntry(i).valueName)) << i;
        }
    }
    EXPECT_LT(lower(settingEntry(28).valueName), lower(settingEntry(31).valueName));
    EXPECT_EQ(settingEntry(29).valueName, "BriskoToastAnimate");
    EXPECT_EQ(settingEntry(30).valueName, "BriskoToastFlash");
}

// Which entries are marked: all users, the hidden-feature warning, the one
// enforced maximum, the one file dialog, the one switch pair.
TEST(Catalogue, OnlyTheirOwnEntriesCarryTheRareMarks) {
    const std::string hidden = "\r\n\r\nThis is an undocumented hidden feature. It may not work.";
    int numbers = 0;
    for (int i = 0; i <= NoticeIndex; ++i) {
        const SettingEntry& e = settingEntry(i);
        EXPECT_EQ(e.allUsers, i == 5 || i == 14) << i;
        EXPECT_EQ(e.description.ends_with(hidden), i == 5 || i == 6 || i == 14 || i == 17) << i;
        EXPECT_EQ(e.maxEnforced, i == 11) << i;
        EXPECT_EQ(e.dialogTitle.empty() && e.dialogFilter.empty(), i != 15) << i;
        EXPECT_EQ(e.kind == SettingKind::SwitchWithText, i == 7 || i == 36) << i;
        if (e.kind != SettingKind::Number) continue;
        ++numbers;
        EXPECT_LE(e.minValue, e.defaultLong) << i;
        EXPECT_LE(e.defaultLong, e.maxValue) << i;
    }
    EXPECT_EQ(numbers, 6);

    const SettingEntry &sw = settingEntry(7), &txt = settingEntry(36);
    EXPECT_EQ(sw.auxIndex, txt.auxIndex);
    EXPECT_EQ(sw.description, txt.description);
    EXPECT_EQ(catalogue().switchTextPairs[sw.auxIndex].switchValueName, sw.valueName);
    EXPECT_EQ(catalogue().switchTextPairs[sw.auxIndex].textValueName, txt.valueName);
}

}  // namespace
}  // namespace fk
