#pragma once
// The start-up procedure: the catalogue, then the store, then the main window.
#include "HiveRegistry.h"

#include <QString>

class QApplication;

namespace fk {
namespace dialogs { struct Dialogs; }

// Opens the hive file. When it cannot be used, the reason goes to standard
// error and the user gets the same message as for a missing store.
reg::HiveOpenResult openHive(const QString& path, dialogs::Dialogs& dialogs);

// Runs the program on the application's command line; returns the exit status.
int runFettlekit(QApplication& app);

}  // namespace fk
