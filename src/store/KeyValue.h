// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One value of a key that is open already, as the transfer unit keeps it.
#include "platform/registry/Registry.h"
#include "store/ValueChange.h"

#include <string>

namespace fk {

// The value `name` of an open key; absent when it cannot be read.
StoredValue readKeyValue(reg::Registry& registry, reg::Key key, const std::string& name);

}  // namespace fk
