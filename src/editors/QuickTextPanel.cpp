// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/QuickTextPanel.h"

#include "catalogue/Catalogue.h"
#include "dialogs/Dialogs.h"
#include "editors/AnsiText.h"
#include "store/QuickTexts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace fk {

namespace {

const QuickTextDefault& defaultsOf(int index) {
    return catalogue().quickTextDefaults.at(size_t(settingEntry(index).auxIndex));
}

}  // namespace

QuickTextPanel::QuickTextPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName(QStringLiteral("Picture1(9)"));
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"Label21", Label, tr("Quick Text:"), 120, 120, 945, 255},
        {"Combo5", Combo, {}, 1080, 120, 1695, 315},
        {"Label22", Label, tr("Text:"), 120, 480, 480, 255},
        {"Text6", ReadOnlyText, {}, 600, 480, 2175, 675},
        {"Label23", Label, tr("Alias:"), 120, 1200, 480, 255},
        {"Text5", ReadOnlyBox, {}, 600, 1200, 2175, 285},
        {"Label2(3)", Label, tr("Default value:"), 120, 1680, 1095, 255},
        {"Text3", ReadOnlyBox, {}, 1200, 1680, 1575, 285},
        {"Label3(3)", Label, tr("New value:"), 120, 2040, 975, 255},
        {"Option2(0)", Radio, tr("True"), 1200, 2040, 1095, 255},
        {"Option2(1)", Radio, tr("False"), 1200, 2280, 1095, 255},
        {"Command9", Button, tr("Set default"), 2880, 120, 1335, 375},
        {"Command6", Button, tr("Change"), 2880, 600, 1335, 375},
    }, form());
    list_ = made.get<QComboBox>("Combo5");
    message_ = made.get<QPlainTextEdit>("Text6");
    message_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    alias_ = made.get<QLineEdit>("Text5");
    defaultDisplay_ = made.get<QLineEdit>("Text3");
    trueChoice_ = made.get<QRadioButton>("Option2(0)");
    falseChoice_ = made.get<QRadioButton>("Option2(1)");
    auto* defaultButton = made.get<QPushButton>("Command9");
    auto* changeButton = made.get<QPushButton>("Command6");
    useButtons(changeButton, defaultButton);

    connect(list_, &QComboBox::activated, this, &QuickTextPanel::showQuickText);
    connect(changeButton, &QPushButton::clicked, this, &QuickTextPanel::saveMenuInclude);
    connect(defaultButton, &QPushButton::clicked, this, &QuickTextPanel::setDefault);
}

void QuickTextPanel::prepare(int index) {
    loadQuickTexts(index);
}

void QuickTextPanel::loadQuickTexts(int index) {
    list_->clear();
    defaultDisplay_->setText(defaultsOf(index).defaultInclude ? tr("True") : tr("False"));
    const auto names = listQuickTexts(*context().store, index);
    if (!names) {
        fatal();
        return;
    }
    for (const std::string& name : *names) list_->addItem(fromAnsi(name));

    list_->setCurrentIndex(-1);
    message_->clear();
    alias_->clear();
    clearChoices();
}

void QuickTextPanel::showQuickText() {
    const auto quickText = readQuickText(*context().store, shownSetting(), toAnsi(list_->currentText()));
    if (!quickText) {
        // The add-on removed it meanwhile; the list no longer matches the store.
        fatal();
        return;
    }
    (quickText->include ? trueChoice_ : falseChoice_)->setChecked(true);
    QString message = fromAnsi(quickText->message);
    // Stored with Windows line ends; the box shows one line break for each.
    message.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    message_->setPlainText(message);
    alias_->setText(fromAnsi(quickText->alias));
}

void QuickTextPanel::saveMenuInclude() {
    if (list_->currentText().isEmpty()) return;
    // Neither choice set counts as false. The store shows "Setting not
    // saved." on a failed write.
    if (writeQuickTextInclude(*context().store, shownSetting(), toAnsi(list_->currentText()),
                              trueChoice_->isChecked()) == QuickTextSave::Gone)
        fatal();
}

void QuickTextPanel::setDefault() {
    if (list_->currentText().isEmpty()) return;
    (defaultsOf(shownSetting()).defaultInclude ? trueChoice_ : falseChoice_)->setChecked(true);
    saveMenuInclude();
}

void QuickTextPanel::clearChoices() {
    // Exclusive buttons cannot all be cleared while they are exclusive.
    for (QRadioButton* choice : {trueChoice_, falseChoice_}) {
        choice->setAutoExclusive(false);
        choice->setChecked(false);
        choice->setAutoExclusive(true);
    }
}

void QuickTextPanel::fatal() {
    context().dialogs->messages.show(context().mainWindow,
                                     tr("An unexpected error has been found while opening the registry"), tr("Error"),
                                     dialogs::MessageIcon::Critical);
    context().exitProgram(1);
}

}  // namespace fk
