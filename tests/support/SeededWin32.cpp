#include "support/SeededRegistry.h"

#include "platform/hive/HiveDocument.h"
#include "store/SettingsTransfer.h"
#include "platform/registry/Win32Registry.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

namespace fk::testing {

namespace {

using reg::hive::Key;

const wchar_t* wide(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

void check(LSTATUS status, const char* call) {
    if (status != ERROR_SUCCESS) throw std::runtime_error(std::string(call) + " failed: " + std::to_string(status));
}

// The names of a key's values or subkeys, all read before any is removed.
std::vector<std::u16string> names(HKEY key, bool values) {
    std::vector<std::u16string> found;
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD length = 16384;
        const LSTATUS status = values ? RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr)
                                      : RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) return found;
        found.emplace_back(reinterpret_cast<const char16_t*>(name), length);
    }
}

void removeTree(HKEY parent, const std::u16string& name) {
    RegDeleteTreeW(parent, wide(name));
    RegDeleteKeyW(parent, wide(name));
}

// Makes the key below `parent` hold exactly what `want` holds, changing
// only what differs, so that keys the program has open stay open.
void sync(HKEY parent, Key& want) {
    HKEY key = nullptr;
    check(RegCreateKeyExW(parent, wide(want.name), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
          "RegCreateKeyExW");
    for (const std::u16string& name : names(key, true))
        if (!want.findValue(name)) RegDeleteValueW(key, wide(name));
    for (const auto& value : want.values)
        check(RegSetValueExW(key, wide(value.name), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
                             DWORD(value.data.size())),
              "RegSetValueExW");
    // A name Windows holds in another case is made again in the text's.
    for (const std::u16string& name : names(key, false))
        if (const Key* sub = want.findSubkey(name); !sub || sub->name != name) removeTree(key, name);
    for (auto& sub : want.subkeys) sync(key, *sub);
    RegCloseKey(key);
}

// Every vendor's key the text names is made to match it; the add-on's
// maker's key goes when the text has none. Wine's own keys stay.
void putInPlace(const std::string& hiveText) {
    reg::hive::ParseError error;
    auto text = reg::hive::Document::parse(hiveText, error);
    if (!text) throw std::runtime_error("test hive, line " + std::to_string(error.line) + ": " + error.what);
    HKEY software = nullptr;
    check(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &software, nullptr),
          "RegCreateKeyExW");
    Key* vendors = text->root().findSubkey(u"Software");
    if (!vendors || !vendors->findSubkey(u"Tavrel")) removeTree(software, u"Tavrel");
    if (vendors)
        for (auto& vendor : vendors->subkeys) sync(software, *vendor);
    RegCloseKey(software);
}

}  // namespace

void seedRegistry(const std::string&, const std::string& hiveText) { putInPlace(hiveText); }

void replaceRegistry(const std::string&, const std::string& hiveText) { putInPlace(hiveText); }

std::unique_ptr<reg::Registry> openSeededRegistry(const std::string&, std::string&) {
    return std::make_unique<reg::Win32Registry>();
}

std::string seededState(const std::string&) {
    reg::Win32Registry registry;
    std::string state, error;
    return exportSettings(registry, "", state, error) ? state : error;
}

}  // namespace fk::testing
