#include "Catalogue.h"
#include "StartUp.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The catalogue is filled before anything else reads it.
    fk::catalogue();
    QApplication app(argc, argv);
    return fk::runFettlekit(app);
}
