// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/PreferenceKeys.h"

#include "platform/registry/Listing.h"
#include "store/PreferenceStore.h"
#include "store/ValueChange.h"

namespace fk {

PreferenceKeys::PreferenceKeys(PreferenceStore& store) : store_(store) {}

PreferenceKeys::~PreferenceKeys() { release(); }

bool PreferenceKeys::rootExists(reg::Registry& registry) {
    return reg::KeyHandle::open(registry, reg::CurrentUser, StoreRootPath, reg::KeyRead).ok();
}

bool PreferenceKeys::makeRoot(reg::Registry& registry) {
    return reg::KeyHandle::create(registry, reg::CurrentUser, StoreRootPath).ok();
}

bool PreferenceKeys::openRoot() {
    root_ = reg::KeyHandle::open(store_.registry(), reg::CurrentUser, StoreRootPath, reg::KeyAllAccess);
    return root_.ok();
}

std::vector<std::string> PreferenceKeys::accounts() const {
    if (!root_.ok()) return {};
    return reg::listSubkeys(store_.registry(), root_.get());
}

void PreferenceKeys::clearChoice() {
    account_.close();
    store_.setCurrentKey(0);
}

void PreferenceKeys::chooseAllUsers() {
    clearChoice();
    store_.setCurrentKey(root_.get());
}

bool PreferenceKeys::chooseAccount(const std::string& account) {
    clearChoice();
    const std::string path = account + "\\Preferences";
    account_ = reg::KeyHandle::open(store_.registry(), root_.get(), path, reg::KeyAllAccess);
    if (!account_.ok()) account_ = reg::KeyHandle::create(store_.registry(), root_.get(), path);
    if (!account_.ok()) return false;
    store_.setCurrentKey(account_.get());
    return true;
}

bool PreferenceKeys::allUsersChosen() const { return root_.ok() && store_.currentKey() == root_.get(); }

void PreferenceKeys::release() {
    if (!root_.ok()) return;
    clearChoice();
    root_.close();
}

}  // namespace fk
