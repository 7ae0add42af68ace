// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The primitives through which every editor reads, writes and deletes one
// setting's value in the current preferences key. Texts are code page 1252.
#include "platform/registry/Registry.h"

#include <cstdint>
#include <functional>
#include <string>

namespace fk {

// A save of several values, as the font and reset-all saves make them.
enum class SaveResult {
    Done,
    WriteFailed,    // the store has told the user; in one save, nothing stays
    KeyNotCreated,  // a subkey could not be made; nobody told yet
};

class PreferenceStore {
public:
    // `onWriteFailed` tells the user "Setting not saved."; the store itself
    // knows nothing of windows.
    PreferenceStore(reg::Registry& registry, std::function<void()> onWriteFailed);

    reg::Registry& registry() const { return registry_; }

    // The key every setting is read from and written to; 0 before an
    // account is chosen. PreferenceKeys (or a test) owns and closes it.
    void setCurrentKey(reg::Key key) { current_ = key; }
    reg::Key currentKey() const { return current_; }

    // The stored text, or the entry's DefaultText when there is no readable
    // REG_SZ value (missing, other type, 256 characters or more).
    std::string readSettingText(int index) const;
    // The stored REG_DWORD, or the entry's default (defaultLong; for a
    // Boolean 1 or 0 from DefaultBool).
    std::int32_t readSettingNumber(int index) const;

    // Every write returns true when saved; on failure the user has been
    // told "Setting not saved." before it returns.
    bool writeSettingText(const std::string& text, int index);
    bool writeSettingNumber(std::int32_t value, int index);
    bool writeSettingBoolean(bool flag, int index);
    void deleteSettingValue(const std::string& valueName);

    // The same rules under any value name, for the pair and font editors.
    bool readText(reg::Key key, const std::string& valueName, std::string& text) const;
    bool readNumber(reg::Key key, const std::string& valueName, std::int32_t& value) const;
    bool writeText(reg::Key key, const std::string& valueName, const std::string& text);
    bool writeNumber(reg::Key key, const std::string& valueName, std::int32_t value);

    // Runs `work` as one transaction: all its writes in one save, or none
    // of them when it fails or the save does (the user told, as above).
    SaveResult inOneSave(const std::function<SaveResult()>& work);

private:
    reg::Registry& registry_;
    std::function<void()> onWriteFailed_;
    reg::Key current_ = 0;
};

}  // namespace fk
