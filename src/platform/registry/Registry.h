// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry operations the program makes, shaped like the advapi32 calls
// so that callers behave the same over every backend: the Wine hive files
// on Linux, advapi32 on Windows, and advapi32 through the bridge.
// The A calls take names, value names and texts in code page 1252, the
// add-on's own view; the W calls take them in UTF-16, the registry's own,
// and lose no character.
#include "platform/registry/Problem.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fk::reg {

using Key = std::uintptr_t;

// Predefined roots. The add-on's settings live under the current user; the
// reg-compatible command line reaches them all.
inline constexpr Key ClassesRoot = 0x80000000u;
inline constexpr Key CurrentUser = 0x80000001u;
inline constexpr Key LocalMachine = 0x80000002u;
inline constexpr Key Users = 0x80000003u;
inline constexpr Key CurrentConfig = 0x80000005u;
inline constexpr bool isPredefined(Key key) { return key >= ClassesRoot && key <= 0x80000006u; }

// Windows' own result codes.
enum Status : long {
    Success = 0,
    NotFound = 2,
    AccessDenied = 5,
    InvalidHandle = 6,
    NotSupported = 50,
    InvalidParameter = 87,
    BadPathname = 161,
    MoreData = 234,
    NoMoreItems = 259,
    KeyDeleted = 1018,
};

// Value types.
enum ValueType : std::uint32_t {
    TypeNone = 0,
    TypeSz = 1,
    TypeExpandSz = 2,
    TypeBinary = 3,
    TypeDword = 4,
    TypeDwordBigEndian = 5,
    TypeLink = 6,
    TypeMultiSz = 7,
    TypeQword = 11,
};
inline bool isTextType(std::uint32_t type) { return type == TypeSz || type == TypeExpandSz || type == TypeMultiSz; }

// Access masks.
inline constexpr std::uint32_t KeyRead = 0x20019;
inline constexpr std::uint32_t KeyWrite = 0x20006;
inline constexpr std::uint32_t KeyAllAccess = 0xF003F;
// The registry view a 64-bit program asks for: the 32-bit one is found in
// the Wow6432Node keys where Windows redirects it.
inline constexpr std::uint32_t Wow64Key64 = 0x100;
inline constexpr std::uint32_t Wow64Key32 = 0x200;

// Windows caps a key's path at this many levels below the registry's own
// root, \REGISTRY: the levels above a predefined root count too (three for
// HKEY_CURRENT_USER, \REGISTRY\USER\<sid>). A deeper path is refused.
inline constexpr std::size_t MaxKeyDepth = 512;
inline constexpr std::size_t levelsAbove(Key root) {
    switch (root) {
    case CurrentUser: return 3;
    case LocalMachine: case Users: return 2;
    case ClassesRoot: return 4;    // \REGISTRY\MACHINE\Software\Classes
    case CurrentConfig: return 6;  // \REGISTRY\MACHINE\System\CurrentControlSet\Hardware Profiles\Current
    default: return 0;
    }
}

// Creation dispositions.
inline constexpr std::uint32_t CreatedNewKey = 1;
inline constexpr std::uint32_t OpenedExistingKey = 2;

struct SecurityAttributes {
    std::uint32_t length = 0;
    void* securityDescriptor = nullptr;
    bool inheritHandle = false;
};

// What the program passes whenever it creates a key: no descriptor, an
// inheritable handle.
inline constexpr SecurityAttributes CreateKeySecurity{10, nullptr, true};

struct FileTime {
    std::uint32_t low = 0;
    std::uint32_t high = 0;
};

template <class Ch>
struct NamedValueOf {
    std::basic_string<Ch> name;
    std::uint32_t type = 0;
    std::string bytes;  // as the registry holds them: texts in UTF-16LE from the W calls
};
using NamedValue = NamedValueOf<char>;

// One key of a tree read whole: its path below the top (empty for the top),
// its depth below it and its values.
struct TreeKey {
    std::u16string path;
    std::size_t depth = 0;
    std::vector<NamedValueOf<char16_t>> values;
};

class Registry {
public:
    virtual ~Registry() = default;

    virtual long RegOpenKeyExA(Key parent, const char* subKey, std::uint32_t options,
                               std::uint32_t access, Key* result) = 0;
    virtual long RegCreateKeyExA(Key parent, const char* subKey, std::uint32_t reserved,
                                 const char* keyClass, std::uint32_t options, std::uint32_t access,
                                 const SecurityAttributes* security, Key* result,
                                 std::uint32_t* disposition) = 0;
    virtual long RegCloseKey(Key key) = 0;
    virtual long RegEnumKeyExA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                               std::uint32_t* reserved, char* keyClass, std::uint32_t* classLength,
                               FileTime* lastWrite) = 0;
    virtual long RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved,
                                  std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* dataLength) = 0;
    virtual long RegSetValueExA(Key key, const char* valueName, std::uint32_t reserved,
                                std::uint32_t type, const std::uint8_t* data,
                                std::uint32_t dataLength) = 0;
    virtual long RegDeleteValueA(Key key, const char* valueName) = 0;

    // Only the reg-compatible command line needs these two: listing a key's
    // values and removing a key that has no subkeys. A backend without them
    // answers NotSupported.
    virtual long RegEnumValueA(Key /*key*/, std::uint32_t /*index*/, char* /*name*/,
                               std::uint32_t* /*nameLength*/, std::uint32_t* /*reserved*/,
                               std::uint32_t* /*type*/, std::uint8_t* /*data*/,
                               std::uint32_t* /*dataLength*/) {
        return NotSupported;
    }
    virtual long RegDeleteKeyA(Key /*parent*/, const char* /*subKey*/) { return NotSupported; }

    // The same in UTF-16, for the command line: lengths of names count
    // UTF-16 units, texts in data are UTF-16LE bytes, as advapi32's W calls
    // have them. A backend without them answers NotSupported.
    virtual long RegOpenKeyExW(Key /*parent*/, const char16_t* /*subKey*/, std::uint32_t /*options*/,
                               std::uint32_t /*access*/, Key* /*result*/) {
        return NotSupported;
    }
    virtual long RegCreateKeyExW(Key /*parent*/, const char16_t* /*subKey*/, std::uint32_t /*reserved*/,
                                 const char16_t* /*keyClass*/, std::uint32_t /*options*/, std::uint32_t /*access*/,
                                 const SecurityAttributes* /*security*/, Key* /*result*/,
                                 std::uint32_t* /*disposition*/) {
        return NotSupported;
    }
    virtual long RegEnumKeyExW(Key /*key*/, std::uint32_t /*index*/, char16_t* /*name*/,
                               std::uint32_t* /*nameLength*/, std::uint32_t* /*reserved*/, char16_t* /*keyClass*/,
                               std::uint32_t* /*classLength*/, FileTime* /*lastWrite*/) {
        return NotSupported;
    }
    virtual long RegQueryValueExW(Key /*key*/, const char16_t* /*valueName*/, std::uint32_t* /*reserved*/,
                                  std::uint32_t* /*type*/, std::uint8_t* /*data*/, std::uint32_t* /*dataLength*/) {
        return NotSupported;
    }
    virtual long RegSetValueExW(Key /*key*/, const char16_t* /*valueName*/, std::uint32_t /*reserved*/,
                                std::uint32_t /*type*/, const std::uint8_t* /*data*/, std::uint32_t /*dataLength*/) {
        return NotSupported;
    }
    virtual long RegDeleteValueW(Key /*key*/, const char16_t* /*valueName*/) { return NotSupported; }
    virtual long RegEnumValueW(Key /*key*/, std::uint32_t /*index*/, char16_t* /*name*/,
                               std::uint32_t* /*nameLength*/, std::uint32_t* /*reserved*/, std::uint32_t* /*type*/,
                               std::uint8_t* /*data*/, std::uint32_t* /*dataLength*/) {
        return NotSupported;
    }
    virtual long RegDeleteKeyW(Key /*parent*/, const char16_t* /*subKey*/) { return NotSupported; }
    // The subkey with everything below it, or, for a null subkey, the
    // key's own subkeys and values: in one step where the backend can.
    virtual long RegDeleteTreeW(Key /*key*/, const char16_t* /*subKey*/) { return NotSupported; }

    // The key, and with `recurse` all below it (subkeys opened with
    // `access`), as it is now, in reg's order: a key, then each subkey in
    // turn with all below it. A listing is no promise of a moment, so a
    // backend far away (the bridge) answers in one step; the rest enumerate.
    virtual long readTree(Key key, std::uint32_t access, bool recurse, std::vector<TreeKey>& keys);

    // Bulk work: between begin and commit, every change stays in memory and
    // reads see it; commit saves each file touched once, whole, or none of
    // them, and rollback forgets the changes. Scopes nest: only the outer
    // commit saves. A backend whose every call lands at once answers
    // NotSupported to begin, and its calls keep doing so.
    virtual long beginTransaction() { return NotSupported; }
    virtual long commitTransaction() { return NotSupported; }
    virtual void rollbackTransaction() {}

    // While on, writes whose answer carries nothing (a value set or
    // deleted, a key closed) may travel many to a request, in order:
    // flushWrites() sends what waits and gives the first failure since it
    // last did. A backend whose calls are cheap makes each at once.
    virtual void batchWrites(bool /*on*/) {}
    virtual long flushWrites() { return Success; }

    // Handles opened and not yet closed; lets tests prove nothing leaks.
    virtual int openHandleCount() const = 0;
    // False when writes are refused (the hive is in use by a running Wine).
    virtual bool writable() const { return true; }
    // True once after a write that succeeded while Wine started in the
    // prefix: Wine may save its own older copy over it when it ends, and
    // writes are refused from then on. The caller tells the user: a window
    // once, a command line with a warning and a failing exit.
    virtual bool takeWineStartedDuringSave() { return false; }
    // Told when a write finds that the store must be reached another way
    // (Wine started or stopped in the prefix): why writes cannot go now, or
    // none once they go again. A backend with one way tells nothing.
    using WayListener = std::function<void(const Problem& problem)>;
    virtual void onWayChanged(WayListener /*listener*/) {}
};

}  // namespace fk::reg
