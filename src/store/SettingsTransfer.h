// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Backing up and sharing settings as .reg files that Wine's regedit and reg
// import accept: export a key of the store, and plan an import (checked
// against the catalogue, nothing written) as value changes that
// applyChanges writes and undo keeps. No Qt.
#include "platform/registry/Registry.h"
#include "store/TransferProblem.h"
#include "store/ValueChange.h"

#include <string>
#include <vector>

namespace fk {

// The key `keyPath` below the store root (empty: the whole tree, every
// account) with all below it, as a .reg file's bytes. Refused when the key
// cannot be opened.
TransferProblem exportSettings(reg::Registry& registry, const std::string& keyPath, std::string& fileBytes);
// The same into a file, written whole or not at all (files::replaceFile).
TransferProblem exportSettingsToFile(reg::Registry& registry, const std::string& keyPath, const std::string& fileName);

struct ImportPlan {
    std::vector<ValueChange> changes;  // the values that would change, in file order
    TransferProblem refused;           // then `changes` is empty
    bool ok() const { return !refused; }
};

// Reads a .reg file and says what importing it would change. Refuses keys
// outside the store, key deletions, lines reg would skip, and values whose
// type or range the catalogue rejects. Writes nothing.
ImportPlan planImport(reg::Registry& registry, const std::string& fileBytes);
// Only a regular file is read: a FIFO or a device is refused at once.
ImportPlan planImportFile(reg::Registry& registry, const std::string& fileName);

}  // namespace fk
