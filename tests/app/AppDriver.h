// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program as the window tests drive it: a user.reg in a temporary
// folder and one running copy of the program over it.
#include "app/MainWindow.h"
#include "app/SettingsTree.h"
#include "dialogs/Dialogs.h"
#include "editors/CatalogueText.h"
#include "support/CaseScript.h"
#include "support/HiveKeys.h"
#include "support/TestRegistry.h"
#include "support/WidgetDriving.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace fk::testing {

inline const std::string AlicePrefs = "Software\\Tavrel\\Brisko2\\alice\\Preferences";

class AppHive {
public:
    explicit AppHive(const std::string& keys) {
        path_ = dir_.filePath(QStringLiteral("user.reg")).toStdString();
        seedRegistry(path_, hiveText(keys));
        seeded = fileText();
    }

    const std::string& path() const { return path_; }
    std::string folder() const { return std::filesystem::path(path_).parent_path().string(); }
    // The file's bytes; on Windows the store's every key and value.
    std::string fileText() const { return seededState(path_); }

    // Puts these keys in place as another program would.
    void replace(const std::string& text) const { replaceRegistry(path_, text); }

    bool hasKey(const std::string& keyPath) const { return storedInFile(path_, keyPath, "").has_value(); }

    std::string seeded;  // the state as the test put it in place

private:
    QTemporaryDir dir_;
    std::string path_;
};

// One running copy of the program: its registry over the file, its dialogs
// answered by the test, and its main window, loaded.
class Fettlekit {
public:
    // Over the file, or over a store the program opened itself.
    explicit Fettlekit(const std::string& hivePath, std::unique_ptr<reg::Registry> opened = {}) {
        std::string error;
        hive_ = opened ? std::move(opened) : openSeededRegistry(hivePath, error);
        if (!hive_) {
            ADD_FAILURE() << "hive does not open: " << error;
            return;
        }
        registry = std::make_unique<TestRegistry>(*hive_);
        dialogs.setScripted(true);
        window = std::make_unique<MainWindow>(*registry, dialogs, [this](int status) { exits.push_back(status); });
        loaded = window->load();
    }
    ~Fettlekit() { window.reset(); }  // before the registry it uses

    template <class T> T* control(const char* name) const { return testing::control<T>(window.get(), name); }
    QComboBox* chooser() const { return control<QComboBox>("Combo1"); }

    // Picks an item of the account chooser with the mouse, through its list.
    void pick(const QString& account) { chooseItem(chooser(), account); }

    SettingsTree* treeOf(int index) const {
        return control<SettingsTree>(settingEntry(index).allUsers ? "TreeView2" : "TreeView1");
    }
    QTreeWidgetItem* node(int index) const { return treeOf(index)->nodeByKey(QStringLiteral("P%1").arg(index)); }
    QWidget* panelOf(int index) const { return window->panel(window->panelOfKind()[size_t(settingEntry(index).kind)]); }

    // Clicks the node of entry `index` in the tree that holds it.
    void clickSetting(int index) {
        SettingsTree* tree = treeOf(index);
        ASSERT_NE(node(index), nullptr);
        ASSERT_TRUE(tree->isVisible());
        tree->scrollToItem(node(index));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node(index)).center());
        ASSERT_EQ(window->shownSetting(), index);
    }

    // Runs a menu action, after letting the last press's writes become their
    // undo step.
    void trigger(const char* action) {
        QApplication::processEvents();
        control<QAction>(action)->trigger();
        QApplication::processEvents();
    }

    QLineEdit* numberBox() const { return testing::control<QLineEdit>(window->panel(3), "Text28"); }

    // Types the number into the shown number setting and presses "Change".
    void changeNumber(int value) {
        typeOver(numberBox(), QString::number(value));
        ASSERT_EQ(numberBox()->text(), QString::number(value));
        QTest::mouseClick(testing::control<QPushButton>(window->panel(3), "Command35"), Qt::LeftButton);
    }

    // What the window shows for entry `index` (the notice included): one
    // panel, the entry's name as the frame's title, its description.
    void expectShowing(int index) const {
        EXPECT_EQ(window->shownSetting(), index);
        std::vector<int> shown;
        for (int i = 0; i < 10; ++i)
            if (window->panel(i)->isVisible()) shown.push_back(i);
        const bool notice = index == NoticeIndex;
        EXPECT_EQ(shown, std::vector<int>{notice ? 0 : window->panelOfKind()[size_t(settingEntry(index).kind)]});
        EXPECT_EQ(control<QGroupBox>("Frame4")->title(),
                  notice ? QString() : QString::fromStdString(settingEntry(index).valueName));
        // In the language of the run: in English, the catalogue's texts as they are.
        EXPECT_EQ(control<QGroupBox>("Frame2")->title(), notice ? QString() : MainWindow::tr("Description"));
        EXPECT_EQ(control<QLabel>("Label1")->text(), settingDescription(index));
    }

    const std::vector<dialogs::MessageDialog::Shown>& messages() const { return dialogs.messages.shown(); }

    std::unique_ptr<TestRegistry> registry;
    dialogs::Dialogs dialogs;
    std::vector<int> exits;
    std::unique_ptr<MainWindow> window;
    bool loaded = false;

private:
    std::unique_ptr<reg::Registry> hive_;
};

}  // namespace fk::testing
