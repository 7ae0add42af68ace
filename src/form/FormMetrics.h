// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Twips to pixels for the form's controls. Their places were laid out in
// twips for 8-point "MS Sans Serif" at 96 DPI, whose dialog base units are
// 6 pixels an average letter and 13 pixels a line: 15 twips a pixel. Another
// font, size or DPI scales them by its own base units, as dialog units do on
// Windows: horizontal measures by the letter width, vertical ones by the line.
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace fk::form {

// The font the form was designed in; every control of the form uses it.
QFont formFont();

class FormMetrics {
public:
    static constexpr int TwipsPerPixel = 15;  // at the design font's base units
    static constexpr int DesignLetterWidth = 6;
    static constexpr int DesignLineHeight = 13;

    // The base units of `font` as the screen shows it.
    explicit FormMetrics(const QFont& font = formFont());
    FormMetrics(int letterWidth, int lineHeight) : letterWidth_(letterWidth), lineHeight_(lineHeight) {}

    int x(int twips) const;
    int y(int twips) const;
    QPoint point(int left, int top) const { return {x(left), y(top)}; }
    QSize size(int width, int height) const { return {x(width), y(height)}; }
    // Edges are converted, not lengths, so controls that touch in twips
    // touch in pixels and never overlap by a rounding.
    QRect rect(int left, int top, int width, int height) const;

    int letterWidth() const { return letterWidth_; }
    int lineHeight() const { return lineHeight_; }

private:
    int letterWidth_;
    int lineHeight_;
};

}  // namespace fk::form
