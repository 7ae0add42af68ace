#pragma once
// What the window and panel tests share: hive files written in Wine's text
// format, a registry that records and refuses calls, the catalogue looked up
// by value name, and a hive laid out for one panel.
#include "catalogue/Catalogue.h"
#include "dialogs/Dialogs.h"
#include "editors/EditorPanel.h"
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Listing.h"
#include "platform/registry/Registry.h"
#include "store/PreferenceStore.h"
#include "store/RecordingRegistry.h"
#include "support/SeededRegistry.h"
#include "support/TestFiles.h"

#include <utility>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace fk::testing {

using test::readBytes;
using test::writeBytes;

inline QString qs(const std::string& text) { return QString::fromStdString(text); }
inline bool yes(const std::string& word) { return word == "yes"; }

// The child control `name` of `in`, failing the test when there is none.
template <class T> T* control(const QWidget* in, const char* name) {
    T* found = in->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline QStringList items(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
}

// Picks `item` of the combo box with the mouse, through its open list.
inline void chooseItem(QComboBox* combo, const QString& item) {
    const int row = combo->findText(item);
    ASSERT_GE(row, 0) << item.toStdString();
    combo->setFocus(Qt::MouseFocusReason);  // as the click that opens it gives
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    ASSERT_EQ(combo->currentText(), item);
}

// As the user selects the box's text and types over it key by key; any
// character, as an input method gives it.
inline void typeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The commands of a case file (app-cases.txt, panel-cases.txt) by their
// first word, and the key blocks of the hive a case writes: path and values.
using Commands = std::map<std::string, std::function<void()>>;
using KeyBlocks = std::vector<std::pair<std::string, std::string>>;

// Runs a case's lines: "[key]" starts a key block and a line in quotes adds
// a value to it; any other line runs its command from what `commands` gives
// for the line's second word (its name) and the rest.
inline void runCase(const test::Case& c, const std::string& file, KeyBlocks& keys,
                    const std::function<Commands(const std::string& name, const std::string& rest)>& commands) {
    for (const auto& [number, line] : c.lines) {
        SCOPED_TRACE(file + ":" + std::to_string(number) + ": " + line);
        if (line[0] == '[') {
            keys.emplace_back(line.substr(1, line.size() - 2), "");
        } else if (line[0] == '"') {
            keys.back().second += line + "\n";
        } else {
            const auto space = line.find(' '), second = line.find(' ', space + 1);
            const std::string command = line.substr(0, space),
                              name = space == std::string::npos ? "" : line.substr(space + 1, second - space - 1),
                              rest = second == std::string::npos ? "" : line.substr(second + 1);
            const Commands known = commands(name, rest);
            const auto found = known.find(command);
            if (found == known.end()) throw std::runtime_error("unknown command " + command);
            found->second();
            if (::testing::Test::IsSkipped()) return;
        }
    }
}

// The font sample's ink, from its cell's corner to the panel's edges: the
// first and last rows that hold any, and how many pixels do.
struct Ink {
    int first = -1, last = -1, pixels = 0;
};
inline Ink inkBelow(QWidget* panel, QPoint corner) {
    const QImage image = panel->grab().toImage();
    const QRect area(corner, image.rect().bottomRight());
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != image.pixel(area.bottomRight()))
                ++ink.pixels, ink.last = y, ink.first = ink.first < 0 ? y : ink.first;
    return ink;
}

inline int settingIndex(const std::string& valueName) {
    for (int i = 0; i < SettingCount; ++i)
        if (settingEntry(i).ValueName == valueName) return i;
    ADD_FAILURE() << "no setting " << valueName;
    return NoticeIndex;
}

// A key block; `path` is written with single backslashes.
inline std::string hiveKey(const std::string& path, const std::string& values = {}) {
    std::string escaped;
    for (char c : path) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return "[" + escaped + "] 1700000000\n#time=1d9f0c6b1a2b3c4\n" + values + "\n";
}

inline std::string hiveText(const std::string& keys) {
    return "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win32\n\n" +
           keys;
}

struct Stored {
    std::uint32_t type = 0;
    std::string data;  // raw bytes, a text's terminating zero included
};

// A value as a fresh open of the hive file finds it, as the add-on would at
// its start; nothing when the key or the value is missing. Without a name,
// only whether the key is there.
inline std::optional<Stored> storedInFile(const std::string& hivePath, const std::string& keyPath,
                                          const std::string& name) {
    std::string error;
    const auto fresh = openSeededRegistry(hivePath, error);
    if (!fresh) {
        ADD_FAILURE() << "hive no longer opens: " << error;
        return std::nullopt;
    }
    const reg::KeyHandle key = reg::KeyHandle::open(*fresh, reg::CurrentUser, keyPath, reg::KeyRead);
    Stored value;
    if (!key.ok() || (!name.empty() && reg::readValue(*fresh, key.get(), name, value.type, value.data) != reg::Success))
        return std::nullopt;
    return value;
}

// A stored REG_DWORD, or nothing for a missing value or another type.
inline std::optional<std::int32_t> asNumber(const std::optional<Stored>& value) {
    if (!value || value->type != reg::TypeDword || value->data.size() != 4) return std::nullopt;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = bits << 8 | std::uint8_t(value->data[size_t(i)]);
    return std::int32_t(bits);
}

// Passes every call on, remembers the ones the tests look at, and refuses
// some on demand, as another registry might.
class TestRegistry : public RecordingRegistry {
public:
    using RecordingRegistry::RecordingRegistry;

    std::vector<std::string> creates;  // the subkeys asked for
    std::vector<reg::Key> closes;
    bool refuseCreate = false;
    bool refuseWrites = false;
    std::set<std::string> refuseValues;  // value names whose writes fail
    int writesLeft = -1;                 // writes and deletions that succeed before all fail; -1: no end
    int moreData = 0;                    // reads that answer "more data", each asking one byte more
    int reads = 0;
    bool wineStarts = false;             // the next write is saved as Wine starts
    bool landsAtOnce = false;            // no transactions, as on Wine's live registry

    long beginTransaction() override { return landsAtOnce ? reg::NotSupported : RecordingRegistry::beginTransaction(); }

    int closesOf(reg::Key key) const { return int(std::count(closes.begin(), closes.end(), key)); }

    long RegCreateKeyExA(reg::Key parent, const char* subKey, std::uint32_t reserved, const char* keyClass,
                         std::uint32_t options, std::uint32_t access, const reg::SecurityAttributes* security,
                         reg::Key* result, std::uint32_t* disposition) override {
        creates.push_back(subKey ? subKey : "");
        if (refuseCreate) return reg::AccessDenied;
        return RecordingRegistry::RegCreateKeyExA(parent, subKey, reserved, keyClass, options, access, security,
                                                  result, disposition);
    }
    long RegCloseKey(reg::Key key) override {
        closes.push_back(key);
        // Windows hands a closed key's number out again: a second close may end another key.
        const long status = RecordingRegistry::RegCloseKey(key);
        EXPECT_EQ(status, reg::Success) << "key " << key << " closed twice or never opened";
        return status;
    }
    long RegSetValueExA(reg::Key key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override {
        if (refuseWrites || refuseValues.count(valueName ? valueName : "") || !writeAllowed()) return reg::AccessDenied;
        return RecordingRegistry::RegSetValueExA(key, valueName, reserved, type, data, dataLength);
    }
    long RegDeleteValueA(reg::Key key, const char* valueName) override {
        if (!writeAllowed()) return reg::AccessDenied;
        return RecordingRegistry::RegDeleteValueA(key, valueName);
    }
    long RegQueryValueExA(reg::Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override {
        ++reads;
        if (moreData > 0 && data) return --moreData, ++*dataLength, reg::MoreData;
        return RecordingRegistry::RegQueryValueExA(key, valueName, reserved, type, data, dataLength);
    }

    bool takeWineStartedDuringSave() override { return std::exchange(wineStarts, false); }

private:
    bool writeAllowed() { return writesLeft < 0 || (writesLeft > 0 && writesLeft--); }
};


inline constexpr const char* StoreRoot = "Software\\Tavrel\\Brisko2";

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
