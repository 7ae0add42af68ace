#include "StartUp.h"

#include "DemoPrefix.h"
#include "Dialogs.h"
#include "MainWindow.h"
#include "Messages.h"
#include "Screenshots.h"
#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace fk {

namespace {

struct Options {
    QString hivePath;
    QString screenshotDir;
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
    parser.addOptions({registry, demo, screenshots});
    parser.process(app);

    if (parser.isSet(registry) && parser.isSet(demo)) {
        complain(QStringLiteral("--registry and --demo cannot be used together."));
        return false;
    }
    options.screenshotDir = parser.value(screenshots);
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
        options.hivePath = QString::fromStdString(reg::defaultHivePath());
    }
    return true;
}

}  // namespace

reg::HiveOpenResult openHive(const QString& path, dialogs::Dialogs& dialogs) {
    reg::HiveOpenResult opened = reg::openHiveRegistry(path.toStdString());
    if (!opened.registry) {
        complain(QString::fromStdString(opened.error));
        dialogs.messages.show(nullptr, messages::registryError(), messages::errorTitle(),
                              dialogs::MessageIcon::Critical);
    }
    return opened;
}

int runFettlekit(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("fettlekit"));
    QApplication::setApplicationVersion(QStringLiteral(FK_VERSION_TEXT));
    Options options;
    if (!parseOptions(app, options)) return 2;

    dialogs::Dialogs dialogs;
    const bool takingScreenshots = !options.screenshotDir.isEmpty();
    dialogs.setScripted(takingScreenshots);

    reg::HiveOpenResult opened = openHive(options.hivePath, dialogs);
    if (!opened.registry) return 1;

    MainWindow window(*opened.registry, dialogs, [](int status) { std::exit(status); });
    if (!window.load()) return 1;
    if (opened.wineRunning)
        dialogs.messages.show(&window, messages::wineRunning(), messages::warningTitle(),
                              dialogs::MessageIcon::Exclamation);
    if (takingScreenshots) return takeScreenshots(window, options.screenshotDir);
    return app.exec();
}

}  // namespace fk
