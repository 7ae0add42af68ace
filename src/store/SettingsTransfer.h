#pragma once
// Backing up and sharing settings as .reg files that Wine's regedit and reg
// import accept: export a key of the store, plan an import (checked against
// the catalogue, nothing written) and apply a plan all values or none.
// Every change is kept with what it replaced, so it can be undone. No Qt.
#include "platform/registry/Registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fk {

// The store's root below HKEY_CURRENT_USER.
inline constexpr const char* StoreRootPath = "Software\\Tavrel\\Brisko2";

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

// What `change` would be read as: "absent", a number or a quoted text.
std::string describeValue(const StoredValue& value);

StoredValue readStoredValue(reg::Registry& registry, const std::string& keyPath, const std::string& valueName);

// Writes every change's `after` (or `before` when `undo`), all or none: if
// a write fails, what was written is put back and `error` says which value
// failed. Keys created on the way stay. Should putting back fail too,
// `error` says what those values hold now, and `left` gets them, each with
// what it held before the call (`before`) and holds now (`after`).
bool applyChanges(reg::Registry& registry, const std::vector<ValueChange>& changes, bool undo, std::string& error,
                  std::vector<ValueChange>* left = nullptr);

// The key `keyPath` below the store root (empty: the whole tree, every
// account) with all below it, as a .reg file's bytes. False when the key
// cannot be opened.
bool exportSettings(reg::Registry& registry, const std::string& keyPath, std::string& fileBytes, std::string& error);
// The same into a file, written whole or not at all (files::replaceFile).
bool exportSettingsToFile(reg::Registry& registry, const std::string& keyPath, const std::string& fileName,
                          std::string& error);

struct ImportPlan {
    std::vector<ValueChange> changes;  // the values that would change, in file order
    std::string error;                 // refused: the line and why; then `changes` is empty
    bool ok() const { return error.empty(); }
};

// Reads a .reg file and says what importing it would change. Refuses keys
// outside the store, key deletions, lines reg would skip, and values whose
// type or range the catalogue rejects. Writes nothing.
ImportPlan planImport(reg::Registry& registry, const std::string& fileBytes);
// Only a regular file is read: a FIFO or a device is refused at once.
ImportPlan planImportFile(reg::Registry& registry, const std::string& fileName);

}  // namespace fk
