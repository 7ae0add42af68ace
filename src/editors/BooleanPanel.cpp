// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/BooleanPanel.h"

#include "catalogue/Catalogue.h"
#include "store/PreferenceStore.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace fk {

BooleanPanel::BooleanPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName(QStringLiteral("Picture1(5)"));
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"Label2(19)", Label, tr("Default value:"), 120, 120, 1095, 255},
        {"Text20", ReadOnlyBox, {}, 1200, 120, 1335, 285},
        {"Label3(19)", Label, tr("New value:"), 120, 480, 975, 255},
        {"Option13(0)", Radio, tr("True"), 480, 840, 1095, 255},
        {"Option13(1)", Radio, tr("False"), 480, 1200, 1095, 255},
        {"Command55", Button, tr("Set default"), 2880, 120, 1335, 375},
        {"Command56", Button, tr("Change"), 2880, 600, 1335, 375},
    }, form());
    defaultDisplay_ = made.get<QLineEdit>("Text20");
    trueChoice_ = made.get<QRadioButton>("Option13(0)");
    falseChoice_ = made.get<QRadioButton>("Option13(1)");
    choices_ = new QButtonGroup(this);
    choices_->addButton(trueChoice_, 0);
    choices_->addButton(falseChoice_, 1);
    QPushButton* defaultButton = made.get<QPushButton>("Command55");
    QPushButton* changeButton = made.get<QPushButton>("Command56");
    useButtons(changeButton, defaultButton);

    connect(changeButton, &QPushButton::clicked, this, &BooleanPanel::save);
    connect(defaultButton, &QPushButton::clicked, this, &BooleanPanel::setDefault);
}

void BooleanPanel::prepare(int index) {
    defaultDisplay_->setText(settingEntry(index).defaultBool ? tr("True") : tr("False"));
    loadBoolean(index);
}

void BooleanPanel::loadBoolean(int index) {
    // A missing or mistyped value gives DefaultBool as 1 or 0.
    select(context().store->readSettingNumber(index) != 0);
}

void BooleanPanel::select(bool flag) {
    (flag ? trueChoice_ : falseChoice_)->setChecked(true);
}

void BooleanPanel::save() {
    // The store tells the user when the write fails.
    context().store->writeSettingBoolean(trueChoice_->isChecked(), shownSetting());
}

void BooleanPanel::setDefault() {
    // The default is written out rather than left missing.
    select(settingEntry(shownSetting()).defaultBool);
    save();
}

}  // namespace fk
