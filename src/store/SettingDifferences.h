// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value changes of an import (or a comparison, or a copy) gathered by
// setting, each with its current, incoming and default value in the words
// the panels use, so that the user can pick which to take. No Qt.
#include "catalogue/Catalogue.h"
#include "platform/registry/Registry.h"
#include "store/ValueChange.h"

#include <string>
#include <vector>

namespace fk {

struct SettingDifference {
    std::string keyPath;  // the preferences key below the store root; empty: all users
    int index = -1;       // the catalogue's entry; -1 for a value it does not know
    std::string name;     // what the user reads (UTF-8)
    std::string current;  // UTF-8 words (SettingWords), or the raw value when not a setting
    std::string incoming;
    std::string byDefault;
    std::vector<ValueChange> changes;  // what taking it writes
};

// One row a setting and preferences key, in the order the changes name
// them. Reads only: the changes are tried in a transaction rolled back.
std::vector<SettingDifference> gatherDifferences(reg::Registry& registry, const std::vector<ValueChange>& changes);

// The changes of the rows chosen, in their order.
std::vector<ValueChange> chosenChanges(const std::vector<SettingDifference>& rows, const std::vector<int>& chosen);

}  // namespace fk
