// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StoreController.h"

#include "store/PreferenceKeys.h"
#include "store/PreferenceStore.h"
#include "store/RecordingRegistry.h"

namespace fk {

StoreController::StoreController(reg::Registry& registry, std::function<void()> settingNotSaved)
    : recorder_(std::make_unique<RecordingRegistry>(registry)),
      store_(std::make_unique<PreferenceStore>(*recorder_, std::move(settingNotSaved))),
      keys_(std::make_unique<PreferenceKeys>(*store_)) {}

StoreController::~StoreController() = default;

reg::Registry& StoreController::unrecorded() const { return recorder_->inner(); }

bool StoreController::openRoot() { return keys_->openRoot(); }

reg::Key StoreController::rootKey() const { return keys_->root(); }

std::vector<std::string> StoreController::accounts() const { return keys_->accounts(); }

void StoreController::chooseAllUsers() { keys_->chooseAllUsers(); }

bool StoreController::chooseAccount(const std::string& account) {
    account_ = account;
    return keys_->chooseAccount(account);
}

std::optional<std::string> StoreController::currentKeyPath() const {
    if (store_->currentKey() == 0) return std::nullopt;
    if (keys_->allUsersChosen()) return std::string();
    return account_ + "\\Preferences";
}

void StoreController::release() { keys_->release(); }

}  // namespace fk
