// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs that move settings between places, as the screenshot run
// shows them on the demo prefix: each filled as its action fills it, shown
// without waiting for an answer. A null picture when the account chosen
// gives them nothing to show.
#include <QPixmap>

namespace fk {

class MainWindow;

// "Import settings…" of a file that changes a number, a colour and a font.
QPixmap importPicture(MainWindow& window);
// "Compare with…" the next account, with the ticks offered.
QPixmap comparePicture(MainWindow& window);
// "Copy settings to…": the targets, two ticked, then what the first would change.
QPixmap copyTargetsPicture(MainWindow& window);
QPixmap copyPicture(MainWindow& window);

}  // namespace fk
