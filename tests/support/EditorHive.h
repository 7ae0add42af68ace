// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hive a panel test works on, and what the main window hands a panel.
#include "catalogue/Catalogue.h"
#include "dialogs/Dialogs.h"
#include "editors/EditorPanel.h"
#include "platform/registry/KeyHandle.h"
#include "store/PreferenceStore.h"
#include "support/HiveKeys.h"
#include "support/SeededRegistry.h"
#include "support/TestRegistry.h"

#include <QTemporaryDir>

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace fk::testing {

// A user.reg in a temporary folder with the accounts "Alice" and "Bob", the
// store over Alice's Preferences key, scripted dialogs and a recorded program
// end: what the main window hands a panel. Every check reads the file afresh.
class EditorHive {
public:
    // Value lines by key path below the store root; every account has an
    // empty Preferences key unless given one.
    using Keys = std::map<std::string, std::string>;

    explicit EditorHive(Keys keys = {}, const std::string& account = "Alice") : prefs_(account + "\\Preferences") {
        path_ = dir_.filePath("user.reg").toStdString();
        seedRegistry(path_, content(std::move(keys)));
        std::string error;
        hive_ = openSeededRegistry(path_, error);
        if (!hive_) throw std::runtime_error("test hive does not open: " + error);
        registry = std::make_unique<TestRegistry>(*hive_);
        key_ = reg::KeyHandle::open(*hive_, reg::CurrentUser, full(prefs_), reg::KeyAllAccess);
        if (!key_.ok())
            throw std::runtime_error("test hive lacks " + prefs_);
        dialogs.setScripted(true);
        store_ = std::make_unique<PreferenceStore>(*registry, [this] {
            dialogs.messages.show(nullptr, "Setting not saved.", "Error", dialogs::MessageIcon::Exclamation);
        });
        store_->setCurrentKey(key_.get());
        context.store = store_.get();
        context.dialogs = &dialogs;
        context.shownSetting = [this] { return shown; };
        context.fontListsLoaded = &fontListsLoaded;
        context.exitProgram = [this](int status) { exits.push_back(status); };
    }

    // The store works on the store root, as it does for all users.
    void useStoreRoot() {
        root_ = reg::KeyHandle::open(*hive_, reg::CurrentUser, StoreRoot, reg::KeyAllAccess);
        ASSERT_TRUE(root_.ok());
        store_->setCurrentKey(root_.get());
    }

    // Replaces the file as another program would.
    void rewrite(Keys keys) { replaceRegistry(path_, content(std::move(keys))); }

    const std::string& path() const { return path_; }

    // `key` below the account's Preferences ("" for Preferences itself);
    // without a name, only whether the key is there.
    std::optional<Stored> stored(const std::string& key, const std::string& name = {}) const {
        return storedInFile(path_, full(key.empty() ? prefs_ : prefs_ + "\\" + key), name);
    }

    // The messages shown since the last call, as "title: text".
    std::vector<std::string> takeMessages() {
        std::vector<std::string> texts;
        for (const auto& m : dialogs.messages.shown()) texts.push_back((m.title + ": " + m.text).toStdString());
        dialogs.messages.clear();
        return texts;
    }

    // The open keys, the store root opened for the test not counted.
    int openHandles() const { return hive_->openHandleCount() - (root_.ok() ? 1 : 0); }

    dialogs::Dialogs dialogs;
    EditorContext context;
    std::unique_ptr<TestRegistry> registry;
    int shown = NoticeIndex;  // shownSetting
    bool fontListsLoaded = false;
    std::vector<int> exits;

private:
    static std::string content(Keys keys) {
        for (const char* key : {"", "Alice", "Alice\\Preferences", "Bob", "Bob\\Preferences"}) keys[key];
        std::string text;
        for (const auto& [key, values] : keys) text += hiveKey(full(key), values);
        return hiveText(text);
    }
    static std::string full(const std::string& key) { return StoreRoot + (key.empty() ? "" : "\\" + key); }
    QTemporaryDir dir_;
    std::string path_;
    std::string prefs_;
    std::unique_ptr<reg::Registry> hive_;
    std::unique_ptr<PreferenceStore> store_;
    // Closed before the registry they were opened through goes.
    reg::KeyHandle key_;
    reg::KeyHandle root_;
};

}  // namespace fk::testing
