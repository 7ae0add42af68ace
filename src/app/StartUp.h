// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's entry: the command line, the prefix to open, then the
// session that opens its store and window.
class QApplication;
class QCoreApplication;

namespace fk {

#ifdef _WIN32
// Under Wine, Qt draws text with its own FreeType engine: Wine's GDI gives
// Qt's native engine no "I" or "!" in Wine's fonts. Call before the
// application is made; a platform the user names wins.
void useQtFontEngineUnderWine();
#endif

// Runs the program on the application's command line; returns the exit status.
int runFettlekit(QApplication& app);

// --help, --version and --list-prefixes, which need no display.
int runWithoutWindow(QCoreApplication& app);

}  // namespace fk
