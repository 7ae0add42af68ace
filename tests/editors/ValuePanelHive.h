#pragma once
// The number, text and file panels over a real hive file: an account's
// Preferences key in a user.reg of a temporary folder, the store over it and
// scripted dialogs, as the main window would hand them to the panels.
#include "Catalogue.h"
#include "Dialogs.h"
#include "EditorPanel.h"
#include "HiveRegistry.h"
#include "PreferenceStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace fk::testing {

inline int settingIndex(const std::string& valueName) {
    for (int i = 0; i < SettingCount; ++i)
        if (settingEntry(i).ValueName == valueName) return i;
    ADD_FAILURE() << "no setting " << valueName;
    return NoticeIndex;
}

inline constexpr const char* PrefsPath = "Software\\Tavrel\\Brisko2\\Alice\\Preferences";

struct StoredValue {
    bool present = false;
    std::uint32_t type = 0;
    std::string data;  // the raw bytes, a text's terminating zero included
};

class ValuePanelHive {
public:
    ValuePanelHive() {
        path_ = dir_.filePath("user.reg").toStdString();
        std::ofstream out(path_, std::ios::binary);
        out << "WINE REGISTRY Version 2\n"
               ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
               "#arch=win32\n\n"
               "[Software\\\\Tavrel\\\\Brisko2] 1700000000\n"
               "#time=1d9f0c6b1a2b3c4\n\n"
               "[Software\\\\Tavrel\\\\Brisko2\\\\Alice] 1700000000\n"
               "#time=1d9f0c6b1a2b3c4\n\n"
               "[Software\\\\Tavrel\\\\Brisko2\\\\Alice\\\\Preferences] 1700000000\n"
               "#time=1d9f0c6b1a2b3c4\n\n";
        out.close();
        auto opened = reg::openHiveRegistry(path_);
        if (!opened.registry) throw std::runtime_error("test hive does not open: " + opened.error);
        registry_ = std::move(opened.registry);
        if (registry_->RegOpenKeyExA(reg::CurrentUser, PrefsPath, 0, reg::KeyAllAccess, &key_) != reg::Success)
            throw std::runtime_error("test hive lacks the preferences key");
        dialogs.setScripted(true);
        store_ = std::make_unique<PreferenceStore>(*registry_, [this] {
            dialogs.messages.show(nullptr, "Setting not saved.", "Error", dialogs::MessageIcon::Exclamation);
        });
        store_->setCurrentKey(key_);
        context.store = store_.get();
        context.dialogs = &dialogs;
        context.prefActual = [this] { return shown; };
    }
    ~ValuePanelHive() { registry_->RegCloseKey(key_); }

    // What a fresh open of the file finds, as the add-on would at its start.
    StoredValue stored(const std::string& name) const {
        StoredValue value;
        auto opened = reg::openHiveRegistry(path_);
        if (!opened.registry) {
            ADD_FAILURE() << "hive no longer opens: " << opened.error;
            return value;
        }
        reg::Key key = 0;
        if (opened.registry->RegOpenKeyExA(reg::CurrentUser, PrefsPath, 0, reg::KeyRead, &key) != reg::Success) {
            ADD_FAILURE() << "preferences key is gone";
            return value;
        }
        std::uint32_t size = 0;
        if (opened.registry->RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) == reg::Success) {
            std::string buffer(size, '\0');
            if (opened.registry->RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                                                  reinterpret_cast<std::uint8_t*>(buffer.data()), &size) == reg::Success) {
                value.present = true;
                value.data = buffer.substr(0, size);
            }
        }
        opened.registry->RegCloseKey(key);
        return value;
    }

    std::optional<std::int32_t> storedNumber(const std::string& name) const {
        const StoredValue value = stored(name);
        if (!value.present || value.type != reg::TypeDword || value.data.size() != 4) return std::nullopt;
        std::uint32_t bits = 0;
        for (int i = 3; i >= 0; --i) bits = bits << 8 | std::uint8_t(value.data[size_t(i)]);
        return std::int32_t(bits);
    }

    // Writes as another program would, behind the panels' backs.
    void put(const std::string& name, std::uint32_t type, const std::string& data) {
        ASSERT_EQ(registry_->RegSetValueExA(key_, name.c_str(), 0, type,
                                            reinterpret_cast<const std::uint8_t*>(data.data()),
                                            std::uint32_t(data.size())),
                  reg::Success);
    }
    void putNumber(const std::string& name, std::int32_t number) {
        const auto bits = std::uint32_t(number);
        put(name, reg::TypeDword, std::string{char(bits), char(bits >> 8), char(bits >> 16), char(bits >> 24)});
    }

    // The messages the panels showed, as "title: text".
    std::vector<std::string> messages() const {
        std::vector<std::string> shownTexts;
        for (const auto& m : dialogs.messages.shown())
            shownTexts.push_back((m.title + ": " + m.text).toStdString());
        return shownTexts;
    }

    dialogs::Dialogs dialogs;
    EditorContext context;
    int shown = NoticeIndex;  // Pref_Actual

private:
    QTemporaryDir dir_;
    std::string path_;
    std::unique_ptr<reg::Registry> registry_;
    std::unique_ptr<PreferenceStore> store_;
    reg::Key key_ = 0;
};

}  // namespace fk::testing
