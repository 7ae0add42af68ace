// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/QuickTexts.h"

#include "catalogue/Catalogue.h"
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Listing.h"

#include <algorithm>
#include <array>

namespace fk {

namespace {

const QuickTextDefault& defaultsOf(int index) {
    return catalogue().quickTextDefaults.at(size_t(settingEntry(index).auxIndex));
}

// A REG_SZ read into a buffer of `Size` bytes, as the add-on reads it; a
// longer, missing or mistyped value reads as empty.
template <std::uint32_t Size>
std::string readText(reg::Registry& registry, reg::Key key, const char* valueName) {
    std::array<std::uint8_t, Size> buffer{};
    std::uint32_t type = reg::TypeNone;
    std::uint32_t size = Size;
    if (registry.RegQueryValueExA(key, valueName, nullptr, &type, buffer.data(), &size) != reg::Success ||
        type != reg::TypeSz || size == 0)
        return {};
    return std::string(reinterpret_cast<const char*>(buffer.data()), std::min(size, Size) - 1);
}

reg::KeyHandle openQuickText(PreferenceStore& store, int index, const std::string& name) {
    return reg::KeyHandle::open(store.registry(), store.currentKey(), defaultsOf(index).subkeyName + "\\" + name,
                                reg::KeyAllAccess);
}

}  // namespace

std::optional<std::vector<std::string>> listQuickTexts(PreferenceStore& store, int index) {
    const std::string& subkey = defaultsOf(index).subkeyName;
    reg::KeyHandle list = reg::KeyHandle::open(store.registry(), store.currentKey(), subkey, reg::KeyAllAccess);
    if (!list.ok()) list = reg::KeyHandle::create(store.registry(), store.currentKey(), subkey);
    if (!list.ok()) return std::nullopt;
    return reg::listSubkeys(store.registry(), list.get());
}

std::optional<QuickText> readQuickText(PreferenceStore& store, int index, const std::string& name) {
    const reg::KeyHandle key = openQuickText(store, index, name);
    if (!key.ok()) return std::nullopt;
    reg::Registry& registry = store.registry();
    QuickText quickText;
    quickText.include = defaultsOf(index).defaultInclude;
    std::array<std::uint8_t, 4> flag{};
    std::uint32_t type = reg::TypeNone;
    std::uint32_t size = flag.size();
    if (registry.RegQueryValueExA(key.get(), settingEntry(index).valueName.c_str(), nullptr, &type, flag.data(),
                                  &size) == reg::Success &&
        type == reg::TypeDword)
        quickText.include = (flag[0] | flag[1] | flag[2] | flag[3]) != 0;
    quickText.message = readText<1024>(registry, key.get(), "Message");
    quickText.alias = readText<256>(registry, key.get(), "Alias");
    return quickText;
}

QuickTextSave writeQuickTextInclude(PreferenceStore& store, int index, const std::string& name, bool include) {
    const reg::KeyHandle key = openQuickText(store, index, name);
    if (!key.ok()) return QuickTextSave::Gone;
    return store.writeNumber(key.get(), settingEntry(index).valueName, include ? 1 : 0) ? QuickTextSave::Done
                                                                                        : QuickTextSave::WriteFailed;
}

}  // namespace fk
