#include "Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace fk {
namespace {

const std::string HiddenSuffix = "\r\n\r\nThis is an undocumented hidden feature. It may not work.";

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

TEST(Catalogue, NoticeEntryIsNoSetting) {
    const SettingEntry& notice = settingEntry(NoticeIndex);
    EXPECT_TRUE(notice.ValueName.empty());
    EXPECT_EQ(notice.Kind, None);
    EXPECT_FALSE(notice.AllUsers);
    EXPECT_EQ(notice.Description.rfind("Note: No support will be given on these functionalities...", 0), 0u);
    EXPECT_TRUE(endsWith(notice.Description, "using the \"Reset to defaults\" link in the Preferences panel."));
}

TEST(Catalogue, SettingsAreNamedInCaseInsensitiveOrder) {
    for (int i = 0; i < SettingCount; ++i) {
        EXPECT_FALSE(settingEntry(i).ValueName.empty()) << i;
        EXPECT_NE(settingEntry(i).Kind, None) << i;
    }
    // The two toast settings keep the add-on's place for them, between
    // PlaySoundWhileBusy and POPAddHotmail; every other name is in order.
    for (int i = 1; i < SettingCount; ++i) {
        if (i == 29 || i == 30 || i == 31) continue;
        EXPECT_LT(lower(settingEntry(i - 1).ValueName), lower(settingEntry(i).ValueName)) << i;
    }
    EXPECT_LT(lower(settingEntry(28).ValueName), lower(settingEntry(31).ValueName));
    EXPECT_EQ(settingEntry(29).ValueName, "BriskoToastAnimate");
    EXPECT_EQ(settingEntry(30).ValueName, "BriskoToastFlash");
    // "IMIgnoreCloseDelay" before "ImprovePopupMenus" only when case is ignored.
    EXPECT_EQ(settingEntry(19).ValueName, "IMIgnoreCloseDelay");
    EXPECT_EQ(settingEntry(20).ValueName, "ImprovePopupMenus");
}

TEST(Catalogue, OnlyTwoSettingsBelongToAllUsers) {
    for (int i = 0; i <= NoticeIndex; ++i) {
        const bool expected = i == 5 || i == 14;
        EXPECT_EQ(settingEntry(i).AllUsers, expected) << i;
    }
    EXPECT_EQ(settingEntry(5).ValueName, "AutoUpdateNotification");
    EXPECT_EQ(settingEntry(14).ValueName, "DefaultConfiguration");
    EXPECT_EQ(settingEntry(14).Kind, Account);
    EXPECT_EQ(settingEntry(14).DefaultText, "Nobody");
}

TEST(Catalogue, SwitchPairIsSharedByTwoEntries) {
    const SettingEntry& sw = settingEntry(7);
    const SettingEntry& txt = settingEntry(36);
    EXPECT_EQ(sw.ValueName, "ChangeSecurityWarning");
    EXPECT_EQ(txt.ValueName, "SecurityWarningTxt");
    EXPECT_EQ(sw.Kind, SwitchWithText);
    EXPECT_EQ(txt.Kind, SwitchWithText);
    EXPECT_EQ(sw.AuxIndex, 0);
    EXPECT_EQ(txt.AuxIndex, 0);
    EXPECT_EQ(sw.Description, txt.Description);
    EXPECT_EQ(sw.Description,
              "If ChangeSecurityWarning is set to true, the security warning displayed at the beginning of chats "
              "is modified to match the text specified in SecurityWarningTxt.");

    const SwitchTextPair& pair = catalogue().SwitchTextPairs[0];
    EXPECT_FALSE(pair.DefaultSwitch);
    EXPECT_TRUE(pair.DefaultText.empty());
    EXPECT_TRUE(pair.TextDefaultAbsent);
    EXPECT_EQ(pair.SwitchValueName, "ChangeSecurityWarning");
    EXPECT_EQ(pair.TextValueName, "SecurityWarningTxt");
}

TEST(Catalogue, OnlyContactSoundMaxTimeEnforcesItsMaximum) {
    int numbers = 0;
    for (int i = 0; i < SettingCount; ++i) {
        const SettingEntry& e = settingEntry(i);
        if (e.Kind != Number) {
            EXPECT_FALSE(e.MaxEnforced) << i;
            continue;
        }
        ++numbers;
        EXPECT_EQ(e.MaxEnforced, i == 11) << i;
        EXPECT_LE(e.MinValue, e.DefaultLong) << i;
        EXPECT_LE(e.DefaultLong, e.MaxValue) << i;
    }
    EXPECT_EQ(numbers, 6);
    const SettingEntry& sound = settingEntry(11);
    EXPECT_EQ(sound.ValueName, "ContactSoundMaxTime");
    EXPECT_EQ(sound.DefaultLong, 12);
    EXPECT_EQ(sound.MinValue, 1);
    EXPECT_EQ(sound.MaxValue, 100);
    EXPECT_EQ(sound.SmallChange, 1);
    EXPECT_EQ(sound.LargeChange, 10);
    EXPECT_EQ(sound.TickFrequency, 10);
    const SettingEntry& close = settingEntry(19);
    EXPECT_EQ(close.DefaultLong, 600);
    EXPECT_EQ(close.MaxValue, 1800);
    EXPECT_EQ(close.LargeChange, 300);
    EXPECT_EQ(close.TickFrequency, 300);
    EXPECT_EQ(settingEntry(26).MinValue, 3);
}

TEST(Catalogue, HiddenFeaturesCarryTheWarning) {
    for (int i = 0; i <= NoticeIndex; ++i) {
        const bool hidden = i == 5 || i == 6 || i == 14 || i == 17;
        EXPECT_EQ(endsWith(settingEntry(i).Description, HiddenSuffix), hidden) << i;
    }
    EXPECT_EQ(settingEntry(5).Description,
              "If true, Brisko! will look for an update from time to time; usually once a week." + HiddenSuffix);
}

TEST(Catalogue, SoundDialogTextsEndWithNuls) {
    const SettingEntry& e = settingEntry(15);
    EXPECT_EQ(e.Kind, File);
    EXPECT_EQ(e.DialogTitle, std::string("Select sound file\0", 18));
    const char raw[] = "WAVs (*.wav)\0*.wav\0MP3s (*.mp3)\0*.mp3\0All files (*.*)\0*.*\0\0";
    const std::string filter(raw, sizeof raw - 1);
    EXPECT_EQ(e.DialogFilter, filter);
    EXPECT_EQ(e.DialogFilter.substr(e.DialogFilter.size() - 2), std::string(2, '\0'));
    for (int i = 0; i <= NoticeIndex; ++i)
        if (i != 15) EXPECT_TRUE(settingEntry(i).DialogTitle.empty() && settingEntry(i).DialogFilter.empty()) << i;
}

TEST(Catalogue, DefaultsOfTextsColoursAndSideTables) {
    EXPECT_EQ(settingEntry(25).DefaultText, ", ");
    EXPECT_EQ(settingEntry(33).DefaultText, "(!FC64)[%1] (!FC57)%2: %3");
    EXPECT_EQ(settingEntry(33).TextStyle, TagFormat);
    EXPECT_EQ(settingEntry(2).DefaultText, "MMMM yyyy");
    EXPECT_EQ(settingEntry(2).TextStyle, DateFormat);
    EXPECT_FALSE(settingEntry(2).TextDefaultAbsent);
    for (int i : {8, 21, 40}) {
        EXPECT_EQ(settingEntry(i).Kind, Text) << i;
        EXPECT_TRUE(settingEntry(i).TextDefaultAbsent) << i;
        EXPECT_TRUE(settingEntry(i).DefaultText.empty()) << i;
    }
    EXPECT_EQ(settingEntry(32).DefaultLong, 0xFCF5EF);
    EXPECT_TRUE(settingEntry(32).ColourDefaultAbsent);

    EXPECT_EQ(settingEntry(13).AuxIndex, 1);
    EXPECT_EQ(settingEntry(44).AuxIndex, 0);
    for (const FontDefault& f : catalogue().FontDefaults) {
        EXPECT_EQ(f.Enabled, 0);
        EXPECT_EQ(f.FaceName, "MS Sans Serif");
        EXPECT_EQ(f.Size, 8);
        EXPECT_EQ(f.Weight, 400);
        EXPECT_EQ(f.Italic, 0);
        EXPECT_EQ(f.CharSet, -1);
    }
    EXPECT_TRUE(catalogue().QuickTextDefaults[0].DefaultInclude);
    EXPECT_EQ(catalogue().QuickTextDefaults[0].SubkeyName, "QuickTexts");
    EXPECT_EQ(settingEntry(23).ValueName, "MenuInclude");
}

TEST(Catalogue, TwentyFourBooleansWithTheirDefaults) {
    int booleans = 0, trueDefaults = 0;
    for (int i = 0; i < SettingCount; ++i) {
        if (settingEntry(i).Kind != Boolean) continue;
        ++booleans;
        trueDefaults += settingEntry(i).DefaultBool;
    }
    EXPECT_EQ(booleans, 24);
    EXPECT_EQ(trueDefaults, 14);
    EXPECT_TRUE(settingEntry(3).DefaultBool);
    EXPECT_FALSE(settingEntry(45).DefaultBool);
}

TEST(Catalogue, FilledOnce) {
    EXPECT_EQ(&catalogue(), &catalogue());
    EXPECT_EQ(&settingEntry(0), &catalogue().SettingCatalogue[0]);
}

}  // namespace
}  // namespace fk
