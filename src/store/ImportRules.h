// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the catalogue allows a value of the store to hold, for imports: each
// known setting's type and range, by where the value sits below the store
// root. Values the catalogue does not know pass unchecked. No Qt.
#include "store/TransferProblem.h"

#include <cstdint>
#include <string>

namespace fk {

// None when `type` and `bytes` (as the registry's A calls give them) suit
// the value `valueName` in `keyPath` (below the store root, code page 1252);
// otherwise why not, naming the value. The line is the caller's.
TransferProblem importRuleBroken(const std::string& keyPath, const std::string& valueName, std::uint32_t type,
                             const std::string& bytes);

// The catalogue's entry that `valueName` in `keyPath` belongs to; -1 for a
// value the catalogue does not know.
int settingOfValue(const std::string& keyPath, const std::string& valueName);

}  // namespace fk
