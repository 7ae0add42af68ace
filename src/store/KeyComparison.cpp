// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/KeyComparison.h"

#include "platform/registry/KeyHandle.h"
#include "platform/registry/Listing.h"

#include <set>

namespace fk {

namespace {

struct Names {
    std::set<std::string> values;
    std::set<std::string> subkeys;
};

Names namesIn(reg::Registry& registry, const std::string& path) {
    Names names;
    const reg::KeyHandle key = reg::KeyHandle::open(registry, reg::CurrentUser, storeKeyPath(path), reg::KeyRead);
    if (!key.ok()) return names;
    for (const reg::NamedValue& value : reg::listValues(registry, key.get())) names.values.insert(value.name);
    for (const std::string& subkey : reg::listSubkeys(registry, key.get())) names.subkeys.insert(subkey);
    return names;
}

std::string below(const std::string& path, const std::string& name) { return path.empty() ? name : path + "\\" + name; }

void compare(reg::Registry& mine, const std::string& myPath, reg::Registry& theirs, const std::string& theirPath,
             bool wholeTree, std::vector<ValueChange>& changes) {
    Names names = namesIn(mine, myPath);
    const Names their = namesIn(theirs, theirPath);
    names.values.insert(their.values.begin(), their.values.end());
    names.subkeys.insert(their.subkeys.begin(), their.subkeys.end());
    for (const std::string& name : names.values) {
        ValueChange change{myPath, name, below(myPath, name), readStoredValue(mine, myPath, name),
                           readStoredValue(theirs, theirPath, name)};
        if (change.before != change.after) changes.push_back(std::move(change));
    }
    // The all-users settings are the root's own values and their fonts, not the accounts below it.
    if (!wholeTree) return;
    for (const std::string& name : names.subkeys)
        compare(mine, below(myPath, name), theirs, below(theirPath, name), true, changes);
}

}  // namespace

std::vector<ValueChange> compareKeys(reg::Registry& mine, const std::string& myPath, reg::Registry& theirs,
                                     const std::string& theirPath) {
    std::vector<ValueChange> changes;
    compare(mine, myPath, theirs, theirPath, !myPath.empty(), changes);
    return changes;
}

}  // namespace fk
