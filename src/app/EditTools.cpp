// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EditTools.h"

#include "app/ChangeMarks.h"
#include "app/CompareSettings.h"
#include "app/CopySettings.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/SettingsFilter.h"
#include "app/SettingsTransferActions.h"
#include "app/SettingsTree.h"
#include "app/StoreController.h"
#include "app/UndoHistory.h"
#include "dialogs/Dialogs.h"
#include "store/PreferenceStore.h"
#include "store/RecordingRegistry.h"
#include "store/ResetAll.h"

#include <QAction>
#include <QMenu>

namespace fk {

EditTools::EditTools(MainWindow& window, StoreController& controller, dialogs::Dialogs& dialogs,
                     SettingsTree* accountTree, SettingsTree* allUsersTree)
    : QObject(&window),
      window_(window),
      controller_(controller),
      dialogs_(dialogs),
      accountTree_(accountTree),
      allUsersTree_(allUsersTree),
      history_(new UndoHistory(controller.recorder(), dialogs.messages, &window)),
      filter_(new SettingsFilter({accountTree, allUsersTree})) {
    undo_ = addAction("actionUndo", tr("&Undo"), QKeySequence::Undo);
    redo_ = addAction("actionRedo", tr("&Redo"), QKeySequence::Redo);
    window.menu().edit()->addSeparator();
    QAction* find = addAction("actionFind", tr("&Find..."), QKeySequence::Find);
    changedOnly_ = addAction("actionChangedOnly", tr("&Changed only"), {});
    changedOnly_->setCheckable(true);
    // The list offers it too, on its context menu.
    for (SettingsTree* tree : {accountTree, allUsersTree}) {
        tree->setContextMenuPolicy(Qt::ActionsContextMenu);
        tree->addAction(changedOnly_);
    }
    window.menu().edit()->addSeparator();
    resetAll_ = addAction("actionResetAll", tr("Reset all settings of this account\u2026"), {});
    resetAll_->setEnabled(false);

    QUndoStack& stack = history_->stack();
    undo_->setEnabled(false);
    redo_->setEnabled(false);
    connect(&stack, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, this,
            [this](const QString& text) { undo_->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text)); });
    connect(&stack, &QUndoStack::redoTextChanged, this,
            [this](const QString& text) { redo_->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text)); });
    // Pending writes count too: a press of "Change" is undoable at once.
    connect(undo_, &QAction::triggered, this, [this] {
        if (history_->undo()) afterStep();
    });
    connect(redo_, &QAction::triggered, this, [this] {
        if (history_->redo()) afterStep();
    });
    connect(history_, &UndoHistory::storeChanged, this, &EditTools::showMarks);
    connect(history_, &UndoHistory::wineStarted, this, [this] { window_.setStoreReadOnly(true); });
    connect(find, &QAction::triggered, filter_, &SettingsFilter::open);
    connect(changedOnly_, &QAction::toggled, filter_, &SettingsFilter::setChangedOnly);
    connect(resetAll_, &QAction::triggered, this, &EditTools::resetAll);
    connect(&window.compare(), &CompareSettings::taken, this, [this](const std::vector<ValueChange>& changes) {
        history_->commitPending();
        history_->addStep(changes, tr("Take values over"));
    });
    connect(&window.copier(), &CopySettings::copied, this, [this](const std::vector<ValueChange>& changes) {
        history_->commitPending();
        history_->addStep(changes, tr("Copy settings"));
    });
    // An import writes past the recorder, all at once: one step of its own.
    connect(&window.transfer(), &SettingsTransferActions::imported, this,
            [this](const std::vector<ValueChange>& changes) {
                history_->commitPending();
                history_->addStep(changes, tr("Import settings"));
            });
}

QAction* EditTools::addAction(const char* name, const QString& text, const QKeySequence& keys) {
    auto* action = new QAction(text, &window_);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    window_.menu().edit()->addAction(action);
    // The menu's shortcuts work while the window has the focus.
    window_.addAction(action);
    return action;
}

void EditTools::accountChosen() {
    resetAll_->setEnabled(controller_.store().currentKey() != 0);
    showMarks();
}

bool EditTools::takeEscape(QObject* watched) { return filter_->takeEscape(watched); }

void EditTools::showMarks() {
    const reg::Key key = controller_.store().currentKey();
    if (!key) return;
    const bool allUsers = key == controller_.rootKey();
    ChangeMarks::show(allUsers ? *allUsersTree_ : *accountTree_, controller_.recorder(), key);
    if (filter_->changedOnly()) filter_->apply();
}

void EditTools::afterStep() {
    // The panel on screen shows what the store now holds.
    window_.prepareEditor(window_.shownSetting());
    showMarks();
}

void EditTools::resetAll() {
    PreferenceStore& store = controller_.store();
    const reg::Key key = store.currentKey();
    if (!key) return;
    const bool allUsers = key == controller_.rootKey();
    const QString whose = allUsers ? tr("all users") : tr("this account");
    if (!dialogs_.questions.ask(&window_, tr("Reset all settings"),
                                tr("Restore the default of every setting of %1?").arg(whose), {tr("Reset all")}))
        return;
    history_->commitPending();
    if (resetAllSettings(store, allUsers) == ResetResult::KeyNotCreated)
        dialogs_.messages.show(&window_, messages::settingNotSaved(), messages::errorTitle(),
                       dialogs::MessageIcon::Exclamation);
    history_->commitPending(tr("Reset all settings"));
    afterStep();
}

}  // namespace fk
