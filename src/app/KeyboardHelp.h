// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help > "Keyboard shortcuts": the keys of the main window, in one list.
#include <QString>

class QWidget;

namespace fk {

class MainMenu;
namespace dialogs { class MessageDialog; }

// The keys and what each does, one a line, as this platform names them.
QString keyboardShortcuts();

// Adds the Help item that shows them over `window`.
void addKeyboardHelp(MainMenu& menu, QWidget* window, dialogs::MessageDialog& messages);

}  // namespace fk
