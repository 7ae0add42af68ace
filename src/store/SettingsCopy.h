// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One account's settings carried into another place: the accounts a copy
// may go to, and what it would change in each target. No Qt.
#include "platform/registry/Registry.h"
#include "store/SettingDifferences.h"

#include <string>
#include <vector>

namespace fk {

// The accounts below the store root, in the registry's order, other than
// the one `keyPath` (below the store root) lies in.
std::vector<std::string> otherAccounts(reg::Registry& registry, const std::string& keyPath);

// What copying `fromPath` of `source` to `toPath` of `target` would change
// there, in the target's terms; `changedOnly` keeps the settings that
// differ from their default in the source. Reads only.
std::vector<SettingDifference> copyDifferences(reg::Registry& source, const std::string& fromPath,
                                               reg::Registry& target, const std::string& toPath, bool changedOnly);

}  // namespace fk
