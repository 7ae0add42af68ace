// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fettlekit-settings/SettingsPlace.h"

#include "platform/wine/PrefixFinder.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace fk::settingscli {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

}  // namespace

std::string hiveFor(const std::string& prefixDir, const std::string& registryFile, std::string& error) {
    if (!registryFile.empty()) return registryFile;
    if (!prefixDir.empty()) return prefixDir + "/user.reg";
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return std::string(prefix) + "/user.reg";
    const wine::PrefixSearch search = wine::findPrefixes(wine::rootsFromEnvironment());
    if (search.found.size() == 1) return search.found.front() + "/user.reg";
    if (search.found.empty()) {
        error = "no Wine prefix holds Brisko!'s settings; looked in";
        for (const std::string& place : search.looked) error += " " + place;
        error += "; name one with --prefix DIR";
    } else {
        error = "several Wine prefixes hold Brisko!'s settings; name one with --prefix DIR:";
        for (const std::string& dir : search.found) error += "\n  " + dir;
    }
    return {};
}

SettingsPlace::SettingsPlace(const std::string& hivePath, bool forWriting) : choice_(reg::openRegistryFor(hivePath)) {
    if (!choice_.registry) {
        error_ = englishText(choice_.error);
        return;
    }
    if (forWriting && choice_.wineRunning) {
        error_ = englishText(reg::wineWithoutBridge(choice_.bridgeError));
        return;
    }
    if (!PreferenceKeys::rootExists(*choice_.registry)) {
        error_ = hivePath + " holds no settings of Brisko! (no HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2)";
        return;
    }
    store_ = std::make_unique<PreferenceStore>(*choice_.registry, nullptr);
    // Begun before any key is made, so that a command that saves nothing leaves nothing.
    transaction_ = std::make_unique<reg::Transaction>(*choice_.registry);
    keys_ = std::make_unique<PreferenceKeys>(*store_);
    if (!keys_->openRoot()) error_ = "the settings' key cannot be opened";
}

bool SettingsPlace::choose(const std::string& account) {
    if (account == AllUsersWord) {
        keys_->chooseAllUsers();
        keyPath_.clear();
        account_ = account;
        return true;
    }
    const std::string wanted = text::utf8ToCp1252(account);
    for (const std::string& name : keys_->accounts()) {
        if (lower(name) != lower(wanted)) continue;
        if (!keys_->chooseAccount(name)) {
            error_ = "the preferences of \"" + account + "\" cannot be opened";
            return false;
        }
        keyPath_ = name + "\\Preferences";
        account_ = text::cp1252ToUtf8(name);
        return true;
    }
    error_ = "no account \"" + account + "\"";
    return false;
}

bool SettingsPlace::commit() {
    if (keys_) keys_->release();
    const long status = transaction_ ? transaction_->commit() : reg::Success;
    if (status == reg::Success && !choice_.registry->takeWineStartedDuringSave()) return true;
    error_ = status == reg::Success ? "saved, but Wine started meanwhile and may write over it"
                                    : "Setting not saved.";
    return false;
}

}  // namespace fk::settingscli
