// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

// Resources of a static library are registered by hand.
static void loadAppResources() { Q_INIT_RESOURCE(fettlekit); }

namespace fk {

namespace {

const QString PicturePath = QStringLiteral(":/fettlekit/fettlekit.svg");

void renderPicture(QPainter& painter, const QRect& rect) {
    static const bool loaded = (loadAppResources(), true);
    (void)loaded;
    QSvgRenderer renderer(PicturePath);
    renderer.render(&painter, rect);
}

// Draws the picture at the size it is asked for, when it is asked for:
// rendering every size up front would slow the start.
class PictureEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        renderPicture(*painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        renderPicture(painter, picture.rect());
        return picture;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {{16, 16}, {32, 32}, {48, 48}}; }
    QIconEngine* clone() const override { return new PictureEngine; }
    QString key() const override { return QStringLiteral("fettlekit-picture"); }
};

}  // namespace

QPixmap appPicture(int size) {
    return PictureEngine().pixmap(QSize(size, size), QIcon::Normal, QIcon::Off);
}

QIcon appIcon() { return QIcon(new PictureEngine); }

}  // namespace fk
