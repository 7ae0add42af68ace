// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Edit menu and what it drives: undo and redo of every change made in
// this run (imports included), the find box, resetting a whole account,
// and the marks of the settings that differ from their default, which
// "Changed only" can keep alone in the list.
#include <QKeySequence>
#include <QObject>

class QAction;

namespace fk {

class MainWindow;
class StoreController;
class SettingsFilter;
class SettingsTree;
class UndoHistory;
namespace dialogs { struct Dialogs; }

class EditTools : public QObject {
    Q_OBJECT
public:
    EditTools(MainWindow& window, StoreController& controller, dialogs::Dialogs& dialogs,
              SettingsTree* accountTree, SettingsTree* allUsersTree);

    UndoHistory& history() const { return *history_; }
    SettingsFilter& filter() const { return *filter_; }

    // After a pick in the account chooser: the marks of the set now shown.
    void accountChosen();
    // Esc meant for the find box. True when taken.
    bool takeEscape(QObject* watched);

private:
    QAction* addAction(const char* name, const QString& text, const QKeySequence& keys);
    void showMarks();
    void afterStep();
    void resetAll();

    MainWindow& window_;
    StoreController& controller_;
    dialogs::Dialogs& dialogs_;
    SettingsTree* accountTree_;
    SettingsTree* allUsersTree_;
    UndoHistory* history_;
    SettingsFilter* filter_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* resetAll_ = nullptr;
    QAction* changedOnly_ = nullptr;
};

}  // namespace fk
