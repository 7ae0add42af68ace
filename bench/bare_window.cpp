// The start-up baseline: a plain Qt window of the main window's size, shown,
// painted once, then gone with status 0, as fettlekit --quit-when-shown does.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// The same ending as fettlekit's: the loop stops after the window's first
// paint has been handled, so its picture is on the screen.
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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    // Form1's client area: 7815 x 5040 twips at 15 twips a pixel.
    window.setFixedSize(7815 / 15, 5040 / 15);
    window.setWindowTitle(QStringLiteral("Bare window"));
    QuitAfterFirstPaint quitter(window);
    window.show();
    return app.exec();
}
