// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/PrefixChoice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstring>

namespace fk {

void complain(const QString& text) { std::fprintf(stderr, "fettlekit: %s\n", qPrintable(text)); }

bool parseOptions(QCoreApplication& app, Options& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Options::tr("Edits the hidden settings of Brisko! in a Wine prefix."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption prefix(QStringLiteral("prefix"), Options::tr("Edit the Wine prefix in DIR."),
                                    Options::tr("DIR"));
    const QCommandLineOption list(QStringLiteral("list-prefixes"),
                                  Options::tr("List the Wine prefixes that hold Brisko!, the one opened first "
                                              "first, and quit."));
    const QCommandLineOption registry(QStringLiteral("registry"),
                                      Options::tr("Edit this user.reg instead of the Wine prefix's."),
                                      Options::tr("FILE"));
    const QCommandLineOption demo(QStringLiteral("demo"), Options::tr("Edit a private copy of the demo prefix."));
    // Qt's own, taken out of the arguments when it has a value; one without
    // is a wrong command line like any other, read as Qt reads it.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QCommandLineOption platform(QStringLiteral("platform"), Options::tr("The Qt platform to use."),
                                Options::tr("NAME"));
    platform.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({prefix, list, registry, demo, platform});
    const ShowingOptions showing(parser);
    // Not process(): a wrong command line exits with 2, as documented.
    if (!parser.parse(app.arguments())) {
        complain(parser.errorText() + Options::tr(" See fettlekit --help."));
        return false;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) parser.showHelp(0);
    if (parser.isSet(version)) parser.showVersion();

    if (int(parser.isSet(registry)) + int(parser.isSet(demo)) + int(parser.isSet(prefix)) > 1) {
        complain(Options::tr("--registry, --prefix and --demo cannot be used together."));
        return false;
    }
    options.listPrefixes = parser.isSet(list);
    showing.read(parser, options);
    if (parser.isSet(registry)) {
        options.hivePath = parser.value(registry);
    } else if (parser.isSet(prefix)) {
        const auto verdict = checkPlace(parser.value(prefix));
        if (!verdict.problem.isEmpty()) {
            complain(verdict.problem);
            return false;
        }
        options.hivePath = QDir(parser.value(prefix)).filePath(QStringLiteral("user.reg"));
        options.rememberPrefix = true;
    }
    options.demo = parser.isSet(demo);
    return true;
}

namespace {

bool isPlatformOption(const char* arg) {
    return std::strcmp(arg, "-platform") == 0 || std::strcmp(arg, "--platform") == 0;
}

}  // namespace

bool wantsNoWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--") == 0) break;
        // Qt would end the program for want of a platform named.
        if (isPlatformOption(arg) && i + 1 == argc) return true;
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version", "--list-prefixes"})
            if (std::strcmp(arg, option) == 0) return true;
    }
    return false;
}

bool displayAvailable(int argc, char** argv) {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    for (int i = 1; i < argc; ++i)
        if (isPlatformOption(argv[i]) && i + 1 < argc) return true;
    return false;
}

}  // namespace fk
