// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KeyboardHelp.h"

#include "app/MainMenu.h"
#include "dialogs/Dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QStringList>

namespace fk {

namespace {

// The context translators find this file's texts under.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(fk::KeyboardHelp)
};

// The platform's first binding, the one its menus show.
QString keys(QKeySequence::StandardKey key) { return QKeySequence(key).toString(QKeySequence::NativeText); }

}  // namespace

QString keyboardShortcuts() {
    const QStringList lines = {
        Texts::tr("%1: find a setting by its name or description").arg(keys(QKeySequence::Find)),
        Texts::tr("Down, in the find box: the settings found"),
        Texts::tr("Esc, in the find box: clear it, then hide it"),
        Texts::tr("Esc, elsewhere: close the tag picker and the window"),
        Texts::tr("Up and Down, in the settings list: the setting above or below"),
        Texts::tr("Tab and Shift+Tab: the next or the previous control"),
        Texts::tr("Return, in a setting's box: \"Change\""),
        Texts::tr("%1: undo the last change").arg(keys(QKeySequence::Undo)),
        Texts::tr("%1: redo it").arg(keys(QKeySequence::Redo)),
        Texts::tr("Alt and the underlined letter: a menu or one of its items"),
    };
    return lines.join(QLatin1Char('\n'));
}

void addKeyboardHelp(MainMenu& menu, QWidget* window, dialogs::MessageDialog& messages) {
    QAction* help = menu.help()->addAction(Texts::tr("&Keyboard shortcuts"));
    help->setObjectName(QStringLiteral("actionShortcuts"));
    QObject::connect(help, &QAction::triggered, window, [window, &messages] {
        messages.show(window, keyboardShortcuts(), Texts::tr("Keyboard shortcuts"), dialogs::MessageIcon::Information);
    });
}

}  // namespace fk
