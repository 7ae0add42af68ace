// The start-up baseline: a plain Qt window of the main window's size, shown,
// painted once, then gone with status 0, as fettlekit --quit-when-shown does.
#include "QuitAfterFirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    // Form1's client area: 7815 x 5040 twips at 15 twips a pixel.
    window.setFixedSize(7815 / 15, 5040 / 15);
    window.setWindowTitle(QStringLiteral("Bare window"));
    fk::QuitAfterFirstPaint quitter(window);
    window.show();
    return app.exec();
}
