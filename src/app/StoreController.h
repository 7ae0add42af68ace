// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a main window works on: the store over the opened registry, its
// root and the preferences key of the account chosen, and whether saving
// is possible now. The window shows and asks; this opens, chooses and
// closes the keys. Every write goes through a recorder, so that undo can
// take it back.
#include "platform/registry/Registry.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fk {

class PreferenceKeys;
class PreferenceStore;
class RecordingRegistry;

class StoreController {
public:
    // The key name under which the add-on keeps the default user's settings.
    static constexpr const char* DefaultUserAccount = "Nobody";

    // `settingNotSaved` tells the user that a write failed.
    StoreController(reg::Registry& registry, std::function<void()> settingNotSaved);
    ~StoreController();
    StoreController(const StoreController&) = delete;
    StoreController& operator=(const StoreController&) = delete;

    PreferenceStore& store() const { return *store_; }
    RecordingRegistry& recorder() const { return *recorder_; }
    // The registry below the recorder, for writes undone as a step of their own.
    reg::Registry& unrecorded() const;

    // False when the store root cannot be opened.
    bool openRoot();
    // The store root, the current key while all users are chosen; 0 before openRoot.
    reg::Key rootKey() const;
    // The accounts' key names, code page 1252, in the registry's order.
    std::vector<std::string> accounts() const;

    // The store works on the root itself.
    void chooseAllUsers();
    // The store works on "<account>\Preferences", made when it is not there;
    // false when it can be neither opened nor made.
    bool chooseAccount(const std::string& account);
    // The current preferences key below the store root: "" for all users,
    // "<account>\Preferences" for an account; nothing before a pick.
    std::optional<std::string> currentKeyPath() const;

    // While Wine runs and its live registry cannot be reached, nothing can be saved.
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool readOnly() const { return readOnly_; }

    // Closes every key; nothing is open after it.
    void release();

private:
    std::unique_ptr<RecordingRegistry> recorder_;
    std::unique_ptr<PreferenceStore> store_;
    std::unique_ptr<PreferenceKeys> keys_;
    std::string account_;  // the last account chosen, code page 1252
    bool readOnly_ = false;
};

}  // namespace fk
