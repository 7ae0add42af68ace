// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormMetrics.h"

#include <QFontMetrics>

#ifdef Q_OS_WIN
#include "platform/fonts/FontList.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#endif

namespace fk::form {

namespace {

QString formFamily() {
    const QString design = QStringLiteral("MS Sans Serif");
#ifdef Q_OS_WIN
    // Qt knows a raster face by its cells' height but asks Windows for it by
    // its letters', so Windows' raster "MS Sans Serif" comes one size too big
    // and without italics; Wine's is its bitmaps in a TrueType file, where Qt
    // draws no "I" or "!". The TrueType twin has the same measures; where
    // GDI has no scalable face for it, the system's own dialog font.
    static const QString family = [] {
        const QString drawn = QString::fromStdString(fonts::drawnFamily("Microsoft Sans Serif"));
        return QFontDatabase::families().contains(drawn) && QFontDatabase::isSmoothlyScalable(drawn)
                   ? drawn
                   : QGuiApplication::font().family();
    }();
    return family;
#else
    return design;
#endif
}

// Rounds halves away from zero, as MulDiv does for dialog units.
int scaled(int twips, int unit, int designUnit) {
    const long long numerator = static_cast<long long>(twips) * unit;
    const long long denominator = static_cast<long long>(designUnit) * FormMetrics::TwipsPerPixel;
    const long long half = denominator / 2;
    return int(numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator));
}

}  // namespace

QFont formFont() {
    QFont font(formFamily(), 8);
    // Where the face is missing, a sans-serif one stands in for it.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

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

}  // namespace fk::form
