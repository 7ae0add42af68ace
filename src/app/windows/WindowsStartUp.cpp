// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up on Windows: the store is the current user's own registry, so
// there is no prefix to find or choose and nothing of Wine to start.
#include "app/CommandLine.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/QuitAfterFirstPaint.h"
#include "app/Screenshots.h"
#include "app/StartUp.h"
#include "app/Version.h"
#include "dialogs/Dialogs.h"
#include "platform/registry/Win32Registry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>

#include <cstdlib>

#include <windows.h>

namespace fk {

namespace {

// The About texts translate with the Linux session's.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(fk::Session)
};

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("fettlekit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FK_VERSION_TEXT));
}

void addAbout(MainWindow& window, dialogs::Dialogs& dialogs) {
    QAction* about = window.menu().help()->addAction(Texts::tr("About"));
    about->setObjectName(QStringLiteral("actionAbout"));
    QObject::connect(about, &QAction::triggered, &window, [&window, &dialogs] {
        dialogs.messages.show(&window,
                              Texts::tr("Fettlekit %1\nEdits the hidden settings of Brisko!.\n\n"
                                        "Editing: HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2")
                                  .arg(QStringLiteral(FK_VERSION_TEXT)),
                              Texts::tr("About Fettlekit"), dialogs::MessageIcon::Information);
    });
}

}  // namespace

int runWithoutWindow(QCoreApplication& app) {
    nameTheProgram();
    Options options;
    return parseOptions(app, options) ? 0 : 2;
}

void useQtFontEngineUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const bool underWine = ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    if (underWine && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

int runFettlekit(QApplication& app) {
    nameTheProgram();
    Options options;
    if (!parseOptions(app, options)) return 2;

    dialogs::Dialogs dialogs;
    const bool takingScreenshots = !options.screenshotDir.isEmpty();
    dialogs.setScripted(takingScreenshots);
    // The add-on reads the paths it is given with Windows' separators.
    dialogs.files.setPathMapping([](const QString& path) { return QDir::toNativeSeparators(path); });

    reg::Win32Registry registry;
    MainWindow window(registry, dialogs, [](int status) { std::exit(status); });
    addAbout(window, dialogs);
    if (!window.load()) return 1;
    if (takingScreenshots) return takeScreenshots(window, options.screenshotDir);
    if (options.quitWhenShown) quitAfterFirstPaint(window);
    return app.exec();
}

}  // namespace fk
