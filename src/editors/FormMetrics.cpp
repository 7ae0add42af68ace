#include "FormMetrics.h"

#include <QFontMetrics>

namespace fk {

namespace {

// Rounds halves away from zero, as MulDiv does for dialog units.
int scaled(int twips, int unit, int designUnit) {
    const long long numerator = static_cast<long long>(twips) * unit;
    const long long denominator = static_cast<long long>(designUnit) * FormMetrics::TwipsPerPixel;
    const long long half = denominator / 2;
    return int(numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator));
}

}  // namespace

QFont formFont() { return QFont(QStringLiteral("MS Sans Serif"), 8); }

// The average letter as Windows measures it for dialog units: the width of
// the 52 letters of the alphabet, rounded, over 52.
FormMetrics::FormMetrics(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    letterWidth_ = std::max(1, (alphabet + 26) / 52);
    lineHeight_ = std::max(1, metrics.height());
}

int FormMetrics::x(int twips) const { return scaled(twips, letterWidth_, DesignLetterWidth); }
int FormMetrics::y(int twips) const { return scaled(twips, lineHeight_, DesignLineHeight); }

QRect FormMetrics::rect(int left, int top, int width, int height) const {
    const int l = x(left), t = y(top);
    return QRect(l, t, x(left + width) - l, y(top + height) - t);
}

}  // namespace fk
