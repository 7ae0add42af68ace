#pragma once
// One registry value as it stands, or its absence, and the change of one
// value from one such state to another: what undo puts back.
#include "Registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fk {

struct StoredValue {
    bool present = false;
    std::uint32_t type = reg::TypeNone;
    std::vector<std::uint8_t> bytes;

    bool operator==(const StoredValue&) const = default;
};

struct ValueChange {
    std::string keyPath;  // under HKEY_CURRENT_USER
    std::string valueName;
    StoredValue before;
    StoredValue after;
};

// The value `name` of an open key; absent when it cannot be read.
StoredValue readStoredValue(reg::Registry& registry, reg::Key key, const std::string& name);

// Makes the value `name` of the key at `keyPath` (under HKEY_CURRENT_USER)
// what `value` says: written, creating the key, or deleted. True when the
// registry took it; a delete of what is not there counts as done.
bool putStoredValue(reg::Registry& registry, const std::string& keyPath, const std::string& name,
                    const StoredValue& value);

}  // namespace fk
