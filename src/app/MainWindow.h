// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form1: the account chooser, the two settings trees, the editor panels and
// the description. It shows the setting picked, with the panel of its kind;
// the store and the keys it works on are its StoreController's.
#include "app/StoreController.h"
#include "app/TagPickerHost.h"
#include "catalogue/Catalogue.h"
#include "editors/EditorPanel.h"
#include "platform/registry/Registry.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QScrollArea;
class QStatusBar;
class QStandardItemModel;
class QTreeWidgetItem;

namespace fk {

class AboutPanel;
class AccountPanel;
class CompareSettings;
class CopySettings;
class EditTools;
class MainMenu;
class SettingsTransferActions;
class SettingsTree;
namespace dialogs { struct Dialogs; }

class MainWindow : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int shownSetting READ shownSetting)
public:
    // Ends the program with a status once a fatal message has been dismissed.
    using ExitFunction = std::function<void(int status)>;

    // The chooser's items that stand for the store root and the default user.
    static QString allUsers() { return tr(" --> All users <--"); }
    static QString defaultUser() { return tr(" --> Default user <--"); }

    MainWindow(reg::Registry& registry, dialogs::Dialogs& dialogs, ExitFunction exitProgram,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load steps, ending with the window shown. False when the store
    // cannot be opened: the user has been told and the exit function called.
    bool load();

    // The index of the catalogue entry shown; 46 for the notice.
    int shownSetting() const { return shownSetting_; }
    const std::array<int, 10>& panelOfKind() const { return panelOfKind_; }

    // A pick in the account chooser (Combo1), by its text.
    void chooseAccount(const QString& text);
    // The chooser's item chosen; empty before a pick.
    QString chosenAccount() const;
    // Picks the item of that text when the chooser has one, as the user would.
    void chooseAccountNamed(const QString& text);
    // A click on a node of either settings tree.
    void showSetting(QTreeWidgetItem* node);
    // Fills the panel of entry `index` for its kind.
    void prepareEditor(int index);
    // prepareEditor's dispatch for a given kind; a kind it does not know only warns.
    void prepareEditorOfKind(SettingKind kind, int index);

    // The store, its keys and the account chosen.
    StoreController& storeController() const { return *controller_; }
    MainMenu& menu() const { return *menu_; }
    // File > Export and Import settings; its `imported` signal follows an import.
    SettingsTransferActions& transfer() const { return *transfer_; }
    // File > "Compare with…"; its `taken` signal follows values taken over.
    CompareSettings& compare() const { return *compare_; }
    // File > "Copy settings to…"; its `copied` signal follows a copy within this prefix.
    CopySettings& copier() const { return *copy_; }
    TagPickerHost& tagPicker() { return picker_; }
    // While the store is read-only (Wine runs and its live registry cannot be
    // reached) the panels cannot save, and a note in the window says why.
    void setStoreReadOnly(bool readOnly, const QString& why = {});
    // Why the last save could not be made, under the form; empty once saves go again.
    void showSaveProblem(const QString& why);
    // A short note in the line under the form, until another replaces it.
    void showStatus(const QString& text);

    // Picture1(index), made the first time it is asked for; null past the array.
    QWidget* panel(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls(const form::FormMetrics& form);
    void createPanels();
    EditorPanel* makePanel(int index);
    void listAccounts();
    void fillTrees();
    void showNotice();
    QWidget* panelOfEntry(int index);
    void orderTabStops();
    void fatal(const QString& text);
    // A panel's hint (an allowed range) in the status line; empty withdraws it.
    void showHint(const QString& hint);

    dialogs::Dialogs& dialogs_;
    ExitFunction exit_;
    std::unique_ptr<StoreController> controller_;

    int shownSetting_ = 46;
    std::array<int, 10> panelOfKind_{};
    bool fontListsLoaded_ = false;

    QWidget* client_ = nullptr;
    MainMenu* menu_ = nullptr;
    EditTools* tools_ = nullptr;
    SettingsTransferActions* transfer_ = nullptr;
    CompareSettings* compare_ = nullptr;
    CopySettings* copy_ = nullptr;
    QGroupBox* accountBox_ = nullptr;
    QComboBox* accountChooser_ = nullptr;
    QStandardItemModel* accountNames_ = nullptr;  // its items, shown sorted
    QGroupBox* settingsBox_ = nullptr;
    SettingsTree* accountTree_ = nullptr;
    SettingsTree* allUsersTree_ = nullptr;
    QGroupBox* editorBox_ = nullptr;
    EditorContext context_;
    std::array<QWidget*, 10> panels_{};
    AboutPanel* about_ = nullptr;
    AccountPanel* accountPanel_ = nullptr;
    QGroupBox* descriptionBox_ = nullptr;
    QScrollArea* descriptionScroll_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* readOnlyNote_ = nullptr;
    QStatusBar* statusLine_ = nullptr;
    QString hint_;  // the panel's hint in the status line, if any

    TagPickerHost picker_;
};

}  // namespace fk
