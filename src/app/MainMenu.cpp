// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace fk {

MainMenu::MainMenu(QWidget* window)
    : QObject(window),
      bar_(new QMenuBar(window)),
      file_(bar_->addMenu(tr("&File"))),
      edit_(bar_->addMenu(tr("&Edit"))),
      help_(bar_->addMenu(tr("&Help"))) {
    bar_->setObjectName(QStringLiteral("menuBar"));
    file_->setObjectName(QStringLiteral("menuFile"));
    edit_->setObjectName(QStringLiteral("menuEdit"));
    help_->setObjectName(QStringLiteral("menuHelp"));
    quitSeparator_ = file_->addSeparator();
    QAction* quit = file_->addAction(tr("&Quit"), window, &QWidget::close);
    quit->setObjectName(QStringLiteral("actionQuit"));
    quit->setShortcut(QKeySequence::Quit);
}

void MainMenu::addFileAction(QAction* action) { file_->insertAction(quitSeparator_, action); }

}  // namespace fk
