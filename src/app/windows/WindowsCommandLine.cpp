// SPDX-License-Identifier: GPL-3.0-or-later
// The command line on Windows: no prefix or hive file to name, since the
// program always edits the current user's registry.
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace fk {

void complain(const QString& text) { std::fprintf(stderr, "fettlekit: %s\n", qPrintable(text)); }

bool parseOptions(QCoreApplication& app, Options& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Options::tr("Edits the hidden settings of Brisko!."));
    parser.addHelpOption();
    parser.addVersionOption();
    const ShowingOptions showing(parser);
    parser.process(app);
    showing.read(parser, options);
    return true;
}

bool wantsNoWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) break;
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) return true;
    }
    return false;
}

// Windows always has a desktop to show the window on.
bool displayAvailable(int, char**) { return true; }

}  // namespace fk
