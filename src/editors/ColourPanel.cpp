// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ColourPanel.h"

#include "catalogue/Catalogue.h"
#include "dialogs/Dialogs.h"
#include "editors/AccessibleText.h"
#include "store/PreferenceStore.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace fk {

namespace {

// A rectangle with a solid fill and a thin black border.
void styleSwatch(QFrame* swatch) {
    swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
    swatch->setLineWidth(1);
    swatch->setAutoFillBackground(true);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    swatch->setPalette(palette);
}

void fill(QFrame* swatch, std::uint32_t colourRef) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, ColourPanel::toQColor(colourRef));
    swatch->setPalette(palette);
    swatch->setAccessibleDescription(colourInWords(ColourPanel::toQColor(colourRef)));
}

// What the colour dialog offers at every opening, whatever the user did to
// them the last time.
const dialogs::ColourDialog::CustomColours& customColours() {
    static const dialogs::ColourDialog::CustomColours colours = [] {
        const std::uint32_t refs[16] = {0xFFFFFF, 0xFFFF00, 0xFF00FF, 0xFF0000, 0x00FFFF, 0x00FF00,
                                        0x0000FF, 0xC0C0C0, 0x808080, 0x808000, 0x800080, 0x800000,
                                        0x008080, 0x008000, 0x000080, 0x000000};
        dialogs::ColourDialog::CustomColours table;
        for (size_t i = 0; i < table.size(); ++i) table[i] = ColourPanel::toQColor(refs[i]);
        return table;
    }();
    return colours;
}

}  // namespace

ColourPanel::ColourPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName(QStringLiteral("Picture1(6)"));
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"Label2(0)", Label, tr("Default value:"), 120, 120, 1095, 255},
        // Under the default swatch, seen only while the swatch is hidden.
        {"Label6", Label, tr("version specific"), 1200, 120, 1335, 255},
        {"Shape1", Frame, {}, 1200, 120, 1335, 255},
        {"Label3(0)", Label, tr("New value:"), 120, 480, 975, 255},
        {"Shape2", Frame, {}, 1200, 480, 1335, 255},
        {"Command1", Button, tr("Select color..."), 1200, 840, 1335, 375},
        {"Command2", Button, tr("Set default"), 2880, 120, 1335, 375},
        {"Command3", Button, tr("Change"), 2880, 600, 1335, 375},
    }, form());
    made.get<QLabel>("Label6")->setAlignment(Qt::AlignCenter);
    defaultSwatch_ = made.get<QFrame>("Shape1");
    newSwatch_ = made.get<QFrame>("Shape2");
    styleSwatch(defaultSwatch_);
    styleSwatch(newSwatch_);
    auto* selectButton = made.get<QPushButton>("Command1");
    auto* defaultButton = made.get<QPushButton>("Command2");
    auto* changeButton = made.get<QPushButton>("Command3");
    useButtons(changeButton, defaultButton);

    connect(selectButton, &QPushButton::clicked, this, &ColourPanel::selectColour);
    connect(changeButton, &QPushButton::clicked, this, &ColourPanel::save);
    connect(defaultButton, &QPushButton::clicked, this, &ColourPanel::setDefault);
}

QColor ColourPanel::toQColor(std::uint32_t colourRef) {
    return QColor(int(colourRef & 0xFF), int(colourRef >> 8 & 0xFF), int(colourRef >> 16 & 0xFF));
}

std::uint32_t ColourPanel::toColourRef(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return std::uint32_t(rgb.red()) | std::uint32_t(rgb.green()) << 8 | std::uint32_t(rgb.blue()) << 16;
}

void ColourPanel::prepare(int index) {
    const SettingEntry& entry = settingEntry(index);
    defaultColour_ = std::uint32_t(entry.defaultLong);
    fill(defaultSwatch_, defaultColour_);
    defaultSwatch_->setVisible(!entry.colourDefaultAbsent);
    loadColour(index);
}

void ColourPanel::loadColour(int index) {
    setNewColour(std::uint32_t(context().store->readSettingNumber(index)));
}

void ColourPanel::setNewColour(std::uint32_t colourRef) {
    newColour_ = colourRef;
    fill(newSwatch_, colourRef);
}

void ColourPanel::selectColour() {
    auto chosen = context().dialogs->colours.chooseColour(context().mainWindow, toQColor(newColour_), customColours());
    // Nothing is saved here: only "Change" stores the colour.
    if (chosen) setNewColour(toColourRef(*chosen));
}

void ColourPanel::save() {
    // The store tells the user when the write fails.
    context().store->writeSettingNumber(std::int32_t(newColour_), shownSetting());
}

void ColourPanel::setDefault() {
    const int index = shownSetting();
    const SettingEntry& entry = settingEntry(index);
    if (entry.colourDefaultAbsent) {
        // The add-on's default depends on the messenger's version, so the
        // value is removed rather than written.
        context().store->deleteSettingValue(entry.valueName);
        loadColour(index);
        return;
    }
    setNewColour(defaultColour_);
    save();
}

}  // namespace fk
