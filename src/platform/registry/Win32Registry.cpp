// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry/Win32Registry.h"

#include <windows.h>

namespace fk::reg {

namespace {

// Our handles are plain numbers; a predefined root's numeric value is
// sign-extended on 64-bit Windows.
HKEY toHkey(Key key) {
    if (isPredefined(key))
        return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(static_cast<ULONG>(key))));
    return reinterpret_cast<HKEY>(key);
}

Key fromHkey(HKEY key) { return reinterpret_cast<Key>(key); }

// advapi32 takes DWORD pointers; ours are uint32_t, the same size and
// representation, but a distinct type under mingw (DWORD is unsigned long).
static_assert(sizeof(DWORD) == sizeof(std::uint32_t));
DWORD* asDword(std::uint32_t* p) { return reinterpret_cast<DWORD*>(p); }

// wchar_t is UTF-16 on Windows, the same size as char16_t.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
const wchar_t* wide(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }
wchar_t* wide(char16_t* s) { return reinterpret_cast<wchar_t*>(s); }

// Ours in advapi32's form, kept in `attributes`; null stays null.
SECURITY_ATTRIBUTES* native(const SecurityAttributes* security, SECURITY_ATTRIBUTES& attributes) {
    if (!security) return nullptr;
    attributes.nLength = security->length;
    attributes.lpSecurityDescriptor = security->securityDescriptor;
    attributes.bInheritHandle = security->inheritHandle ? TRUE : FALSE;
    return &attributes;
}

void copyTime(const FILETIME& time, FileTime* lastWrite) {
    if (!lastWrite) return;
    lastWrite->low = time.dwLowDateTime;
    lastWrite->high = time.dwHighDateTime;
}

}  // namespace

Win32Registry::~Win32Registry() {
    for (Key key : open_) ::RegCloseKey(toHkey(key));
}

long Win32Registry::keep(long status, void* opened, Key* result) {
    if (status == ERROR_SUCCESS) {
        *result = fromHkey(static_cast<HKEY>(opened));
        open_.insert(*result);
    }
    return status;
}

long Win32Registry::RegOpenKeyExA(Key parent, const char* subKey, std::uint32_t options,
                                  std::uint32_t access, Key* result) {
    HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExA(toHkey(parent), subKey, options, access, &opened);
    return keep(status, opened, result);
}

long Win32Registry::RegCreateKeyExA(Key parent, const char* subKey, std::uint32_t reserved,
                                    const char* keyClass, std::uint32_t options, std::uint32_t access,
                                    const SecurityAttributes* security, Key* result,
                                    std::uint32_t* disposition) {
    SECURITY_ATTRIBUTES attributes{};
    HKEY created = nullptr;
    const LONG status = ::RegCreateKeyExA(toHkey(parent), subKey, reserved, const_cast<char*>(keyClass), options,
                                          access, native(security, attributes), &created, asDword(disposition));
    return keep(status, created, result);
}

long Win32Registry::RegCloseKey(Key key) {
    LONG status = ::RegCloseKey(toHkey(key));
    open_.erase(key);
    return status;
}

long Win32Registry::RegEnumKeyExA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                  std::uint32_t* reserved, char* keyClass, std::uint32_t* classLength,
                                  FileTime* lastWrite) {
    FILETIME time{};
    LONG status = ::RegEnumKeyExA(toHkey(key), index, name, asDword(nameLength), asDword(reserved), keyClass,
                                  asDword(classLength), lastWrite ? &time : nullptr);
    if (status == ERROR_SUCCESS) copyTime(time, lastWrite);
    return status;
}

long Win32Registry::RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved,
                                     std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) {
    return ::RegQueryValueExA(toHkey(key), valueName, asDword(reserved), asDword(type), data,
                              asDword(dataLength));
}

long Win32Registry::RegSetValueExA(Key key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t dataLength) {
    return ::RegSetValueExA(toHkey(key), valueName, reserved, type, data, dataLength);
}

long Win32Registry::RegDeleteValueA(Key key, const char* valueName) {
    return ::RegDeleteValueA(toHkey(key), valueName);
}

long Win32Registry::RegEnumValueA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                  std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* dataLength) {
    return ::RegEnumValueA(toHkey(key), index, name, asDword(nameLength), asDword(reserved), asDword(type), data,
                           asDword(dataLength));
}

long Win32Registry::RegDeleteKeyA(Key parent, const char* subKey) {
    return ::RegDeleteKeyA(toHkey(parent), subKey);
}

long Win32Registry::RegOpenKeyExW(Key parent, const char16_t* subKey, std::uint32_t options,
                                  std::uint32_t access, Key* result) {
    HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExW(toHkey(parent), wide(subKey), options, access, &opened);
    return keep(status, opened, result);
}

long Win32Registry::RegCreateKeyExW(Key parent, const char16_t* subKey, std::uint32_t reserved,
                                    const char16_t* keyClass, std::uint32_t options, std::uint32_t access,
                                    const SecurityAttributes* security, Key* result,
                                    std::uint32_t* disposition) {
    SECURITY_ATTRIBUTES attributes{};
    HKEY created = nullptr;
    const LONG status = ::RegCreateKeyExW(toHkey(parent), wide(subKey), reserved,
                                          const_cast<wchar_t*>(wide(keyClass)), options, access,
                                          native(security, attributes), &created, asDword(disposition));
    return keep(status, created, result);
}

long Win32Registry::RegEnumKeyExW(Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                                  std::uint32_t* reserved, char16_t* keyClass, std::uint32_t* classLength,
                                  FileTime* lastWrite) {
    FILETIME time{};
    LONG status = ::RegEnumKeyExW(toHkey(key), index, wide(name), asDword(nameLength), asDword(reserved),
                                  wide(keyClass), asDword(classLength), lastWrite ? &time : nullptr);
    if (status == ERROR_SUCCESS) copyTime(time, lastWrite);
    return status;
}

long Win32Registry::RegQueryValueExW(Key key, const char16_t* valueName, std::uint32_t* reserved,
                                     std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) {
    return ::RegQueryValueExW(toHkey(key), wide(valueName), asDword(reserved), asDword(type), data,
                              asDword(dataLength));
}

long Win32Registry::RegSetValueExW(Key key, const char16_t* valueName, std::uint32_t reserved, std::uint32_t type,
                                   const std::uint8_t* data, std::uint32_t dataLength) {
    return ::RegSetValueExW(toHkey(key), wide(valueName), reserved, type, data, dataLength);
}

long Win32Registry::RegDeleteValueW(Key key, const char16_t* valueName) {
    return ::RegDeleteValueW(toHkey(key), wide(valueName));
}

long Win32Registry::RegEnumValueW(Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                                  std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* dataLength) {
    return ::RegEnumValueW(toHkey(key), index, wide(name), asDword(nameLength), asDword(reserved), asDword(type),
                           data, asDword(dataLength));
}

long Win32Registry::RegDeleteKeyW(Key parent, const char16_t* subKey) {
    return ::RegDeleteKeyW(toHkey(parent), wide(subKey));
}

long Win32Registry::RegDeleteTreeW(Key key, const char16_t* subKey) {
    return ::RegDeleteTreeW(toHkey(key), wide(subKey));
}

}  // namespace fk::reg
