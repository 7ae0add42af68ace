// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the command line works: the prefix's registry (the bridge while
// Wine runs), found as the window finds it, and an account's preferences
// key in it. No Qt.
#include "platform/bridge/OpenRegistry.h"
#include "platform/registry/Transaction.h"
#include "store/PreferenceKeys.h"
#include "store/PreferenceStore.h"

#include <memory>
#include <optional>
#include <string>

namespace fk::settingscli {

// The account word that stands for the settings all accounts share.
inline constexpr const char* AllUsersWord = "--all-users";

// user.reg of --registry FILE, --prefix DIR, $WINEPREFIX, else the one
// prefix the prefix finder finds; empty with `error` set when none or
// several would do.
std::string hiveFor(const std::string& prefixDir, const std::string& registryFile, std::string& error);

// One registry opened for one command: everything the command does is
// one transaction, saved once by commit() or not at all.
class SettingsPlace {
public:
    // Empty error when opened; `forWriting` refuses a registry Wine holds.
    SettingsPlace(const std::string& hivePath, bool forWriting);
    const std::string& error() const { return error_; }
    reg::Registry& registry() const { return *choice_.registry; }

    // The store on the preferences key of `account` (AllUsersWord: the root),
    // made when missing; false with error() when there is no such account.
    bool choose(const std::string& account);
    PreferenceStore& store() { return *store_; }
    const std::string& keyPath() const { return keyPath_; }
    const std::string& account() const { return account_; }
    bool allUsers() const { return keyPath_.empty(); }

    // Saves everything at once; false with error() when it could not be.
    bool commit();

private:
    reg::RegistryChoice choice_;
    std::string error_;
    std::unique_ptr<PreferenceStore> store_;
    std::unique_ptr<reg::Transaction> transaction_;
    std::unique_ptr<PreferenceKeys> keys_;
    std::string keyPath_;
    std::string account_;
};

}  // namespace fk::settingscli
