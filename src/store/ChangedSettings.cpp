#include "store/ChangedSettings.h"

#include "catalogue/Catalogue.h"
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Listing.h"
#include "store/KeyValue.h"
#include "store/StoredFont.h"

#include <algorithm>
#include <optional>

namespace fk {

namespace {

constexpr const char* NotSet = "(not set)";

std::optional<std::int32_t> number(const StoredValue& value) {
    if (!value.present || value.type != reg::TypeDword || value.bytes.size() != 4) return std::nullopt;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = bits << 8 | std::uint8_t(value.bytes[std::size_t(i)]);
    return std::int32_t(bits);
}

// As the store reads a text: REG_SZ under 256 bytes, without its ending zero.
std::optional<std::string> text(const StoredValue& value) {
    if (!value.present || value.type != reg::TypeSz || value.bytes.size() > 256) return std::nullopt;
    std::string result = value.bytes;
    if (!result.empty()) result.pop_back();
    return result;
}

// Looked for among the key's subkeys first, so that a missing one is not
// even asked for.
bool hasSubkey(reg::Registry& registry, reg::Key key, const std::string& wanted) {
    const auto lower = [](std::string s) {
        for (char& c : s) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return s;
    };
    for (const std::string& name : reg::listSubkeys(registry, key))
        if (lower(name) == lower(wanted)) return true;
    return false;
}

std::string yesNo(bool flag) { return flag ? "True" : "False"; }
std::string quoted(const std::string& s) { return "\"" + s + "\""; }

std::string colour(std::int32_t value) {
    const auto bits = std::uint32_t(value);
    return "RGB(" + std::to_string(bits & 0xFF) + ", " + std::to_string(bits >> 8 & 0xFF) + ", " +
           std::to_string(bits >> 16 & 0xFF) + ")";
}

// A number, boolean or colour: one REG_DWORD against its default.
SettingState numberState(const SettingEntry& e, const StoredValue& value) {
    const auto stored = number(value);
    SettingState state;
    if (e.kind == SettingKind::Boolean) {
        state.byDefault = yesNo(e.defaultBool);
        state.stored = stored ? yesNo(*stored != 0) : NotSet;
        state.changed = stored && (*stored != 0) != e.defaultBool;
    } else if (e.kind == SettingKind::Colour) {
        state.byDefault = e.colourDefaultAbsent ? NotSet : colour(e.defaultLong);
        state.stored = stored ? colour(*stored) : NotSet;
        state.changed = stored && (e.colourDefaultAbsent || *stored != e.defaultLong);
    } else {
        state.byDefault = std::to_string(e.defaultLong);
        state.stored = stored ? std::to_string(*stored) : NotSet;
        state.changed = stored && *stored != e.defaultLong;
    }
    return state;
}

SettingState textState(const std::optional<std::string>& stored, const std::string& defaultText, bool defaultAbsent) {
    SettingState state;
    state.byDefault = defaultAbsent ? NotSet : quoted(defaultText);
    state.stored = stored ? quoted(*stored) : NotSet;
    state.changed = stored && (defaultAbsent || *stored != defaultText);
    return state;
}

SettingState switchState(reg::Registry& registry, reg::Key key, const SettingEntry& e) {
    const SwitchTextPair& pair = catalogue().switchTextPairs.at(std::size_t(e.auxIndex));
    const auto flag = number(readKeyValue(registry, key, pair.switchValueName));
    SettingState state = textState(text(readKeyValue(registry, key, pair.textValueName)), pair.defaultText,
                                   pair.textDefaultAbsent);
    state.changed = state.changed || (flag && (*flag != 0) != pair.defaultSwitch);
    state.stored = (flag ? yesNo(*flag != 0) : std::string(NotSet)) + ", " + state.stored;
    state.byDefault = yesNo(pair.defaultSwitch) + ", " + state.byDefault;
    return state;
}

// What the add-on would draw with, in words: the face, size and weight
// always, the rest when they are not plain.
std::string describeFont(const FontDefault& f) {
    return f.faceName + ", " + std::to_string(f.size) + ", weight " + std::to_string(f.weight) +
           (f.italic ? ", italic" : "") + (f.charSet != -1 ? ", character set " + std::to_string(f.charSet) : "") +
           (f.enabled ? ", enabled" : ", disabled");
}

// The font the add-on would use against the default, whatever values the
// subkey spells out: defaults written explicitly are no change, and with
// its enable flag cleared the add-on draws its own font, whatever else is
// stored.
SettingState fontState(reg::Registry& registry, reg::Key key, const SettingEntry& e) {
    const FontDefault& defaults = catalogue().fontDefaults.at(std::size_t(e.auxIndex));
    SettingState state;
    state.byDefault = describeFont(defaults);
    state.stored = NotSet;
    if (!hasSubkey(registry, key, e.valueName)) return state;
    const reg::KeyHandle font = reg::KeyHandle::open(registry, key, e.valueName, reg::KeyRead);
    if (!font.ok()) return state;
    const FontDefault stored = readStoredFont(registry, font.get(), defaults);
    const bool differs = !sameFont(stored, defaults);
    state.unused = differs && !stored.enabled && !defaults.enabled;
    state.changed = differs && !state.unused;
    if (differs) state.stored = describeFont(stored);
    return state;
}

// A quick text hidden from the menu (its include flag stored as 0) counts.
SettingState quickTextState(reg::Registry& registry, reg::Key key, const SettingEntry& e) {
    const QuickTextDefault& row = catalogue().quickTextDefaults.at(std::size_t(e.auxIndex));
    SettingState state;
    state.byDefault = yesNo(row.defaultInclude);
    const reg::KeyHandle list = hasSubkey(registry, key, row.subkeyName)
                                    ? reg::KeyHandle::open(registry, key, row.subkeyName, reg::KeyRead)
                                    : reg::KeyHandle();
    if (list.ok()) {
        for (const std::string& quickText : reg::listSubkeys(registry, list.get())) {
            const reg::KeyHandle item = reg::KeyHandle::open(registry, list.get(), quickText, reg::KeyRead);
            if (!item.ok()) continue;
            const auto include = number(readKeyValue(registry, item.get(), e.valueName));
            if (!include || *include != 0) continue;
            state.stored += (state.changed ? ", " : "False for ") + quickText;
            state.changed = true;
        }
    }
    if (!state.changed) state.stored = NotSet;
    return state;
}

}  // namespace

SettingState settingState(reg::Registry& registry, reg::Key key, int index) {
    const SettingEntry& e = settingEntry(index);
    using enum SettingKind;
    switch (e.kind) {
    case Boolean:
    case Number:
    case Colour:
        return numberState(e, readKeyValue(registry, key, e.valueName));
    case Text:
    case File:
    case Account:
        return textState(text(readKeyValue(registry, key, e.valueName)), e.defaultText,
                         e.kind == Text && e.textDefaultAbsent);
    case SwitchWithText:
        return switchState(registry, key, e);
    case Font:
        return fontState(registry, key, e);
    case QuickTexts:
        return quickTextState(registry, key, e);
    default:
        return {};
    }
}

}  // namespace fk
