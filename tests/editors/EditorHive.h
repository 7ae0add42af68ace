#pragma once
// A user.reg in a temporary folder with the account "Alice" (and "Bob",
// who has no quick texts), the store over Alice's Preferences key, scripted
// dialogs and a recorded program end: what the main window hands a panel.
// Every check reads the file afresh.
#include "Dialogs.h"
#include "EditorPanel.h"
#include "HiveFixture.h"
#include "PreferenceStore.h"

#include <QImage>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace fk::testing {

inline constexpr const char* StoreRoot = "Software\\Tavrel\\Brisko2";

inline std::string dwordBytes(std::int32_t number) {
    const auto bits = std::uint32_t(number);
    return {char(bits), char(bits >> 8), char(bits >> 16), char(bits >> 24)};
}

// A key block below the store root.
inline std::string section(const std::string& path, const std::string& values = {}) {
    return hiveKey(std::string(StoreRoot) + (path.empty() ? "" : "\\" + path), values);
}

class EditorHive {
public:
    // `extra`: more key blocks; `preferences` and `rootValues`: values of
    // Alice's Preferences key and of the store root.
    explicit EditorHive(const std::string& extra = {}, const std::string& account = "Alice",
                        const std::string& preferences = {}, const std::string& rootValues = {})
        : preferences_(preferences), rootValues_(rootValues), prefsPath_(account + "\\Preferences") {
        path_ = dir_.filePath("user.reg").toStdString();
        writeText(path_, content(extra));
        auto opened = reg::openHiveRegistry(path_);
        if (!opened.registry) throw std::runtime_error("test hive does not open: " + opened.error);
        hive_ = std::move(opened.registry);
        registry = std::make_unique<TestRegistry>(*hive_);
        if (hive_->RegOpenKeyExA(reg::CurrentUser, full("").c_str(), 0, reg::KeyAllAccess, &key_) != reg::Success)
            throw std::runtime_error("test hive lacks " + full(""));
        dialogs.setScripted(true);
        store_ = std::make_unique<PreferenceStore>(*registry, [this] {
            dialogs.messages.show(nullptr, "Setting not saved.", "Error", dialogs::MessageIcon::Exclamation);
        });
        store_->setCurrentKey(key_);
        context.store = store_.get();
        context.dialogs = &dialogs;
        context.prefActual = [this] { return shown; };
        context.fontListsLoaded = &fontListsLoaded;
        context.exitProgram = [this](int status) { exits.push_back(status); };
    }
    ~EditorHive() {
        hive_->RegCloseKey(key_);
        if (root_) hive_->RegCloseKey(root_);
    }

    // The store works on the store root, as it does for all users.
    void useStoreRoot() {
        ASSERT_EQ(hive_->RegOpenKeyExA(reg::CurrentUser, StoreRoot, 0, reg::KeyAllAccess, &root_), reg::Success);
        store_->setCurrentKey(root_);
    }

    // Replaces the file as another program would, with these key blocks.
    void rewrite(const std::string& extra) {
        const std::string next = path_ + ".new";
        writeText(next, content(extra));
        ASSERT_EQ(std::rename(next.c_str(), path_.c_str()), 0);
    }

    std::string fileText() const { return readText(path_); }

    // `key` below the account's Preferences ("" for Preferences itself).
    bool keyExists(const std::string& key) const { return storedInFile(path_, full(key), "").has_value(); }
    std::optional<Stored> stored(const std::string& key, const std::string& name) const {
        return storedIn(full(key), name);
    }
    std::optional<Stored> storedIn(const std::string& keyPath, const std::string& name) const {
        return storedInFile(path_, keyPath, name);
    }
    std::optional<std::int32_t> dword(const std::string& key, const std::string& name) const {
        return asNumber(stored(key, name));
    }

    // A stored REG_SZ without its terminating zero.
    std::optional<std::string> text(const std::string& key, const std::string& name) const {
        auto value = stored(key, name);
        if (!value || value->type != reg::TypeSz || value->data.empty() || value->data.back() != '\0')
            return std::nullopt;
        return value->data.substr(0, value->data.size() - 1);
    }

    // Writes into Alice's Preferences as another program would.
    void put(const std::string& name, std::uint32_t type, const std::string& data) {
        ASSERT_EQ(hive_->RegSetValueExA(key_, name.c_str(), 0, type,
                                        reinterpret_cast<const std::uint8_t*>(data.data()), std::uint32_t(data.size())),
                  reg::Success);
    }
    void putNumber(const std::string& name, std::int32_t number) { put(name, reg::TypeDword, dwordBytes(number)); }

    // The messages shown, as "title: text".
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& m : dialogs.messages.shown()) texts.push_back((m.title + ": " + m.text).toStdString());
        return texts;
    }

    int openHandles() const { return hive_->openHandleCount(); }

    dialogs::Dialogs dialogs;
    EditorContext context;
    std::unique_ptr<TestRegistry> registry;
    int shown = NoticeIndex;  // Pref_Actual
    bool fontListsLoaded = false;
    std::vector<int> exits;

private:
    std::string content(const std::string& extra) const {
        return hiveText(section("", rootValues_) + section("Alice") + section("Alice\\Preferences", preferences_) +
                        section("Bob") + section("Bob\\Preferences") + extra);
    }
    std::string full(const std::string& key) const {
        return std::string(StoreRoot) + "\\" + prefsPath_ + (key.empty() ? "" : "\\" + key);
    }
    std::string preferences_;
    std::string rootValues_;
    QTemporaryDir dir_;
    std::string path_;
    std::string prefsPath_;
    std::unique_ptr<reg::Registry> hive_;
    std::unique_ptr<PreferenceStore> store_;
    reg::Key key_ = 0;
    reg::Key root_ = 0;
};

// Pixels of `area` that differ from the panel's plain background.
inline int inkedPixels(QWidget& panel, const QRect& area) {
    const QImage image = panel.grab().toImage();
    const QRgb background = image.pixel(area.right(), area.bottom());
    int inked = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background) ++inked;
    return inked;
}

}  // namespace fk::testing
