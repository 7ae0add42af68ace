#include "BooleanPanel.h"

#include "Catalogue.h"
#include "PreferenceStore.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace fk {

BooleanPanel::BooleanPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName(QStringLiteral("Picture1(5)"));
    place(new QLabel(tr("Default value:"), this), "Label2(19)", twipsRect(120, 120, 1095, 255));
    defaultDisplay_ = place(new QLineEdit(this), "Text20", twipsRect(1200, 120, 1335, 285));
    defaultDisplay_->setReadOnly(true);
    place(new QLabel(tr("New value:"), this), "Label3(19)", twipsRect(120, 480, 975, 255));
    trueChoice_ = place(new QRadioButton(tr("True"), this), "Option13(0)", twipsRect(480, 840, 1095, 255));
    falseChoice_ = place(new QRadioButton(tr("False"), this), "Option13(1)", twipsRect(480, 1200, 1095, 255));
    choices_ = new QButtonGroup(this);
    choices_->addButton(trueChoice_, 0);
    choices_->addButton(falseChoice_, 1);
    resetButton_ = place(new QPushButton(tr("Set default"), this), "Command55", twipsRect(2880, 120, 1335, 375));
    saveButton_ = place(new QPushButton(tr("Change"), this), "Command56", twipsRect(2880, 600, 1335, 375));
    useButtons(saveButton_, resetButton_);

    connect(saveButton_, &QPushButton::clicked, this, &BooleanPanel::save);
    connect(resetButton_, &QPushButton::clicked, this, &BooleanPanel::setDefault);
}

void BooleanPanel::prepare(int index) {
    defaultDisplay_->setText(settingEntry(index).DefaultBool ? tr("True") : tr("False"));
    LoadBoolean(index);
}

void BooleanPanel::LoadBoolean(int index) {
    // A missing or mistyped value gives DefaultBool as 1 or 0.
    select(context().store->ReadSettingNumber(index) != 0);
}

void BooleanPanel::select(bool flag) {
    (flag ? trueChoice_ : falseChoice_)->setChecked(true);
}

void BooleanPanel::save() {
    // The store tells the user when the write fails.
    context().store->WriteSettingBoolean(trueChoice_->isChecked(), prefActual());
}

void BooleanPanel::setDefault() {
    // The default is written out rather than left missing.
    select(settingEntry(prefActual()).DefaultBool);
    save();
}

}  // namespace fk
