// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "app/Translations.h"
#include "catalogue/Catalogue.h"

#include <QApplication>

int main(int argc, char** argv) {
    // What needs no window is answered before Qt looks for a display, which
    // it cannot do without; so is a wrong command line.
    if (fk::wantsNoWindow(argc, argv) || !fk::displayAvailable(argc, argv)) {
        QCoreApplication app(argc, argv);
        fk::installTranslations(app);
        return fk::runWithoutWindow(app);
    }
    // The catalogue is filled before anything else reads it.
    fk::catalogue();
#ifdef _WIN32
    fk::useQtFontEngineUnderWine();
#endif
    QApplication app(argc, argv);
    fk::installTranslations(app);
    return fk::runFettlekit(app);
}
