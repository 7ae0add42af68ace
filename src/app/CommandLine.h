// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line. --help, --version and --list-prefixes need no
// display, so they are answered before any window exists.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>

class QCoreApplication;

namespace fk {

struct Options {
    QString hivePath;            // --registry or --prefix; empty: find the prefix
    bool rememberPrefix = false;  // --prefix: the user named a prefix to use again
    bool demo = false;
    bool listPrefixes = false;
    QString screenshotDir;
    bool quitWhenShown = false;

    Q_DECLARE_TR_FUNCTIONS(fk::Options)
};

// The options scripts use to picture and time the window, on every platform;
// hidden from --help.
struct ShowingOptions {
    QCommandLineOption screenshots{QStringLiteral("screenshots"),
                                   Options::tr("Write pictures of the main window to DIR, then quit."),
                                   Options::tr("DIR")};
    QCommandLineOption quitWhenShown{QStringLiteral("quit-when-shown"),
                                     Options::tr("Quit once the main window has been painted.")};
    explicit ShowingOptions(QCommandLineParser& parser) {
        for (QCommandLineOption* option : {&screenshots, &quitWhenShown}) {
            option->setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(*option);
        }
    }
    void read(const QCommandLineParser& parser, Options& options) const {
        options.screenshotDir = parser.value(screenshots);
        options.quitWhenShown = parser.isSet(quitWhenShown);
    }
};

// Parses the application's arguments; --help and --version end the program
// here. False after a message on standard error: an unknown option, or a
// --prefix that will not do and why.
bool parseOptions(QCoreApplication& app, Options& options);

// Whether the arguments ask for something that needs no window.
bool wantsNoWindow(int argc, char** argv);

// Whether a window can be shown: a display, or a platform named for Qt.
bool displayAvailable(int argc, char** argv);

void complain(const QString& text);

}  // namespace fk
