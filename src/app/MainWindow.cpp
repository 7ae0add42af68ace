// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/AboutPanel.h"
#include "app/AccessibleWindow.h"
#include "app/AppIcon.h"
#include "app/CompareSettings.h"
#include "app/CopySettings.h"
#include "app/EditTools.h"
#include "app/KeyboardHelp.h"
#include "app/MainMenu.h"
#include "app/Messages.h"
#include "app/RegistryTexts.h"
#include "app/SettingsFilter.h"
#include "app/SettingsTransferActions.h"
#include "app/SettingsTree.h"
#include "app/Version.h"
#include "catalogue/Catalogue.h"
#include "dialogs/Dialogs.h"
#include "editors/AccountPanel.h"
#include "editors/AnsiText.h"
#include "editors/CatalogueText.h"
#include "editors/EditorPanel.h"
#include "editors/PanelFactory.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace fk {

namespace {

constexpr const char* MinimumAddOnVersion = "3.20";

// Which Picture1 element edits which SettingKind, in the kinds' order: Boolean,
// Number, Text, File, Colour, Account, Font, SwitchWithText, QuickTexts, and
// None, the about panel.
constexpr std::array<int, 10> PanelTable = {5, 3, 2, 1, 6, 8, 4, 7, 9, 0};

SettingsTree* settingsTree(QWidget* parent, const char* name, const QRect& place) {
    auto* tree = new SettingsTree(parent);
    tree->setObjectName(QLatin1String(name));
    tree->setGeometry(place);
    tree->hide();
    return tree;
}

}  // namespace

MainWindow::MainWindow(reg::Registry& registry, dialogs::Dialogs& dialogs, ExitFunction exitProgram,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs),
      exit_(std::move(exitProgram)),
      controller_(std::make_unique<StoreController>(registry, [this] {
          dialogs_.messages.show(this, messages::settingNotSaved(), messages::errorTitle(),
                                 dialogs::MessageIcon::Exclamation);
      })),
      picker_(this, [this] { return shownSetting_; }) {
    setObjectName(QStringLiteral("Form1"));
    presentMainWindowAsWindow();
    setWindowTitle(tr("Fettlekit"));
    setWindowIcon(appIcon());
    // The form's own font, which every control inherits; the places grow
    // with it.
    setFont(form::formFont());
    // The client area keeps the form's size and places; the menu bar sits above it.
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    const form::FormMetrics form;
    client_->setFixedSize(form.size(7815, 5040));
    menu_ = new MainMenu(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu_->bar());
    layout->addWidget(client_);
    readOnlyNote_ = new QLabel(this);
    readOnlyNote_->setObjectName(QStringLiteral("readOnlyNote"));
    readOnlyNote_->setContentsMargins(form.x(120), 0, form.x(120), form.y(60));
    readOnlyNote_->setWordWrap(true);
    readOnlyNote_->hide();
    layout->addWidget(readOnlyNote_);
    statusLine_ = new QStatusBar(this);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setSizeGripEnabled(false);
    layout->addWidget(statusLine_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    createControls(form);
    createPanels();
    // An import is undone as one step of its own, so it writes past the recorder.
    transfer_ = new SettingsTransferActions(this, controller_->unrecorded(), dialogs_, *menu_,
                                            [this] { return controller_->currentKeyPath(); });
    compare_ = new CompareSettings(this, controller_->unrecorded(), dialogs_, *menu_,
                                   [this] { return controller_->currentKeyPath(); });
    // The panel on show reads its setting again: an import may have changed it.
    connect(transfer_, &SettingsTransferActions::imported, this, [this] { prepareEditor(shownSetting_); });
    connect(compare_, &CompareSettings::taken, this, [this] { prepareEditor(shownSetting_); });
    copy_ = new CopySettings(this, controller_->unrecorded(), dialogs_, *menu_,
                             [this] { return controller_->currentKeyPath(); });
    connect(transfer_, &SettingsTransferActions::exported, this,
            [this](const QString& file) { showStatus(tr("Settings exported to %1").arg(file)); });
    addKeyboardHelp(*menu_, this, dialogs_.messages);
    // Wine started or stopped under the window: the note says whether saves go.
    registry.onWayChanged([this](const reg::Problem& why) { showSaveProblem(RegistryTexts::problem(why)); });
    tools_ = new EditTools(*this, *controller_, dialogs_, accountTree_, allUsersTree_);
    // Esc is the window's before any control sees it.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    controller_->unrecorded().onWayChanged({});
    picker_.close();
    controller_->release();
    // The panels go while the store they were given still exists.
    delete editorBox_;
}

void MainWindow::createControls(const form::FormMetrics& form) {
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(client_, {
        {"Frame1", GroupBox, tr("Edit settings for this user"), 120, 120, 2895, 615},
        {"Combo1", Combo, {}, 120, 240, 2655, 315, "Frame1"},
        {"Frame3", GroupBox, {}, 120, 840, 2895, 4095},
        {"Frame4", GroupBox, {}, 3120, 120, 4575, 2895},
        {"Frame2", GroupBox, {}, 3120, 3120, 4575, 1815},
        // A long description scrolls within the label's box.
        {"Label1Box", ScrollArea, {}, 120, 240, 4335, 1455, "Frame2"},
    }, form);
    accountBox_ = made.get<QGroupBox>("Frame1");
    accountChooser_ = made.get<QComboBox>("Combo1");
    accountNames_ = form::sortedItems(accountChooser_);
    accountChooser_->setPlaceholderText(tr("Choose an account"));
    connect(accountChooser_, &QComboBox::textActivated, this, &MainWindow::chooseAccount);

    // The two trees share one place; the account chosen shows one of them.
    settingsBox_ = made.get<QGroupBox>("Frame3");
    const QRect treePlace = form.rect(120, 240, 2655, 3735);
    accountTree_ = settingsTree(settingsBox_, "TreeView1", treePlace);
    allUsersTree_ = settingsTree(settingsBox_, "TreeView2", treePlace);
    // Named for a screen reader, as their frames' titles name them on screen.
    accountChooser_->setAccessibleName(accountBox_->title());
    accountTree_->setAccessibleName(tr("Settings"));
    allUsersTree_->setAccessibleName(tr("Settings"));
    connect(accountTree_, &SettingsTree::nodeClicked, this, &MainWindow::showSetting);
    connect(allUsersTree_, &SettingsTree::nodeClicked, this, &MainWindow::showSetting);

    editorBox_ = made.get<QGroupBox>("Frame4");
    descriptionBox_ = made.get<QGroupBox>("Frame2");
    descriptionScroll_ = made.get<QScrollArea>("Label1Box");
    descriptionScroll_->setFrameShape(QFrame::NoFrame);
    descriptionScroll_->setWidgetResizable(true);
    descriptionScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    descriptionScroll_->setFocusPolicy(Qt::NoFocus);
    description_ = form::wrappingLabel(QString(), nullptr);
    description_->setObjectName(QStringLiteral("Label1"));
    descriptionScroll_->setWidget(description_);
    // The frame's background shows through, as behind any label.
    QPalette clear = descriptionScroll_->palette();
    clear.setColor(QPalette::Window, Qt::transparent);
    descriptionScroll_->setPalette(clear);
    description_->setText(settingDescription(NoticeIndex));
}

// The editor panels are made when first shown, which keeps the start quick;
// the account panel is needed at once, for the account list.
void MainWindow::createPanels() {
    context_.store = &controller_->store();
    context_.dialogs = &dialogs_;
    context_.mainWindow = this;
    context_.shownSetting = [this] { return shownSetting_; };
    context_.openTagPicker = [this](QLineEdit* target) { picker_.open(target); };
    context_.closeTagPicker = [this] { picker_.close(); };
    context_.fontListsLoaded = &fontListsLoaded_;
    context_.exitProgram = [this](int status) { exit_(status); };
    context_.showHint = [this](const QString& hint) { showHint(hint); };

    about_ = new AboutPanel(editorBox_);
    panels_[0] = about_;
    accountPanel_ = qobject_cast<AccountPanel*>(panel(PanelTable[size_t(SettingKind::Account)]));
}

EditorPanel* MainWindow::makePanel(int index) {
    for (size_t kind = 0; kind < size_t(SettingKind::None); ++kind) {
        if (PanelTable[kind] != index) continue;
        EditorPanel* editor = makeEditorPanel(SettingKind(kind), context_, editorBox_);
        if (!editor) return nullptr;
        editor->setObjectName(QStringLiteral("Picture1(%1)").arg(index));
        editor->setStoreReadOnly(controller_->readOnly());
        editor->hide();
        return editor;
    }
    return nullptr;
}

bool MainWindow::load() {
    if (!controller_->openRoot()) {
        fatal(messages::registryError());
        return false;
    }
    listAccounts();
    accountNames_->appendRow(new QStandardItem(allUsers()));
    accountChooser_->setCurrentIndex(-1);
    fillTrees();
    panelOfKind_ = PanelTable;
    shownSetting_ = NoticeIndex;
    about_->versionLabel()->setText(tr("Version: %1.%2.%3")
                                        .arg(FK_VERSION_MAJOR)
                                        .arg(FK_VERSION_MINOR)
                                        .arg(FK_VERSION_PATCH));
    about_->requirementLabel()->setText(
        tr("Use this program with Brisko! %1 or above.").arg(QLatin1String(MinimumAddOnVersion)));
    fontListsLoaded_ = false;
    show();
    return true;
}

void MainWindow::listAccounts() {
    for (const std::string& account : controller_->accounts()) {
        const QString shown = account == StoreController::DefaultUserAccount ? defaultUser() : fromAnsi(account);
        accountNames_->appendRow(new QStandardItem(shown));
        if (accountPanel_) accountPanel_->addAccount(shown);
    }
}

void MainWindow::fillTrees() {
    for (int index = 0; index < SettingCount; ++index) {
        const SettingEntry& entry = settingEntry(index);
        SettingsTree* tree = entry.allUsers ? allUsersTree_ : accountTree_;
        tree->addNode(QStringLiteral("P%1").arg(index), fromAnsi(entry.valueName));
    }
}

QString MainWindow::chosenAccount() const {
    return accountChooser_->currentIndex() < 0 ? QString() : accountChooser_->currentText();
}

void MainWindow::chooseAccountNamed(const QString& text) {
    const int at = accountChooser_->findText(text);
    if (at < 0) return;
    accountChooser_->setCurrentIndex(at);
    chooseAccount(text);
}

void MainWindow::chooseAccount(const QString& text) {
    QTreeWidgetItem* selected = nullptr;
    showHint({});
    if (text == allUsers()) {
        controller_->chooseAllUsers();
        accountTree_->hide();
        allUsersTree_->show();
        accountTree_->clearSelectedNode();
        selected = allUsersTree_->selectedNode();
    } else {
        const QString account = text == defaultUser() ? QString::fromLatin1(StoreController::DefaultUserAccount) : text;
        if (!controller_->chooseAccount(toAnsi(account))) {
            fatal(messages::accountError(account));
            return;
        }
        allUsersTree_->hide();
        accountTree_->show();
        allUsersTree_->clearSelectedNode();
        selected = accountTree_->selectedNode();
    }
    settingsBox_->setTitle(tr("Settings"));
    picker_.close();
    if (!selected) showNotice();
    prepareEditor(shownSetting_);
    tools_->accountChosen();
    orderTabStops();
}

void MainWindow::showNotice() {
    if (QWidget* shown = panelOfEntry(shownSetting_)) shown->hide();
    descriptionBox_->setTitle(QString());
    shownSetting_ = NoticeIndex;
    editorBox_->setTitle(fromAnsi(settingEntry(NoticeIndex).valueName));
    description_->setText(settingDescription(NoticeIndex));
    panels_[size_t(panelOfKind_[size_t(SettingKind::None)])]->show();
}

void MainWindow::showSetting(QTreeWidgetItem* node) {
    if (!node) return;
    picker_.close();
    showHint({});
    if (QWidget* shown = panelOfEntry(shownSetting_)) shown->hide();
    descriptionBox_->setTitle(tr("Description"));
    shownSetting_ = SettingsTree::keyOf(node).mid(1).toInt();
    const SettingEntry& entry = settingEntry(shownSetting_);
    editorBox_->setTitle(fromAnsi(entry.valueName));
    description_->setText(settingDescription(shownSetting_));
    prepareEditor(shownSetting_);
    if (auto* editor = qobject_cast<EditorPanel*>(panelOfEntry(shownSetting_))) editor->describe(description_->text());
    if (QWidget* shown = panelOfEntry(shownSetting_)) shown->show();
    orderTabStops();
}

// Tab reads the window as the eye does: the account, the find box and the
// list down the left, then the editor on show with its buttons last.
void MainWindow::orderTabStops() {
    std::vector<QWidget*> chain{accountChooser_, tools_->filter().box(), accountTree_, allUsersTree_};
    if (auto* editor = qobject_cast<EditorPanel*>(panelOfEntry(shownSetting_))) {
        const std::vector<QWidget*> stops = editor->tabStops();
        chain.insert(chain.end(), stops.begin(), stops.end());
    }
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::prepareEditor(int index) { prepareEditorOfKind(settingEntry(index).kind, index); }

void MainWindow::prepareEditorOfKind(SettingKind kind, int index) {
    if (kind < SettingKind::Boolean || kind > SettingKind::None) {
        dialogs_.messages.show(this, messages::needsUpdate(), messages::warningTitle(),
                               dialogs::MessageIcon::Exclamation);
        return;
    }
    if (kind == SettingKind::None) return;
    if (auto* editor = qobject_cast<EditorPanel*>(panel(panelOfKind_[size_t(kind)]))) editor->prepare(index);
}

void MainWindow::setStoreReadOnly(bool readOnly, const QString& why) {
    controller_->setReadOnly(readOnly);
    readOnlyNote_->setText(why.isEmpty() ? tr("Wine is running in this prefix: changes cannot be saved now.")
                                         : tr("Not saved: %1.").arg(why));
    readOnlyNote_->setVisible(readOnly);
    for (QWidget* picture : panels_)
        if (auto* editor = qobject_cast<EditorPanel*>(picture)) editor->setStoreReadOnly(readOnly);
}

// The buttons stay on: the next save looks for Wine again.
void MainWindow::showSaveProblem(const QString& why) {
    if (controller_->readOnly()) return;
    readOnlyNote_->setText(tr("Not saved: %1.").arg(why));
    readOnlyNote_->setVisible(!why.isEmpty());
}

void MainWindow::showStatus(const QString& text) {
    hint_.clear();
    statusLine_->showMessage(text);
}

void MainWindow::showHint(const QString& hint) {
    if (!hint.isEmpty()) {
        showStatus(hint);
        hint_ = hint;
    } else if (!hint_.isEmpty() && statusLine_->currentMessage() == hint_) {
        statusLine_->clearMessage();
        hint_.clear();
    }
}

QWidget* MainWindow::panel(int index) {
    if (index < 0 || index >= int(panels_.size())) return nullptr;
    QWidget*& picture = panels_[size_t(index)];
    if (!picture) picture = makePanel(index);
    return picture;
}

QWidget* MainWindow::panelOfEntry(int index) {
    const SettingKind kind = settingEntry(index).kind;
    if (kind < SettingKind::Boolean || kind > SettingKind::None) return nullptr;
    return panel(panelOfKind_[size_t(kind)]);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && isVisible()) {
            if (tools_->takeEscape(watched)) return true;
            picker_.close();
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    picker_.close();
    controller_->release();
    event->accept();
}

void MainWindow::fatal(const QString& text) {
    dialogs_.messages.show(this, text, messages::errorTitle(), dialogs::MessageIcon::Critical);
    exit_(1);
}

}  // namespace fk
