// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry over Windows' own advapi32: the real registry on Windows,
// and Wine's live registry when run inside a prefix (the bridge).
#include "platform/registry/Registry.h"

#include <unordered_set>

namespace fk::reg {

class Win32Registry final : public Registry {
public:
    Win32Registry() = default;
    ~Win32Registry() override;
    Win32Registry(const Win32Registry&) = delete;
    Win32Registry& operator=(const Win32Registry&) = delete;

    long RegOpenKeyExA(Key parent, const char* subKey, std::uint32_t options, std::uint32_t access,
                       Key* result) override;
    long RegCreateKeyExA(Key parent, const char* subKey, std::uint32_t reserved, const char* keyClass,
                         std::uint32_t options, std::uint32_t access, const SecurityAttributes* security,
                         Key* result, std::uint32_t* disposition) override;
    long RegCloseKey(Key key) override;
    long RegEnumKeyExA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, char* keyClass, std::uint32_t* classLength,
                       FileTime* lastWrite) override;
    long RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override;
    long RegSetValueExA(Key key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override;
    long RegDeleteValueA(Key key, const char* valueName) override;
    long RegEnumValueA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                       std::uint32_t* dataLength) override;
    long RegDeleteKeyA(Key parent, const char* subKey) override;

    long RegOpenKeyExW(Key parent, const char16_t* subKey, std::uint32_t options, std::uint32_t access,
                       Key* result) override;
    long RegCreateKeyExW(Key parent, const char16_t* subKey, std::uint32_t reserved, const char16_t* keyClass,
                         std::uint32_t options, std::uint32_t access, const SecurityAttributes* security,
                         Key* result, std::uint32_t* disposition) override;
    long RegEnumKeyExW(Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, char16_t* keyClass, std::uint32_t* classLength,
                       FileTime* lastWrite) override;
    long RegQueryValueExW(Key key, const char16_t* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override;
    long RegSetValueExW(Key key, const char16_t* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override;
    long RegDeleteValueW(Key key, const char16_t* valueName) override;
    long RegEnumValueW(Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                       std::uint32_t* dataLength) override;
    long RegDeleteKeyW(Key parent, const char16_t* subKey) override;
    long RegDeleteTreeW(Key key, const char16_t* subKey) override;

    int openHandleCount() const override { return int(open_.size()); }

private:
    // Records a key advapi32 opened (an HKEY) when `status` says it did;
    // the call is made first, so that `opened` holds what it gave.
    long keep(long status, void* opened, Key* result);

    // Handles this object opened; a predefined root is never among them.
    std::unordered_set<Key> open_;
};

}  // namespace fk::reg
