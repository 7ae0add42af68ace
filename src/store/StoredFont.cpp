// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/StoredFont.h"

#include "platform/registry/KeyHandle.h"

#include <algorithm>
#include <array>

namespace fk {

namespace {

bool readAnyNumber(reg::Registry& registry, reg::Key key, const char* name, std::int32_t& value) {
    std::array<std::uint8_t, 4> buffer{};
    std::uint32_t type = reg::TypeNone;
    std::uint32_t size = buffer.size();
    if (registry.RegQueryValueExA(key, name, nullptr, &type, buffer.data(), &size) != reg::Success) return false;
    value = std::int32_t(std::uint32_t(buffer[0]) | std::uint32_t(buffer[1]) << 8 | std::uint32_t(buffer[2]) << 16 |
                         std::uint32_t(buffer[3]) << 24);
    return true;
}

// A name of 256 characters or more does not fit and keeps the default.
bool readAnyText(reg::Registry& registry, reg::Key key, const char* name, std::string& text) {
    std::array<char, 256> buffer{};
    std::uint32_t type = reg::TypeNone;
    std::uint32_t size = buffer.size();
    if (registry.RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<std::uint8_t*>(buffer.data()), &size) !=
        reg::Success)
        return false;
    text.assign(buffer.data(), size == 0 ? 0 : std::min<std::size_t>(size, buffer.size()) - 1);
    return true;
}

}  // namespace

FontDefault readStoredFont(reg::Registry& registry, reg::Key fontKey, FontDefault values) {
    std::int32_t number = 0;
    if (readAnyNumber(registry, fontKey, "Enable", number)) values.enabled = number != 0 ? 1 : 0;
    if (readAnyNumber(registry, fontKey, "Height", number)) values.size = number;
    if (readAnyNumber(registry, fontKey, "Weight", number)) values.weight = number;
    if (readAnyNumber(registry, fontKey, "Italic", number)) values.italic = number != 0 ? 1 : 0;
    if (readAnyNumber(registry, fontKey, "Charset", number)) values.charSet = number;
    readAnyText(registry, fontKey, "Name", values.faceName);
    return values;
}

namespace {
const FontDefault& defaultsOf(int index) {
    return catalogue().fontDefaults.at(std::size_t(settingEntry(index).auxIndex));
}
}  // namespace

FontDefault readFontSetting(const PreferenceStore& store, int index) {
    const reg::KeyHandle key = reg::KeyHandle::open(store.registry(), store.currentKey(),
                                                    settingEntry(index).valueName, reg::KeyRead);
    if (!key.ok()) return defaultsOf(index);
    return readStoredFont(store.registry(), key.get(), defaultsOf(index));
}

SaveResult writeFontSetting(PreferenceStore& store, int index, const FontDefault& values) {
    const FontDefault& defaults = defaultsOf(index);
    return store.inOneSave([&] {
        const reg::KeyHandle key =
            reg::KeyHandle::create(store.registry(), store.currentKey(), settingEntry(index).valueName);
        if (!key.ok()) return SaveResult::KeyNotCreated;
        const reg::Key font = key.get();
        const bool saved = store.writeNumber(font, "Enable", values.enabled) &&
                           store.writeNumber(font, "Italic", values.italic) &&
                           store.writeNumber(font, "Weight", values.weight) &&
                           store.writeNumber(font, "Height", values.size) &&
                           (values.charSet == defaults.charSet || store.writeNumber(font, "Charset", values.charSet)) &&
                           store.writeText(font, "Name", values.faceName);
        return saved ? SaveResult::Done : SaveResult::WriteFailed;
    });
}

bool sameFont(const FontDefault& a, const FontDefault& b) {
    return (a.enabled != 0) == (b.enabled != 0) && a.faceName == b.faceName && a.size == b.size &&
           a.weight == b.weight && (a.italic != 0) == (b.italic != 0) && a.charSet == b.charSet;
}

}  // namespace fk
