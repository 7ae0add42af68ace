// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingsCopy.h"

#include "platform/registry/KeyHandle.h"
#include "platform/registry/Listing.h"
#include "store/ChangedSettings.h"
#include "store/KeyComparison.h"

#include <algorithm>

namespace fk {

std::vector<std::string> otherAccounts(reg::Registry& registry, const std::string& keyPath) {
    const std::string mine = keyPath.substr(0, keyPath.find('\\'));
    const reg::KeyHandle root = reg::KeyHandle::open(registry, reg::CurrentUser, StoreRootPath, reg::KeyRead);
    std::vector<std::string> accounts = reg::listSubkeys(registry, root.get());
    std::erase(accounts, mine);
    return accounts;
}

std::vector<SettingDifference> copyDifferences(reg::Registry& source, const std::string& fromPath,
                                               reg::Registry& target, const std::string& toPath, bool changedOnly) {
    std::vector<SettingDifference> differences =
        gatherDifferences(target, compareKeys(target, toPath, source, fromPath));
    if (!changedOnly) return differences;
    const reg::KeyHandle key = reg::KeyHandle::open(source, reg::CurrentUser, storeKeyPath(fromPath), reg::KeyRead);
    std::erase_if(differences, [&](const SettingDifference& d) {
        return d.index < 0 || !settingState(source, key.get(), d.index).changed;
    });
    return differences;
}

}  // namespace fk
