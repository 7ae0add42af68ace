// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A change of one stored value with what it replaced: what undo keeps and
// an import plans. Changes are written all or none. No Qt.
#include "platform/registry/Registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fk {

// The store's root below HKEY_CURRENT_USER.
inline constexpr const char* StoreRootPath = "Software\\Tavrel\\Brisko2";

// `keyPath` below the store root (empty: the root itself) as a path below
// HKEY_CURRENT_USER.
std::string storeKeyPath(const std::string& keyPath);

// One value as stored, or its absence. Texts are code page 1252 with their
// terminating zero, as the registry's A calls give them.
struct StoredValue {
    bool present = false;
    std::uint32_t type = reg::TypeNone;
    std::string bytes;
    bool operator==(const StoredValue&) const = default;
};

struct ValueChange {
    std::string keyPath;    // below the store root, code page 1252; empty: the root itself
    std::string valueName;  // code page 1252; empty: the key's default value
    std::string setting;    // what the user reads: the setting's value name, with its subkey when in one
    StoredValue before;
    StoredValue after;
};

// A present value's data as the user reads it: a number, a text (UTF-8,
// unquoted) or reg's hex: form. `isText` says which of the last two.
std::string valueData(const StoredValue& value, bool* isText = nullptr);

StoredValue readStoredValue(reg::Registry& registry, const std::string& keyPath, const std::string& valueName);

// Why applyChanges wrote nothing, or not all: the setting (as in
// ValueChange) that could not be saved, and the values written before it
// that could not be put back, each with what it held before the call
// (`before`) and holds now (`after`).
struct ApplyFailure {
    std::string setting;
    std::vector<ValueChange> left;
};

// Writes every change's `after` (or `before` when `undo`), all or none: if
// a write fails, what was written is put back, and `failure` says what
// failed and what is left. Keys created on the way stay.
bool applyChanges(reg::Registry& registry, const std::vector<ValueChange>& changes, bool undo,
                  ApplyFailure& failure);

}  // namespace fk
