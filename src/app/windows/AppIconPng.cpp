// SPDX-License-Identifier: GPL-3.0-or-later
// The program's picture on Windows: drawn from the SVG at build time into
// PNGs of the usual icon sizes, since the Windows Qt has no SVG module.
#include "app/AppIcon.h"

#include <array>

namespace fk {

namespace {

constexpr std::array Sizes = {16, 24, 32, 48, 64, 256};

QString drawing(int size) { return QStringLiteral(":/fettlekit/fettlekit-%1.png").arg(size); }

}  // namespace

// The smallest drawing that is not smaller, scaled down when it is larger.
QPixmap appPicture(int size) {
    for (int drawn : Sizes) {
        if (drawn < size && drawn != Sizes.back()) continue;
        const QPixmap picture(drawing(drawn));
        return drawn == size ? picture : picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return {};
}

QIcon appIcon() {
    QIcon icon;
    for (int size : Sizes) icon.addFile(drawing(size), QSize(size, size));
    return icon;
}

}  // namespace fk
