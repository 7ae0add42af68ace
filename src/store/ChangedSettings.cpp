// SPDX-License-Identifier: GPL-3.0-or-later
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

using Kind = ShownValue::Kind;

ShownValue shown(Kind kind, std::int32_t number = 0, std::string text = {}) {
    ShownValue value;
    value.kind = kind;
    value.number = number;
    value.text = std::move(text);
    return value;
}

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

ShownValue flag(bool on) { return shown(Kind::Flag, on); }

// A number, boolean or colour: one REG_DWORD against its default.
SettingState numberState(const SettingEntry& e, const StoredValue& value) {
    const auto stored = number(value);
    SettingState state;
    if (e.kind == SettingKind::Boolean) {
        state.byDefault = {flag(e.defaultBool)};
        state.stored = {stored ? flag(*stored != 0) : ShownValue()};
        state.changed = stored && (*stored != 0) != e.defaultBool;
    } else if (e.kind == SettingKind::Colour) {
        state.byDefault = {e.colourDefaultAbsent ? ShownValue() : shown(Kind::Colour, e.defaultLong)};
        state.stored = {stored ? shown(Kind::Colour, *stored) : ShownValue()};
        state.changed = stored && (e.colourDefaultAbsent || *stored != e.defaultLong);
    } else {
        state.byDefault = {shown(Kind::Number, e.defaultLong)};
        state.stored = {stored ? shown(Kind::Number, *stored) : ShownValue()};
        state.changed = stored && *stored != e.defaultLong;
    }
    return state;
}

SettingState textState(const std::optional<std::string>& stored, const std::string& defaultText, bool defaultAbsent) {
    SettingState state;
    state.byDefault = {defaultAbsent ? ShownValue() : shown(Kind::Text, 0, defaultText)};
    state.stored = {stored ? shown(Kind::Text, 0, *stored) : ShownValue()};
    state.changed = stored && (defaultAbsent || *stored != defaultText);
    return state;
}

SettingState switchState(reg::Registry& registry, reg::Key key, const SettingEntry& e) {
    const SwitchTextPair& pair = catalogue().switchTextPairs.at(std::size_t(e.auxIndex));
    SettingState state = textState(text(readKeyValue(registry, key, pair.textValueName)), pair.defaultText,
                                   pair.textDefaultAbsent);
    const auto switched = number(readKeyValue(registry, key, pair.switchValueName));
    state.changed = state.changed || (switched && (*switched != 0) != pair.defaultSwitch);
    state.stored.insert(state.stored.begin(), switched ? flag(*switched != 0) : ShownValue());
    state.byDefault.insert(state.byDefault.begin(), flag(pair.defaultSwitch));
    return state;
}

// What the add-on would draw with.
ShownValue describeFont(const FontDefault& f) {
    ShownValue font = shown(Kind::Font, f.size, f.faceName);
    font.weight = f.weight;
    font.italic = f.italic != 0;
    font.charSet = f.charSet;
    font.enabled = f.enabled != 0;
    return font;
}

// The font the add-on would use against the default, whatever values the
// subkey spells out: defaults written explicitly are no change, and with
// its enable flag cleared the add-on draws its own font, whatever else is
// stored.
SettingState fontState(reg::Registry& registry, reg::Key key, const SettingEntry& e) {
    const FontDefault& defaults = catalogue().fontDefaults.at(std::size_t(e.auxIndex));
    SettingState state;
    state.byDefault = {describeFont(defaults)};
    state.stored = {ShownValue()};
    if (!hasSubkey(registry, key, e.valueName)) return state;
    const reg::KeyHandle font = reg::KeyHandle::open(registry, key, e.valueName, reg::KeyRead);
    if (!font.ok()) return state;
    const FontDefault stored = readStoredFont(registry, font.get(), defaults);
    const bool differs = !sameFont(stored, defaults);
    state.unused = differs && !stored.enabled && !defaults.enabled;
    state.changed = differs && !state.unused;
    if (differs) state.stored = {describeFont(stored)};
    return state;
}

// A quick text hidden from the menu (its include flag stored as 0) counts.
SettingState quickTextState(reg::Registry& registry, reg::Key key, const SettingEntry& e) {
    const QuickTextDefault& row = catalogue().quickTextDefaults.at(std::size_t(e.auxIndex));
    SettingState state;
    state.byDefault = {flag(row.defaultInclude)};
    ShownValue hidden = shown(Kind::HiddenFrom);
    const reg::KeyHandle list = hasSubkey(registry, key, row.subkeyName)
                                    ? reg::KeyHandle::open(registry, key, row.subkeyName, reg::KeyRead)
                                    : reg::KeyHandle();
    if (list.ok()) {
        for (const std::string& quickText : reg::listSubkeys(registry, list.get())) {
            const reg::KeyHandle item = reg::KeyHandle::open(registry, list.get(), quickText, reg::KeyRead);
            if (!item.ok()) continue;
            const auto include = number(readKeyValue(registry, item.get(), e.valueName));
            if (!include || *include != 0) continue;
            hidden.text += (state.changed ? ", " : "") + quickText;
            state.changed = true;
        }
    }
    state.stored = {state.changed ? hidden : ShownValue()};
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
