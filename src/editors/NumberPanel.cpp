// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/NumberPanel.h"

#include "catalogue/Catalogue.h"
#include "dialogs/Dialogs.h"
#include "editors/NumberText.h"
#include "store/PreferenceStore.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace fk {

namespace {

bool validIndex(int index) { return index >= 0 && index <= NoticeIndex; }

// What the box takes: with no upper limit the slider's end is no bound.
QString allowedValues(const SettingEntry& entry) {
    return entry.maxEnforced ? NumberPanel::tr("Allowed values: %1 to %2").arg(entry.minValue).arg(entry.maxValue)
                             : NumberPanel::tr("Allowed values: %1 or more").arg(entry.minValue);
}

}  // namespace

NumberPanel::NumberPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName("Picture1(3)");
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"Label2(17)", Label, tr("Default value:"), 120, 120, 1095, 255},
        {"Text18", ReadOnlyBox, {}, 1200, 120, 1335, 285},
        {"Label3(17)", Label, tr("New value:"), 120, 480, 975, 255},
        {"Slider4", Slider, {}, 360, 840, 2295, 495},
        {"Label7", Label, tr("Value:"), 600, 1560, 975, 255},
        {"Text28", TextBox, {}, 1560, 1560, 975, 285},
        {"Command36", Button, tr("Set default"), 2880, 120, 1335, 375},
        {"Command35", Button, tr("Change"), 2880, 600, 1335, 375},
    }, form());
    defaultBox_ = made.get<QLineEdit>("Text18");
    slider_ = made.get<QSlider>("Slider4");
    numberBox_ = made.get<QLineEdit>("Text28");
    QPushButton* defaultButton = made.get<QPushButton>("Command36");
    QPushButton* changeButton = made.get<QPushButton>("Command35");
    useButtons(changeButton, defaultButton);

    // Every change of the box is checked, whoever made it: typing, the
    // loader, "Set default" and the slider alike.
    connect(numberBox_, &QLineEdit::textChanged, this, [this] { checkValue(); });
    // Only a move by the user writes into the box; the value set by the
    // check above must not come back as text.
    connect(slider_, &QSlider::actionTriggered, this, [this] { sliderMovedByUser(); });
    connect(changeButton, &QPushButton::clicked, this, [this] { saveNumber(numberBox_, shownSetting()); });
    connect(defaultButton, &QPushButton::clicked, this, [this] { setDefault(); });
}

void NumberPanel::prepare(int index) {
    const SettingEntry& entry = settingEntry(index);
    defaultBox_->setText(QString::number(entry.defaultLong));
    // The wide range first, so that no limit of the previous entry clips
    // the new ones while they are set.
    slider_->setMinimum(0);
    slider_->setMaximum(65536);
    slider_->setMinimum(entry.minValue);
    slider_->setMaximum(entry.maxValue);
    slider_->setTickInterval(entry.tickFrequency);
    slider_->setSingleStep(entry.smallChange);
    slider_->setPageStep(entry.largeChange);
    numberBox_->setToolTip(allowedValues(entry));
    loadNumber(numberBox_, index);
}

void NumberPanel::loadNumber(QLineEdit* box, int index) {
    const QString text = QString::number(context().store->readSettingNumber(index));
    // The same text raises no change, but the limits may be another entry's.
    if (box->text() == text) checkValue();
    else box->setText(text);
}

void NumberPanel::checkValue() {
    const int index = shownSetting();
    if (!validIndex(index)) return;
    const SettingEntry& entry = settingEntry(index);
    const auto value = convertNumberText(numberBox_->text());
    valueValid_ = value && *value >= entry.minValue && (!entry.maxEnforced || *value <= entry.maxValue);
    showWarning(numberBox_, !valueValid_);
    if (context().showHint) context().showHint(valueValid_ ? QString() : allowedValues(entry));
    if (valueValid_) slider_->setValue(*value > entry.maxValue ? entry.maxValue : *value);
}

void NumberPanel::sliderMovedByUser() {
    // Called before the slider takes its new value; its position is the one
    // the user asked for.
    numberBox_->setText(QString::number(slider_->sliderPosition()));
}

void NumberPanel::saveNumber(QLineEdit* box, int index) {
    const auto value = convertNumberText(box->text());
    if (!valueValid_ || !value) {
        context().dialogs->messages.show(context().mainWindow, tr("Wrong value."), tr("Error"),
                                         dialogs::MessageIcon::Exclamation);
        return;
    }
    context().store->writeSettingNumber(*value, index);
}

void NumberPanel::setDefault() {
    const int index = shownSetting();
    if (!validIndex(index)) return;
    numberBox_->setText(QString::number(settingEntry(index).defaultLong));
    saveNumber(numberBox_, index);
}

}  // namespace fk
