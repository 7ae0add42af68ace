#include "SwitchTextPanel.h"

#include "AnsiText.h"
#include "Catalogue.h"
#include "PreferenceStore.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace fk {

namespace {
const SwitchTextPair& pairOf(int index) {
    return catalogue().SwitchTextPairs.at(static_cast<std::size_t>(settingEntry(index).AuxIndex));
}
}  // namespace

SwitchTextPanel::SwitchTextPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName(QStringLiteral("Picture1(7)"));
    switchName_ = place(new QLabel(this), "Label18", twipsRect(120, 120, 2655, 255));
    trueChoice_ = place(new QRadioButton(tr("True"), this), "Option1(0)", twipsRect(480, 480, 1935, 255));
    falseChoice_ = place(new QRadioButton(tr("False"), this), "Option1(1)", twipsRect(480, 840, 1935, 255));
    choices_ = new QButtonGroup(this);
    choices_->addButton(trueChoice_, 0);
    choices_->addButton(falseChoice_, 1);
    textName_ = place(new QLabel(this), "Label19", twipsRect(120, 1320, 2655, 255));
    place(new QLabel(tr("Default value:"), this), "Label2(1)", twipsRect(480, 1680, 1095, 255));
    localSpecific_ = place(new QLabel(tr("local specific"), this), "Label20", twipsRect(1560, 1680, 1335, 255));
    defaultDisplay_ = place(new QLineEdit(this), "Text1", twipsRect(1560, 1680, 1335, 285));
    defaultDisplay_->setReadOnly(true);
    localSpecific_->lower();
    place(new QLabel(tr("New value:"), this), "Label3(1)", twipsRect(480, 2040, 975, 255));
    newText_ = place(new QLineEdit(this), "Text2", twipsRect(1560, 2040, 2055, 285));
    newText_->setMaxLength(std::numeric_limits<int>::max());
    resetButton_ = place(new QPushButton(tr("Set default"), this), "Command5", twipsRect(2880, 120, 1335, 375));
    saveButton_ = place(new QPushButton(tr("Change"), this), "Command4", twipsRect(2880, 600, 1335, 375));
    useButtons(saveButton_, resetButton_);

    connect(saveButton_, &QPushButton::clicked, this, [this] { SaveSwitchWithText(prefActual()); });
    connect(resetButton_, &QPushButton::clicked, this, &SwitchTextPanel::setDefault);
}

void SwitchTextPanel::prepare(int index) {
    LoadSwitchWithText(index);
}

void SwitchTextPanel::select(bool flag) {
    (flag ? trueChoice_ : falseChoice_)->setChecked(true);
}

void SwitchTextPanel::LoadSwitchWithText(int index) {
    const SwitchTextPair& pair = pairOf(index);
    PreferenceStore& store = *context().store;

    switchName_->setText(fromAnsi(pair.SwitchValueName) + QLatin1Char(':'));
    textName_->setText(fromAnsi(pair.TextValueName) + QLatin1Char(':'));
    trueChoice_->setText(pair.DefaultSwitch ? tr("True (default)") : tr("True"));
    falseChoice_->setText(pair.DefaultSwitch ? tr("False") : tr("False (default)"));

    bool flag = pair.DefaultSwitch;
    std::int32_t stored = 0;
    if (store.readNumber(store.currentKey(), pair.SwitchValueName, stored)) flag = stored != 0;
    select(flag);

    std::string text = pair.DefaultText;
    std::string storedText;
    if (store.readText(store.currentKey(), pair.TextValueName, storedText)) text = storedText;
    newText_->setText(fromAnsi(text));

    defaultDisplay_->setVisible(!pair.TextDefaultAbsent);
    defaultDisplay_->setText(fromAnsi(pair.DefaultText));
}

void SwitchTextPanel::SaveSwitchWithText(int index) {
    const SwitchTextPair& pair = pairOf(index);
    PreferenceStore& store = *context().store;
    // The text goes only with its switch; the store has told the user.
    if (!store.writeNumber(store.currentKey(), pair.SwitchValueName, trueChoice_->isChecked() ? 1 : 0)) return;
    store.writeText(store.currentKey(), pair.TextValueName, toAnsi(newText_->text()));
}

void SwitchTextPanel::setDefault() {
    const int index = prefActual();
    const SwitchTextPair& pair = pairOf(index);
    PreferenceStore& store = *context().store;
    select(pair.DefaultSwitch);
    if (pair.TextDefaultAbsent) {
        store.DeleteSettingValue(pair.TextValueName);
        store.writeNumber(store.currentKey(), pair.SwitchValueName, pair.DefaultSwitch ? 1 : 0);
        LoadSwitchWithText(index);
    } else {
        newText_->setText(fromAnsi(pair.DefaultText));
        SaveSwitchWithText(index);
    }
}

}  // namespace fk
