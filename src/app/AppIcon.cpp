#include "AppIcon.h"

#include <QPainter>
#include <QSvgRenderer>

// Resources of a static library are registered by hand.
static void loadAppResources() { Q_INIT_RESOURCE(fettlekit); }

namespace fk {

QPixmap appPicture(int size) {
    static const bool loaded = (loadAppResources(), true);
    (void)loaded;
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/fettlekit/fettlekit.svg"));
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(appPicture(size));
    return icon;
}

}  // namespace fk
