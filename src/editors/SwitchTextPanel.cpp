// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/SwitchTextPanel.h"

#include "catalogue/Catalogue.h"
#include "editors/AnsiText.h"
#include "store/PreferenceStore.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace fk {

namespace {
const SwitchTextPair& pairOf(int index) {
    return catalogue().switchTextPairs.at(static_cast<std::size_t>(settingEntry(index).auxIndex));
}
}  // namespace

SwitchTextPanel::SwitchTextPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName(QStringLiteral("Picture1(7)"));
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"Label18", Label, {}, 120, 120, 2655, 255},
        {"Option1(0)", Radio, tr("True"), 480, 480, 1935, 255},
        {"Option1(1)", Radio, tr("False"), 480, 840, 1935, 255},
        {"Label19", Label, {}, 120, 1320, 2655, 255},
        {"Label2(1)", Label, tr("Default value:"), 480, 1680, 1095, 255},
        // Under the default display, seen only while the display is hidden.
        {"Label20", Label, tr("local specific"), 1560, 1680, 1335, 255},
        {"Text1", ReadOnlyBox, {}, 1560, 1680, 1335, 285},
        {"Label3(1)", Label, tr("New value:"), 480, 2040, 975, 255},
        {"Text2", TextBox, {}, 1560, 2040, 2055, 285},
        {"Command5", Button, tr("Set default"), 2880, 120, 1335, 375},
        {"Command4", Button, tr("Change"), 2880, 600, 1335, 375},
    }, form());
    switchName_ = made.get<QLabel>("Label18");
    trueChoice_ = made.get<QRadioButton>("Option1(0)");
    falseChoice_ = made.get<QRadioButton>("Option1(1)");
    choices_ = new QButtonGroup(this);
    choices_->addButton(trueChoice_, 0);
    choices_->addButton(falseChoice_, 1);
    textName_ = made.get<QLabel>("Label19");
    localSpecific_ = made.get<QLabel>("Label20");
    localSpecific_->lower();
    defaultDisplay_ = made.get<QLineEdit>("Text1");
    newText_ = made.get<QLineEdit>("Text2");
    newText_->setMaxLength(std::numeric_limits<int>::max());
    QPushButton* defaultButton = made.get<QPushButton>("Command5");
    QPushButton* changeButton = made.get<QPushButton>("Command4");
    useButtons(changeButton, defaultButton);

    connect(changeButton, &QPushButton::clicked, this, [this] { saveSwitchWithText(shownSetting()); });
    connect(defaultButton, &QPushButton::clicked, this, &SwitchTextPanel::setDefault);
}

void SwitchTextPanel::prepare(int index) {
    loadSwitchWithText(index);
}

void SwitchTextPanel::select(bool flag) {
    (flag ? trueChoice_ : falseChoice_)->setChecked(true);
}

void SwitchTextPanel::loadSwitchWithText(int index) {
    const SwitchTextPair& pair = pairOf(index);
    PreferenceStore& store = *context().store;

    switchName_->setText(fromAnsi(pair.switchValueName) + QLatin1Char(':'));
    textName_->setText(fromAnsi(pair.textValueName) + QLatin1Char(':'));
    trueChoice_->setText(pair.defaultSwitch ? tr("True (default)") : tr("True"));
    falseChoice_->setText(pair.defaultSwitch ? tr("False") : tr("False (default)"));

    bool flag = pair.defaultSwitch;
    std::int32_t stored = 0;
    if (store.readNumber(store.currentKey(), pair.switchValueName, stored)) flag = stored != 0;
    select(flag);

    std::string text = pair.defaultText;
    std::string storedText;
    if (store.readText(store.currentKey(), pair.textValueName, storedText)) text = storedText;
    newText_->setText(fromAnsi(text));

    defaultDisplay_->setVisible(!pair.textDefaultAbsent);
    defaultDisplay_->setText(fromAnsi(pair.defaultText));
}

void SwitchTextPanel::saveSwitchWithText(int index) {
    const SwitchTextPair& pair = pairOf(index);
    PreferenceStore& store = *context().store;
    // The text goes only with its switch; the store has told the user.
    if (!store.writeNumber(store.currentKey(), pair.switchValueName, trueChoice_->isChecked() ? 1 : 0)) return;
    store.writeText(store.currentKey(), pair.textValueName, toAnsi(newText_->text()));
}

void SwitchTextPanel::setDefault() {
    const int index = shownSetting();
    const SwitchTextPair& pair = pairOf(index);
    PreferenceStore& store = *context().store;
    select(pair.defaultSwitch);
    if (pair.textDefaultAbsent) {
        store.deleteSettingValue(pair.textValueName);
        store.writeNumber(store.currentKey(), pair.switchValueName, pair.defaultSwitch ? 1 : 0);
        loadSwitchWithText(index);
    } else {
        newText_->setText(fromAnsi(pair.defaultText));
        saveSwitchWithText(index);
    }
}

}  // namespace fk
