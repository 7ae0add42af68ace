// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a step once a window has been painted, from the event loop: the
// window is then on screen where the window manager put it. Header-only:
// the benchmark's bare window ends the same way without linking the program.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace fk {

class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget& window, std::function<void()> step) : QObject(&window), step_(std::move(step)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                step_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> step_;
};

// Ends the event loop after the first paint, so that a benchmark can time
// start-up to the first picture the user sees.
inline void quitAfterFirstPaint(QWidget& window) {
    new AfterFirstPaint(window, [] { QCoreApplication::quit(); });
}

}  // namespace fk
