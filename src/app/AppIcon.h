// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's picture: the window icon and the about panel's Image1.
#include <QIcon>
#include <QPixmap>

namespace fk {

QPixmap appPicture(int size);
QIcon appIcon();

}  // namespace fk
