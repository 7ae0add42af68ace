#include "StartUp.h"

#include "DemoPrefix.h"
#include "HiveRegistry.h"
#include "Dialogs.h"
#include "MainWindow.h"
#include "Messages.h"
#include "QuitAfterFirstPaint.h"
#include "Screenshots.h"
#include "Version.h"
#ifndef _WIN32
#include "WinePath.h"
#endif

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace fk {

namespace {

struct Options {
    QString hivePath;
    QString screenshotDir;
    bool quitWhenShown = false;
};

void complain(const QString& text) { std::fprintf(stderr, "fettlekit: %s\n", qPrintable(text)); }

// Parses the command line; --help and --version end the program here.
bool parseOptions(QApplication& app, Options& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Edits the hidden settings of Brisko! in a Wine prefix."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption registry(QStringLiteral("registry"),
                                      QStringLiteral("Edit this user.reg instead of the Wine prefix's."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Edit a private copy of the demo prefix."));
    QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                   QStringLiteral("Write pictures of the main window to DIR, then quit."),
                                   QStringLiteral("DIR"));
    screenshots.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"),
                                     QStringLiteral("Quit once the main window has been painted."));
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({registry, demo, screenshots, quitWhenShown});
    parser.process(app);

    if (parser.isSet(registry) && parser.isSet(demo)) {
        complain(QStringLiteral("--registry and --demo cannot be used together."));
        return false;
    }
    options.screenshotDir = parser.value(screenshots);
    options.quitWhenShown = parser.isSet(quitWhenShown);
    if (parser.isSet(registry)) {
        options.hivePath = parser.value(registry);
    } else if (parser.isSet(demo)) {
        QString error;
        options.hivePath = prepareDemoPrefix(demoPrefixSource(), userStateDir(), &error);
        if (options.hivePath.isEmpty()) {
            complain(error);
            return false;
        }
    } else {
#ifndef _WIN32
        options.hivePath = QString::fromStdString(reg::defaultHivePath());
#endif
    }
    return true;
}

}  // namespace

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
#ifdef _WIN32
    Q_UNUSED(hivePath);
    return [](const QString& path) { return QDir::toNativeSeparators(path); };
#else
    const std::string prefix = QFileInfo(hivePath).absolutePath().toStdString();
    return [prefix](const QString& path) {
        return QString::fromStdString(wine::windowsPathFor(path.toStdString(), prefix));
    };
#endif
}

bool showMainWindow(MainWindow& window, const reg::RegistryChoice& opened, dialogs::Dialogs& dialogs) {
    if (!window.load()) return false;
    if (opened.wineRunning)
        dialogs.messages.show(&window, messages::wineRunning(), messages::warningTitle(),
                              dialogs::MessageIcon::Exclamation);
    return true;
}

int runFettlekit(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("fettlekit"));
    QApplication::setApplicationVersion(QStringLiteral(FK_VERSION_TEXT));
    Options options;
    if (!parseOptions(app, options)) return 2;

    dialogs::Dialogs dialogs;
    const bool takingScreenshots = !options.screenshotDir.isEmpty();
    dialogs.setScripted(takingScreenshots);

    reg::RegistryChoice opened = openHive(options.hivePath, dialogs);
    if (!opened.registry) return 1;
    dialogs.files.setPathMapping(fileNamesForAddOn(options.hivePath));

    MainWindow window(*opened.registry, dialogs, [](int status) { std::exit(status); });
    if (!showMainWindow(window, opened, dialogs)) return 1;
    if (takingScreenshots) return takeScreenshots(window, options.screenshotDir);
    std::optional<QuitAfterFirstPaint> quitter;
    if (options.quitWhenShown) quitter.emplace(window);
    return app.exec();
}

}  // namespace fk
