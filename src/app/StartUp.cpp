#include "StartUp.h"

#include "CommandLine.h"
#include "Dialogs.h"
#include "PrefixChoice.h"
#include "PrefixDialog.h"
#include "Session.h"
#include "MainWindow.h"
#include "Messages.h"
#include "QuitAfterFirstPaint.h"
#include "Screenshots.h"
#include "Version.h"
#include "WinePath.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace fk {

reg::RegistryChoice openHive(const QString& path, dialogs::Dialogs& dialogs) {
    reg::RegistryChoice opened = reg::openRegistryFor(path.toStdString());
    if (!opened.bridgeError.empty())
        complain(QStringLiteral("Wine's live registry cannot be reached: ") + QString::fromStdString(opened.bridgeError));
    if (!opened.registry) {
        complain(QString::fromStdString(opened.error));
        dialogs.messages.show(nullptr, messages::registryError(), messages::errorTitle(),
                              dialogs::MessageIcon::Critical);
    }
    return opened;
}

dialogs::FileDialog::PathMapping fileNamesForAddOn(const QString& hivePath) {
    const std::string prefix = QFileInfo(hivePath).absolutePath().toStdString();
    return [prefix](const QString& path) {
        return QString::fromStdString(wine::windowsPathFor(path.toStdString(), prefix));
    };
}

bool showMainWindow(MainWindow& window, const reg::RegistryChoice& opened, dialogs::Dialogs& dialogs) {
    if (!window.load()) return false;
    window.setStoreReadOnly(opened.wineRunning);
    if (opened.wineRunning)
        dialogs.messages.show(&window, messages::wineRunning(), messages::warningTitle(),
                              dialogs::MessageIcon::Exclamation);
    return true;
}

namespace {

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("fettlekit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FK_VERSION_TEXT));
}

}  // namespace

int runWithoutWindow(QCoreApplication& app) {
    nameTheProgram();
    Options options;
    if (!parseOptions(app, options)) return 2;
    if (!options.listPrefixes) return 0;
    const FoundPrefixes found = findPrefixesNow(LastPrefix().load());
    for (const QString& prefix : found.prefixes) std::printf("%s\n", qPrintable(prefix));
    if (!found.prefixes.isEmpty()) return 0;
    complain(QStringLiteral("no Wine prefix with Brisko! was found in ") + found.looked.join(QStringLiteral(", ")));
    return 1;
}

int runFettlekit(QApplication& app) {
    nameTheProgram();
    Options options;
    if (!parseOptions(app, options)) return 2;

    dialogs::Dialogs dialogs;
    dialogs::PrefixDialog chooser;
    const bool takingScreenshots = !options.screenshotDir.isEmpty();
    dialogs.setScripted(takingScreenshots);
    chooser.setScripted(takingScreenshots);
    LastPrefix last;

    QString hiveFile = options.hivePath;
    bool remember = options.rememberPrefix;
    if (hiveFile.isEmpty()) {
        const auto chosen = choosePrefixAtStart(findPrefixesNow(last.load()), chooser);
        if (!chosen) {
            complain(QStringLiteral("no Wine prefix was chosen."));
            return 1;
        }
        hiveFile = hiveFileOf(*chosen);
        remember = true;
    }

    Session session(dialogs, chooser, last, findPrefixesNow, [](int status) { std::exit(status); });
    if (!session.open(hiveFile, remember)) return 1;
    if (takingScreenshots) return takeScreenshots(*session.window(), options.screenshotDir);
    std::optional<QuitAfterFirstPaint> quitter;
    if (options.quitWhenShown) quitter.emplace(*session.window());
    return app.exec();
}

}  // namespace fk
