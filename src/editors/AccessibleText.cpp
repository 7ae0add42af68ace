// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/AccessibleText.h"

#include <QCoreApplication>
#include <QFont>

#include <array>

namespace fk {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(fk::AccessibleText)
};

// A hue's name, by the upper end of its range on the colour wheel.
struct Hue {
    int upTo;
    const char* name;
};
constexpr std::array<Hue, 9> Hues = {{
    {15, QT_TRANSLATE_NOOP("fk::AccessibleText", "red")},
    {45, QT_TRANSLATE_NOOP("fk::AccessibleText", "orange")},
    {70, QT_TRANSLATE_NOOP("fk::AccessibleText", "yellow")},
    {160, QT_TRANSLATE_NOOP("fk::AccessibleText", "green")},
    {200, QT_TRANSLATE_NOOP("fk::AccessibleText", "cyan")},
    {255, QT_TRANSLATE_NOOP("fk::AccessibleText", "blue")},
    {290, QT_TRANSLATE_NOOP("fk::AccessibleText", "purple")},
    {345, QT_TRANSLATE_NOOP("fk::AccessibleText", "pink")},
    {360, QT_TRANSLATE_NOOP("fk::AccessibleText", "red")},
}};

QString named(const QColor& colour) {
    const double light = colour.lightnessF();
    // Colours with little hue are told by their lightness alone.
    if (colour.hslSaturationF() < 0.15 || light < 0.08 || light > 0.97) {
        if (light < 0.12) return Texts::tr("black");
        if (light > 0.9) return Texts::tr("white");
        if (light < 0.35) return Texts::tr("dark grey");
        return light > 0.7 ? Texts::tr("light grey") : Texts::tr("grey");
    }
    const int hue = colour.hslHue();
    const char* name = Hues.back().name;
    for (const Hue& h : Hues)
        if (hue < h.upTo) {
            name = h.name;
            break;
        }
    const QString base = Texts::tr(name);
    if (light < 0.3) return Texts::tr("dark %1").arg(base);
    if (light > 0.75) return Texts::tr("light %1").arg(base);
    return base;
}

}  // namespace

QString colourInWords(const QColor& colour) {
    return Texts::tr("%1, %2").arg(named(colour), colour.name(QColor::HexRgb).toUpper());
}

QString fontSample(const QString& sample, const QFont& font, int size, int weight) {
    QString text = Texts::tr("%1 in %2, %n point(s), weight %3", nullptr, size).arg(sample, font.family()).arg(weight);
    return font.italic() ? Texts::tr("%1, italic").arg(text) : text;
}

}  // namespace fk
