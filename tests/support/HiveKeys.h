// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hive text in Wine's format for a test to write, and values read back from
// the file as a fresh open finds them.
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Listing.h"
#include "platform/registry/Registry.h"
#include "support/SeededRegistry.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace fk::testing {

using test::readBytes;
using test::writeBytes;

inline constexpr const char* StoreRoot = "Software\\Tavrel\\Brisko2";

// A key block; `path` is written with single backslashes.
inline std::string hiveKey(const std::string& path, const std::string& values = {}) {
    std::string escaped;
    for (char c : path) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return "[" + escaped + "] 1700000000\n#time=1d9f0c6b1a2b3c4\n" + values + "\n";
}

inline std::string hiveText(const std::string& keys) {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win32\n\n" +
           keys;
}

struct Stored {
    std::uint32_t type = 0;
    std::string data;  // raw bytes, a text's terminating zero included
};

// A value as a fresh open of the hive file finds it, as the add-on would at
// its start; nothing when the key or the value is missing. Without a name,
// only whether the key is there.
inline std::optional<Stored> storedInFile(const std::string& hivePath, const std::string& keyPath,
                                          const std::string& name) {
    std::string error;
    const auto fresh = openSeededRegistry(hivePath, error);
    if (!fresh) {
        ADD_FAILURE() << "hive no longer opens: " << error;
        return std::nullopt;
    }
    const reg::KeyHandle key = reg::KeyHandle::open(*fresh, reg::CurrentUser, keyPath, reg::KeyRead);
    Stored value;
    if (!key.ok() || (!name.empty() && reg::readValue(*fresh, key.get(), name, value.type, value.data) != reg::Success))
        return std::nullopt;
    return value;
}

// A stored REG_DWORD, or nothing for a missing value or another type.
inline std::optional<std::int32_t> asNumber(const std::optional<Stored>& value) {
    if (!value || value->type != reg::TypeDword || value->data.size() != 4) return std::nullopt;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = bits << 8 | std::uint8_t(value->data[size_t(i)]);
    return std::int32_t(bits);
}

}  // namespace fk::testing
