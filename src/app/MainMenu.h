// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu bar above the form's client area. Features add their actions to
// its menus; the client area below it keeps its own layout.
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace fk {

class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QWidget* window);

    QMenuBar* bar() const { return bar_; }
    QMenu* file() const { return file_; }
    QMenu* edit() const { return edit_; }
    QMenu* help() const { return help_; }

    // Adds an action to File above its closing "Quit".
    void addFileAction(QAction* action);

private:
    QMenuBar* bar_;
    QMenu* file_;
    QMenu* edit_;
    QMenu* help_;
    QAction* quitSeparator_;
};

}  // namespace fk
