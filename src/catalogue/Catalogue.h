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
    std::string ValueName;
    std::string Description;
    SettingKind Kind = SettingKind::Boolean;
    bool AllUsers = false;
    bool DefaultBool = false;
    std::int32_t DefaultLong = 0;
    std::string DefaultText;
    std::int32_t MinValue = 0;
    std::int32_t MaxValue = 0;
    bool MaxEnforced = false;
    std::int32_t SmallChange = 0;
    std::int32_t LargeChange = 0;
    std::int32_t TickFrequency = 0;
    std::int32_t TextStyle = 0;
    bool TextDefaultAbsent = false;
    bool ColourDefaultAbsent = false;
    std::string DialogTitle;   // NUL-terminated texts, NULs included
    std::string DialogFilter;
    std::int32_t AuxIndex = 0;
};

struct FontDefault {
    std::int32_t Enabled = 0;
    std::string FaceName;
    std::int32_t Size = 0;
    std::int32_t Weight = 0;
    std::int32_t Italic = 0;
    std::int32_t CharSet = 0;
};

struct SwitchTextPair {
    bool DefaultSwitch = false;
    std::string DefaultText;
    bool TextDefaultAbsent = false;
    std::string SwitchValueName;
    std::string TextValueName;
};

struct QuickTextDefault {
    bool DefaultInclude = false;
    std::string SubkeyName;
};

inline constexpr int SettingCount = 46;   // entries 0..45 are settings
inline constexpr int NoticeIndex = 46;    // entry 46 is the general notice

struct Catalogue {
    std::array<SettingEntry, 47> SettingCatalogue;
    std::array<FontDefault, 2> FontDefaults;
    std::array<SwitchTextPair, 1> SwitchTextPairs;
    std::array<QuickTextDefault, 1> QuickTextDefaults;
};

// Fills the tables on first use and returns them; the one global of the
// program, read-only once filled.
const Catalogue& catalogue();

// The note that ends, after ParagraphBreak, the description of a setting
// Brisko! never documented.
inline constexpr std::string_view ParagraphBreak = "\r\n\r\n";
const char* hiddenFeatureNote();

// Shorthand for catalogue().SettingCatalogue[index].
const SettingEntry& settingEntry(int index);

}  // namespace fk
