// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window is a plain QWidget, which Qt presents to screen readers
// as a panel ("filler"): they should meet it as a window (a frame).

namespace fk {

// Makes every MainWindow a window on the accessibility bus; once is enough.
void presentMainWindowAsWindow();

}  // namespace fk
