#include "Win32Registry.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace fk::reg {

namespace {

// Our handles are plain numbers; the predefined root is HKEY_CURRENT_USER,
// whose numeric value is sign-extended on 64-bit Windows.
HKEY toHkey(Key key) {
    if (key == CurrentUser) return HKEY_CURRENT_USER;
    return reinterpret_cast<HKEY>(key);
}

Key fromHkey(HKEY key) { return reinterpret_cast<Key>(key); }

// advapi32 takes DWORD pointers; ours are uint32_t, the same size and
// representation, but a distinct type under mingw (DWORD is unsigned long).
static_assert(sizeof(DWORD) == sizeof(std::uint32_t));
DWORD* asDword(std::uint32_t* p) { return reinterpret_cast<DWORD*>(p); }

}  // namespace

Win32Registry::~Win32Registry() {
    for (Key key : open_) ::RegCloseKey(toHkey(key));
}

long Win32Registry::RegOpenKeyExA(Key parent, const char* subKey, std::uint32_t options,
                                  std::uint32_t access, Key* result) {
    HKEY opened = nullptr;
    LONG status = ::RegOpenKeyExA(toHkey(parent), subKey, options, access, &opened);
    if (status == ERROR_SUCCESS) {
        *result = fromHkey(opened);
        open_.insert(*result);
    }
    return status;
}

long Win32Registry::RegCreateKeyExA(Key parent, const char* subKey, std::uint32_t reserved,
                                    const char* keyClass, std::uint32_t options, std::uint32_t access,
                                    const SecurityAttributes* security, Key* result,
                                    std::uint32_t* disposition) {
    SECURITY_ATTRIBUTES attributes{};
    if (security) {
        attributes.nLength = security->length;
        attributes.lpSecurityDescriptor = security->securityDescriptor;
        attributes.bInheritHandle = security->inheritHandle ? TRUE : FALSE;
    }
    HKEY created = nullptr;
    LONG status = ::RegCreateKeyExA(toHkey(parent), subKey, reserved, const_cast<char*>(keyClass), options,
                                    access, security ? &attributes : nullptr, &created, asDword(disposition));
    if (status == ERROR_SUCCESS) {
        *result = fromHkey(created);
        open_.insert(*result);
    }
    return status;
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
    if (status == ERROR_SUCCESS && lastWrite) {
        lastWrite->low = time.dwLowDateTime;
        lastWrite->high = time.dwHighDateTime;
    }
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

}  // namespace fk::reg
