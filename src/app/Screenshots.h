// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace fk {

class MainWindow;

// Walks the loaded window through a fixed tour (start, an account, one
// setting of each kind, the tag picker, the marks of changed settings with
// the find box) and writes a PNG of each state to
// `dir`. Returns the exit status; the window is closed at the end.
int takeScreenshots(MainWindow& window, const QString& dir);

}  // namespace fk
