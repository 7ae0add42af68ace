// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/PreferenceStore.h"

#include "catalogue/Catalogue.h"
#include "platform/registry/Transaction.h"

#include <algorithm>
#include <array>

namespace fk {

namespace {
// Brisko! reads its texts into 256 bytes; a longer value is unreadable to it
// too, so it counts as not set.
constexpr std::uint32_t TextBufferSize = 256;
}  // namespace

PreferenceStore::PreferenceStore(reg::Registry& registry, std::function<void()> onWriteFailed)
    : registry_(registry), onWriteFailed_(std::move(onWriteFailed)) {}

std::string PreferenceStore::readSettingText(int index) const {
    const SettingEntry& entry = settingEntry(index);
    std::string text;
    if (readText(current_, entry.valueName, text)) return text;
    return entry.defaultText;
}

std::int32_t PreferenceStore::readSettingNumber(int index) const {
    const SettingEntry& entry = settingEntry(index);
    std::int32_t value = 0;
    if (readNumber(current_, entry.valueName, value)) return value;
    if (entry.kind == SettingKind::Boolean) return entry.defaultBool ? 1 : 0;
    return entry.defaultLong;
}

bool PreferenceStore::writeSettingText(const std::string& text, int index) {
    return writeText(current_, settingEntry(index).valueName, text);
}

bool PreferenceStore::writeSettingNumber(std::int32_t value, int index) {
    return writeNumber(current_, settingEntry(index).valueName, value);
}

bool PreferenceStore::writeSettingBoolean(bool flag, int index) {
    return writeSettingNumber(flag ? 1 : 0, index);
}

void PreferenceStore::deleteSettingValue(const std::string& valueName) {
    // A value that is not there is already what the caller wants.
    registry_.RegDeleteValueA(current_, valueName.c_str());
}

bool PreferenceStore::readText(reg::Key key, const std::string& valueName, std::string& text) const {
    std::array<std::uint8_t, TextBufferSize> buffer{};
    std::uint32_t type = reg::TypeNone;
    std::uint32_t size = TextBufferSize;
    const long result = registry_.RegQueryValueExA(key, valueName.c_str(), nullptr, &type, buffer.data(), &size);
    if (result != reg::Success || type != reg::TypeSz) return false;
    // The stored terminating zero is not part of the text. A value of zero
    // bytes (another program's doing) has none and reads as empty.
    const std::uint32_t length = size == 0 ? 0 : std::min(size, TextBufferSize) - 1;
    text.assign(reinterpret_cast<const char*>(buffer.data()), length);
    return true;
}

bool PreferenceStore::readNumber(reg::Key key, const std::string& valueName, std::int32_t& value) const {
    std::array<std::uint8_t, 4> buffer{};
    std::uint32_t type = reg::TypeNone;
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    const long result = registry_.RegQueryValueExA(key, valueName.c_str(), nullptr, &type, buffer.data(), &size);
    if (result != reg::Success || type != reg::TypeDword) return false;
    const std::uint32_t bits = std::uint32_t(buffer[0]) | std::uint32_t(buffer[1]) << 8 |
                               std::uint32_t(buffer[2]) << 16 | std::uint32_t(buffer[3]) << 24;
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool PreferenceStore::writeText(reg::Key key, const std::string& valueName, const std::string& text) {
    // The size counts the terminating zero, which c_str() provides.
    const long result = registry_.RegSetValueExA(key, valueName.c_str(), 0, reg::TypeSz,
                                                 reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                                 static_cast<std::uint32_t>(text.size() + 1));
    if (result == reg::Success) return true;
    if (onWriteFailed_) onWriteFailed_();
    return false;
}

bool PreferenceStore::writeNumber(reg::Key key, const std::string& valueName, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    const std::array<std::uint8_t, 4> data{std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
                                           std::uint8_t(bits >> 24)};
    const long result = registry_.RegSetValueExA(key, valueName.c_str(), 0, reg::TypeDword, data.data(),
                                                 static_cast<std::uint32_t>(data.size()));
    if (result == reg::Success) return true;
    if (onWriteFailed_) onWriteFailed_();
    return false;
}

SaveResult PreferenceStore::inOneSave(const std::function<SaveResult()>& work) {
    reg::Transaction transaction(registry_);
    const SaveResult result = work();
    if (result != SaveResult::Done) return result;
    if (transaction.commit() == reg::Success) return SaveResult::Done;
    if (onWriteFailed_) onWriteFailed_();
    return SaveResult::WriteFailed;
}

}  // namespace fk
