// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include "app/CommandLine.h"
#include "app/DemoPrefix.h"
#include "app/PrefixChoice.h"
#include "dialogs/PrefixDialog.h"
#include "app/QuitAfterFirstPaint.h"
#include "app/Screenshots.h"
#include "app/Session.h"
#include "app/Version.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace fk {

namespace {

// The context translators find this file's texts under.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(fk::StartUp)
};

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("fettlekit"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FK_VERSION_TEXT));
}

}  // namespace

int runWithoutWindow(QCoreApplication& app) {
    nameTheProgram();
    Options options;
    if (!parseOptions(app, options)) return 2;
    if (!options.listPrefixes) {
        complain(Texts::tr("no display: set DISPLAY or WAYLAND_DISPLAY, or start it from a desktop session."));
        return 1;
    }
    const FoundPrefixes found = findPrefixesNow(LastPrefix().load());
    for (const QString& prefix : found.prefixes) std::printf("%s\n", qPrintable(prefix));
    if (!found.prefixes.isEmpty()) return 0;
    complain(Texts::tr("no Wine prefix with Brisko! was found in ") + found.looked.join(QStringLiteral(", ")));
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
    bool createStoreKey = false;
    if (options.demo) {
        QString error;
        hiveFile = prepareDemoPrefix(demoPrefixSource(), userStateDir(), &error);
        if (hiveFile.isEmpty()) {
            complain(error);
            return 1;
        }
    }
    if (hiveFile.isEmpty()) {
        const auto chosen = choosePrefixAtStart(findPrefixesNow(last.load()), chooser);
        if (!chosen) {
            complain(Texts::tr("no Wine prefix was chosen."));
            return 1;
        }
        hiveFile = hiveFileOf(chosen->place);
        remember = true;
        createStoreKey = chosen->anyway;
    }

    Session session(dialogs, chooser, last, findPrefixesNow, [](int status) { std::exit(status); });
    if (!session.open(hiveFile, remember, createStoreKey)) return 1;
    if (takingScreenshots) return takeScreenshots(*session.window(), options.screenshotDir);
    if (options.quitWhenShown) quitAfterFirstPaint(*session.window());
    return app.exec();
}

}  // namespace fk
