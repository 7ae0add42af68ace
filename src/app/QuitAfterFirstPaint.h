#pragma once
// Ends the event loop once a window has been painted, so that a benchmark
// can time start-up to the first picture the user sees. Header-only: the
// benchmark's bare window ends the same way without linking the program.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace fk {

class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QWidget& window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace fk
