#include "Catalogue.h"
#include "CommandLine.h"
#include "StartUp.h"

#include <QApplication>

int main(int argc, char** argv) {
    // What needs no window is answered before Qt looks for a display, which
    // it cannot do without.
    if (fk::wantsNoWindow(argc, argv)) {
        QCoreApplication app(argc, argv);
        return fk::runWithoutWindow(app);
    }
    if (!fk::displayAvailable(argc, argv)) {
        fk::complain(QStringLiteral("no display: set DISPLAY or WAYLAND_DISPLAY, or start it from a desktop session."));
        return 1;
    }
    // The catalogue is filled before anything else reads it.
    fk::catalogue();
    QApplication app(argc, argv);
    return fk::runFettlekit(app);
}
