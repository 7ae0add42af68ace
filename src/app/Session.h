// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window over the opened store (the hive file, or Wine's live registry),
// and the move to another prefix: File > "Open prefix…" opens the chosen
// store and puts a new window over it; when that store cannot be used the
// old window stays as it was.
#include "app/MainWindow.h"
#include "app/PrefixChoice.h"
#include "dialogs/Dialogs.h"
#include "platform/bridge/OpenRegistry.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace fk {

namespace dialogs { class PrefixDialog; }

// Opens the hive file, or Wine's live registry through the bridge while Wine
// runs in that prefix. When the store cannot be used, the reason goes to
// standard error and the user gets the same message as for a missing store.
reg::RegistryChoice openHive(const QString& path, dialogs::Dialogs& dialogs);

// How a file the user picks is named for the add-on under Wine: through the
// drive letters of the prefix that holds the hive.
dialogs::FileDialog::PathMapping fileNamesForAddOn(const QString& hivePath);

// Loads and shows the main window over the opened store; once it is on
// screen, warns when Wine's running copy of the registry makes the store
// read-only.
bool showMainWindow(MainWindow& window, const reg::RegistryChoice& opened, dialogs::Dialogs& dialogs);

class Session : public QObject {
    Q_OBJECT
public:
    using FindPrefixes = std::function<FoundPrefixes(const QString& last)>;

    Session(dialogs::Dialogs& dialogs, dialogs::PrefixDialog& chooser, LastPrefix& last, FindPrefixes find,
            MainWindow::ExitFunction exitProgram);
    ~Session() override;

    // Opens the store of `hiveFile` and shows a window over it. False when
    // the store cannot be used; the user has been told. `remember`: the
    // prefix becomes the one preselected next time. `createStoreKey`: the
    // user opens a hive without the add-on's key, which is made first.
    bool open(const QString& hiveFile, bool remember, bool createStoreKey = false);

    MainWindow* window() const { return current_.window.get(); }
    QString hiveFile() const { return current_.hiveFile; }

    void openAnotherPrefix();
    void showAbout();

private:
    struct Opened {
        std::unique_ptr<reg::Registry> registry;  // outlives its window
        std::unique_ptr<MainWindow> window;
        QString hiveFile;
    };
    void addActions(MainWindow& window);

    dialogs::Dialogs& dialogs_;
    dialogs::PrefixDialog& chooser_;
    LastPrefix& last_;
    FindPrefixes find_;
    MainWindow::ExitFunction exit_;
    bool switching_ = false;
    Opened current_;
    std::vector<Opened> retired_;
};

}  // namespace fk
