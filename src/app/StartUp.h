#pragma once
// The start-up procedure: the catalogue, then the store, then the main window.
#include "dialogs/Dialogs.h"
#include "platform/bridge/OpenRegistry.h"

#include <QString>

class QApplication;
class QCoreApplication;

namespace fk {
namespace dialogs { struct Dialogs; }

// Opens the hive file, or Wine's live registry through the bridge while Wine
// runs in that prefix. When the store cannot be used, the reason goes to
// standard error and the user gets the same message as for a missing store.
reg::RegistryChoice openHive(const QString& path, dialogs::Dialogs& dialogs);

class MainWindow;

// How a file the user picks is named for the add-on under Wine: through the
// drive letters of the prefix that holds the hive.
dialogs::FileDialog::PathMapping fileNamesForAddOn(const QString& hivePath);

// Loads and shows the main window over the opened store; once it is on
// screen, warns when Wine's running copy of the registry makes the store
// read-only.
bool showMainWindow(MainWindow& window, const reg::RegistryChoice& opened, dialogs::Dialogs& dialogs);

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
