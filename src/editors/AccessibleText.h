// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says of the parts the panels draw themselves.
#include <QColor>
#include <QString>

class QFont;

namespace fk {

// "light blue, #EFF5FC": the colour in the user's words, then its hex code.
QString colourInWords(const QColor& colour);

// "AaBbCcZz in Arial, 10 points, weight 700, italic".
QString fontSample(const QString& sample, const QFont& font, int size, int weight);

}  // namespace fk
