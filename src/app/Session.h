#pragma once
// The window over the opened store, and the move to another prefix: File >
// "Open prefix…" opens the chosen store and puts a new window over it; when
// that store cannot be used the old window stays as it was.
#include "app/MainWindow.h"
#include "platform/bridge/OpenRegistry.h"
#include "app/PrefixChoice.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace fk {

namespace dialogs { struct Dialogs; class PrefixDialog; }

class Session : public QObject {
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
