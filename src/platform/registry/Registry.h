#pragma once
// The registry operations the program makes, shaped like the advapi32 ANSI
// calls so that callers behave the same over every backend: the Wine hive
// file on Linux, advapi32 on Windows, and advapi32 through the bridge.
// Names, value names and texts are single-byte code page 1252.
#include <cstdint>
#include <memory>
#include <string>

namespace fk::reg {

using Key = std::uintptr_t;

// Predefined root; the only one the program uses.
inline constexpr Key CurrentUser = 0x80000001u;

// Windows' own result codes.
enum Status : long {
    Success = 0,
    NotFound = 2,
    AccessDenied = 5,
    InvalidHandle = 6,
    NotSupported = 50,
    InvalidParameter = 87,
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

// Access masks.
inline constexpr std::uint32_t KeyRead = 0x20019;
inline constexpr std::uint32_t KeyAllAccess = 0xF003F;

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

    // Handles opened and not yet closed; lets tests prove nothing leaks.
    virtual int openHandleCount() const = 0;
    // False when writes are refused (the hive is in use by a running Wine).
    virtual bool writable() const { return true; }
    // True once after a write that succeeded while Wine started in the
    // prefix: Wine may save its own older copy over it when it ends, and
    // writes are refused from then on. The caller tells the user: a window
    // once, a command line with a warning and a failing exit.
    virtual bool takeWineStartedDuringSave() { return false; }
};

}  // namespace fk::reg
