// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up baseline: a plain Qt window of the main window's size, shown,
// painted once, then gone with status 0, as fettlekit --quit-when-shown does.
#include "app/QuitAfterFirstPaint.h"
#include "form/FormMetrics.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    // Form1's client area, in the form's font as the program draws it.
    window.setFont(fk::form::formFont());
    window.setFixedSize(fk::form::FormMetrics().size(7815, 5040));
    window.setWindowTitle(QStringLiteral("Bare window"));
    fk::quitAfterFirstPaint(window);
    window.show();
    return app.exec();
}
