// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two keys of the store compared value by value, with all below them: what
// would make the first hold what the second holds, as value changes. The
// second may lie in another registry (another prefix). Reads only. No Qt.
#include "platform/registry/Registry.h"
#include "store/ValueChange.h"

#include <string>
#include <vector>

namespace fk {

// Paths below the store root. Each change is named and placed in `mine`;
// its `before` is mine's value, its `after` theirs (absent when they lack it).
std::vector<ValueChange> compareKeys(reg::Registry& mine, const std::string& myPath, reg::Registry& theirs,
                                     const std::string& theirPath);

}  // namespace fk
