// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed table of the settings the program knows, filled once at
// start-up and read-only afterwards. Texts are plain ASCII.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace fk {

// The editor a setting takes; also its panel's place in the window's table.
enum class SettingKind : std::int32_t {
    Boolean = 0,
    Number = 1,
    Text = 2,
    File = 3,
    Colour = 4,
    Account = 5,
    Font = 6,
    SwitchWithText = 7,
    QuickTexts = 8,
    None = 9,
};

enum TextStyle : std::int32_t {
    Plain = 0,
    DateFormat = 1,
    TimeFormat = 2,
    TagFormat = 3,
};

struct SettingEntry {
    std::string valueName;
    std::string description;
    SettingKind kind = SettingKind::Boolean;
    bool allUsers = false;
    bool defaultBool = false;
    std::int32_t defaultLong = 0;
    std::string defaultText;
    std::int32_t minValue = 0;
    std::int32_t maxValue = 0;
    bool maxEnforced = false;
    std::int32_t smallChange = 0;
    std::int32_t largeChange = 0;
    std::int32_t tickFrequency = 0;
    std::int32_t textStyle = 0;
    bool textDefaultAbsent = false;
    bool colourDefaultAbsent = false;
    std::string dialogTitle;   // NUL-terminated texts, NULs included
    std::string dialogFilter;
    std::int32_t auxIndex = 0;
};

struct FontDefault {
    std::int32_t enabled = 0;
    std::string faceName;
    std::int32_t size = 0;
    std::int32_t weight = 0;
    std::int32_t italic = 0;
    std::int32_t charSet = 0;
};

struct SwitchTextPair {
    bool defaultSwitch = false;
    std::string defaultText;
    bool textDefaultAbsent = false;
    std::string switchValueName;
    std::string textValueName;
};

struct QuickTextDefault {
    bool defaultInclude = false;
    std::string subkeyName;
};

inline constexpr int SettingCount = 46;   // entries 0..45 are settings
inline constexpr int NoticeIndex = 46;    // entry 46 is the general notice

struct Catalogue {
    std::array<SettingEntry, 47> settingCatalogue;
    std::array<FontDefault, 2> fontDefaults;
    std::array<SwitchTextPair, 1> switchTextPairs;
    std::array<QuickTextDefault, 1> quickTextDefaults;
};

// Fills the tables on first use and returns them; the one global of the
// program, read-only once filled.
const Catalogue& catalogue();

// The note that ends, after ParagraphBreak, the description of a setting
// Brisko! never documented.
inline constexpr std::string_view ParagraphBreak = "\r\n\r\n";
const char* hiddenFeatureNote();

// Shorthand for catalogue().settingCatalogue[index].
const SettingEntry& settingEntry(int index);

}  // namespace fk
