// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bold names and a small mark for the settings whose stored value differs
// from the default, with both values in the tooltip.
#include "platform/registry/Registry.h"

namespace fk {

class SettingsTree;

class ChangeMarks {
public:
    // Whether a node is marked, for whoever needs to ask.
    static constexpr int ChangedRole = 0x0101;  // Qt::UserRole + 1

    // Marks the nodes of `tree` from the values under `key`; with no key,
    // clears them. Reads only.
    static void show(SettingsTree& tree, reg::Registry& registry, reg::Key key);
};

}  // namespace fk
