// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SeededRegistry.h"

#include "platform/hive/HiveDocument.h"
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Listing.h"
#include "platform/registry/Win32Registry.h"
#include "store/SettingsTransfer.h"

#include <stdexcept>
#include <vector>

namespace fk::testing {

namespace {

using reg::hive::Key;
using reg::KeyHandle;

reg::KeyHandle createKey(reg::Registry& registry, reg::Key parent, const std::u16string& name) {
    KeyHandle key = KeyHandle::create(registry, parent, name.c_str(), nullptr, reg::KeyAllAccess, nullptr);
    if (!key.ok()) throw std::runtime_error("RegCreateKeyExW failed: " + std::to_string(key.status()));
    return key;
}

void removeTree(reg::Registry& registry, reg::Key parent, const std::u16string& name) {
    registry.RegDeleteTreeW(parent, name.c_str());
    registry.RegDeleteKeyW(parent, name.c_str());
}

// Makes the key below `parent` hold exactly what `want` holds, changing
// only what differs, so that keys the program has open stay open.
void sync(reg::Registry& registry, reg::Key parent, Key& want) {
    const KeyHandle handle = createKey(registry, parent, want.name);
    const reg::Key key = handle.get();
    for (const auto& value : reg::listValues<char16_t>(registry, key))
        if (!want.findValue(value.name)) registry.RegDeleteValueW(key, value.name.c_str());
    for (const auto& value : want.values)
        if (const long status = registry.RegSetValueExW(key, value.name.c_str(), 0, value.type,
                                                        reinterpret_cast<const std::uint8_t*>(value.data.data()),
                                                        std::uint32_t(value.data.size())))
            throw std::runtime_error("RegSetValueExW failed: " + std::to_string(status));
    // A name Windows holds in another case is made again in the text's.
    for (const std::u16string& name : reg::listSubkeys<char16_t>(registry, key))
        if (const Key* sub = want.findSubkey(name); !sub || sub->name != name) removeTree(registry, key, name);
    for (auto& sub : want.subkeys) sync(registry, key, *sub);
}

// Every vendor's key the text names is made to match it; the add-on's
// maker's key goes when the text has none. Wine's own keys stay.
void putInPlace(const std::string& hiveText) {
    reg::hive::ParseError error;
    auto text = reg::hive::Document::parse(hiveText, error);
    if (!text) throw std::runtime_error("test hive, line " + std::to_string(error.line) + ": " + reg::englishText(error.what, error.excerpt));
    reg::Win32Registry registry;
    const KeyHandle software = createKey(registry, reg::CurrentUser, u"Software");
    Key* vendors = text->root().findSubkey(u"Software");
    if (!vendors || !vendors->findSubkey(u"Tavrel")) removeTree(registry, software.get(), u"Tavrel");
    if (vendors)
        for (auto& vendor : vendors->subkeys) sync(registry, software.get(), *vendor);
}

}  // namespace

void seedRegistry(const std::string&, const std::string& hiveText) { putInPlace(hiveText); }

void replaceRegistry(const std::string&, const std::string& hiveText) { putInPlace(hiveText); }

std::unique_ptr<reg::Registry> openSeededRegistry(const std::string&, std::string&) {
    return std::make_unique<reg::Win32Registry>();
}

std::string seededState(const std::string&) {
    reg::Win32Registry registry;
    std::string state;
    return exportSettings(registry, "", state) ? "the store cannot be read" : state;
}

}  // namespace fk::testing
