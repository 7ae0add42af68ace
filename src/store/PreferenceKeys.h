// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The store root and the preferences key of the account chosen: opened,
// made and closed here, and handed to the store as its current key.
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Registry.h"

#include <string>
#include <vector>

namespace fk {

class PreferenceStore;

class PreferenceKeys {
public:
    // Keys are opened through the store's registry, so that writes under
    // them are recorded as the store's own.
    explicit PreferenceKeys(PreferenceStore& store);
    ~PreferenceKeys();
    PreferenceKeys(const PreferenceKeys&) = delete;
    PreferenceKeys& operator=(const PreferenceKeys&) = delete;

    // Whether the registry holds the store root (the add-on has run there).
    static bool rootExists(reg::Registry& registry);
    // Makes the store root if it is not there; false when it cannot.
    static bool makeRoot(reg::Registry& registry);

    // False when the store root cannot be opened.
    bool openRoot();
    reg::Key root() const { return root_.get(); }

    // The accounts: the root's subkeys, in the registry's order, code page 1252.
    std::vector<std::string> accounts() const;

    // Closes the account's key; the store has no current key until a choice.
    void clearChoice();
    // The store works on the root itself.
    void chooseAllUsers();
    // "<account>\Preferences", made when it is not there; false when it
    // can be neither opened nor made, and the store has no current key.
    bool chooseAccount(const std::string& account);
    bool allUsersChosen() const;

    // Closes every key; nothing is open after it.
    void release();

private:
    PreferenceStore& store_;
    reg::KeyHandle root_;
    reg::KeyHandle account_;
};

}  // namespace fk
