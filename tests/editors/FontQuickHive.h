#pragma once
// A user.reg in a temporary folder with the account "Alice" (and "Bob",
// who has no quick texts), the store over its Preferences key, scripted
// dialogs and a recorded program end: what the main window hands the colour,
// font and quick text panels. Every check reads the file afresh.
#include "Catalogue.h"
#include "Dialogs.h"
#include "EditorPanel.h"
#include "HiveRegistry.h"
#include "PreferenceStore.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fk::testing {

inline int indexOf(const std::string& valueName) {
    for (int i = 0; i < SettingCount; ++i)
        if (settingEntry(i).ValueName == valueName) return i;
    ADD_FAILURE() << "no setting " << valueName;
    return NoticeIndex;
}

// Passes every call on, but can refuse chosen writes and creations, and can
// list subkeys backwards, as another registry might.
class ScriptedRegistry : public reg::Registry {
public:
    explicit ScriptedRegistry(reg::Registry& inner) : inner_(inner) {}

    std::set<std::string> refuseValues;  // value names whose writes fail
    bool refuseCreate = false;
    bool refuseOpen = false;
    bool listBackwards = false;

    long RegOpenKeyExA(reg::Key parent, const char* subKey, std::uint32_t options, std::uint32_t access,
                       reg::Key* result) override {
        if (refuseOpen) return reg::AccessDenied;
        return inner_.RegOpenKeyExA(parent, subKey, options, access, result);
    }
    long RegCreateKeyExA(reg::Key parent, const char* subKey, std::uint32_t reserved, const char* keyClass,
                         std::uint32_t options, std::uint32_t access, const reg::SecurityAttributes* security,
                         reg::Key* result, std::uint32_t* disposition) override {
        if (refuseCreate) return reg::AccessDenied;
        return inner_.RegCreateKeyExA(parent, subKey, reserved, keyClass, options, access, security, result,
                                      disposition);
    }
    long RegCloseKey(reg::Key key) override { return inner_.RegCloseKey(key); }
    long RegEnumKeyExA(reg::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, char* keyClass, std::uint32_t* classLength,
                       reg::FileTime* lastWrite) override {
        if (listBackwards) {
            std::uint32_t count = 0;
            while (count < 10000) {
                char probe[256];
                std::uint32_t length = sizeof probe;
                if (inner_.RegEnumKeyExA(key, count, probe, &length, nullptr, nullptr, nullptr, nullptr) !=
                    reg::Success)
                    break;
                ++count;
            }
            if (index >= count) return reg::NoMoreItems;
            index = count - 1 - index;
        }
        return inner_.RegEnumKeyExA(key, index, name, nameLength, reserved, keyClass, classLength, lastWrite);
    }
    long RegQueryValueExA(reg::Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override {
        return inner_.RegQueryValueExA(key, valueName, reserved, type, data, dataLength);
    }
    long RegSetValueExA(reg::Key key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override {
        if (refuseValues.count(valueName ? valueName : "")) return reg::AccessDenied;
        return inner_.RegSetValueExA(key, valueName, reserved, type, data, dataLength);
    }
    long RegDeleteValueA(reg::Key key, const char* valueName) override {
        return inner_.RegDeleteValueA(key, valueName);
    }
    int openHandleCount() const override { return inner_.openHandleCount(); }

private:
    reg::Registry& inner_;
};

struct Stored {
    std::uint32_t type = 0;
    std::string data;  // raw bytes, a text's terminating zero included
};

// Text for a hive key section; `path` is below Software\Tavrel\Brisko2.
inline std::string section(const std::string& path, const std::string& values = {}) {
    std::string escaped;
    for (char c : "Software\\Tavrel\\Brisko2\\" + path) {
        escaped += c;
        if (c == '\\') escaped += '\\';
    }
    return "[" + escaped + "] 1700000000\n#time=1d9f0c6b1a2b3c4\n" + values + "\n";
}

class EditorHive {
public:
    static constexpr const char* Root = "Software\\Tavrel\\Brisko2\\";

    // `extra`: more sections, e.g. section("Alice\\Preferences\\WindowFont", ...);
    // `preferences`: values of Alice's Preferences key.
    explicit EditorHive(const std::string& extra = {}, const std::string& account = "Alice",
                        const std::string& preferences = {})
        : preferences_(preferences) {
        path_ = dir_.filePath("user.reg").toStdString();
        writeFile(extra);
        auto opened = reg::openHiveRegistry(path_);
        if (!opened.registry) throw std::runtime_error("test hive does not open: " + opened.error);
        hive_ = std::move(opened.registry);
        registry = std::make_unique<ScriptedRegistry>(*hive_);
        const std::string prefs = Root + account + "\\Preferences";
        if (registry->RegOpenKeyExA(reg::CurrentUser, prefs.c_str(), 0, reg::KeyAllAccess, &key_) != reg::Success)
            throw std::runtime_error("test hive lacks " + prefs);
        prefsPath_ = account + "\\Preferences";
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
    ~EditorHive() { hive_->RegCloseKey(key_); }

    // Replaces the file as another program would, with these sections.
    void rewrite(const std::string& extra) {
        const std::string next = path_ + ".new";
        writeFile(extra, next);
        ASSERT_EQ(std::rename(next.c_str(), path_.c_str()), 0);
    }

    std::string fileText() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // `key` below the account's Preferences ("" for Preferences itself).
    bool keyExists(const std::string& key) const {
        auto fresh = reopen();
        reg::Key k = 0;
        if (fresh->RegOpenKeyExA(reg::CurrentUser, full(key).c_str(), 0, reg::KeyRead, &k) != reg::Success)
            return false;
        fresh->RegCloseKey(k);
        return true;
    }

    std::optional<Stored> stored(const std::string& key, const std::string& name) const {
        auto fresh = reopen();
        reg::Key k = 0;
        if (fresh->RegOpenKeyExA(reg::CurrentUser, full(key).c_str(), 0, reg::KeyRead, &k) != reg::Success)
            return std::nullopt;
        std::uint8_t buffer[4096] = {};
        std::uint32_t size = sizeof buffer;
        Stored value;
        const long rc = fresh->RegQueryValueExA(k, name.c_str(), nullptr, &value.type, buffer, &size);
        fresh->RegCloseKey(k);
        if (rc != reg::Success) return std::nullopt;
        value.data.assign(reinterpret_cast<const char*>(buffer), size);
        return value;
    }

    // A stored REG_DWORD, or nothing for a missing value or another type.
    std::optional<std::int32_t> dword(const std::string& key, const std::string& name) const {
        auto value = stored(key, name);
        if (!value || value->type != reg::TypeDword || value->data.size() != 4) return std::nullopt;
        std::uint32_t bits = 0;
        for (int i = 3; i >= 0; --i) bits = bits << 8 | std::uint8_t(value->data[size_t(i)]);
        return std::int32_t(bits);
    }

    // A stored REG_SZ without its terminating zero.
    std::optional<std::string> text(const std::string& key, const std::string& name) const {
        auto value = stored(key, name);
        if (!value || value->type != reg::TypeSz || value->data.empty() || value->data.back() != '\0')
            return std::nullopt;
        return value->data.substr(0, value->data.size() - 1);
    }

    void putNumber(const std::string& name, std::int32_t number) {
        const auto bits = std::uint32_t(number);
        const std::uint8_t data[4] = {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
                                      std::uint8_t(bits >> 24)};
        ASSERT_EQ(hive_->RegSetValueExA(key_, name.c_str(), 0, reg::TypeDword, data, 4), reg::Success);
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& m : dialogs.messages.shown()) texts.push_back((m.title + ": " + m.text).toStdString());
        return texts;
    }

    int openHandles() const { return hive_->openHandleCount(); }

    dialogs::Dialogs dialogs;
    EditorContext context;
    std::unique_ptr<ScriptedRegistry> registry;
    int shown = NoticeIndex;  // Pref_Actual
    bool fontListsLoaded = false;
    std::vector<int> exits;

private:
    void writeFile(const std::string& extra, const std::string& to = {}) const {
        std::ofstream out(to.empty() ? path_ : to, std::ios::binary);
        out << "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win32\n\n"
            << section("") << section("Alice") << section("Alice\\Preferences", preferences_) << section("Bob")
            << section("Bob\\Preferences") << extra;
    }
    std::string full(const std::string& key) const {
        return Root + prefsPath_ + (key.empty() ? "" : "\\" + key);
    }
    std::unique_ptr<reg::Registry> reopen() const {
        auto opened = reg::openHiveRegistry(path_);
        if (!opened.registry) throw std::runtime_error("hive no longer opens: " + opened.error);
        return std::move(opened.registry);
    }

    std::string preferences_;
    QTemporaryDir dir_;
    std::string path_;
    std::string prefsPath_;
    std::unique_ptr<reg::Registry> hive_;
    std::unique_ptr<PreferenceStore> store_;
    reg::Key key_ = 0;
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
