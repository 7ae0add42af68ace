// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/AccountPanel.h"

#include "catalogue/Catalogue.h"
#include "editors/AnsiText.h"
#include "store/PreferenceStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>

namespace fk {

namespace {
const QString DefaultUserStored = QStringLiteral("Nobody");
}  // namespace

AccountPanel::AccountPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName(QStringLiteral("Picture1(8)"));
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"Label2(2)", Label, tr("Default value:"), 120, 120, 1095, 255},
        {"Text4", ReadOnlyBox, {}, 1200, 120, 1335, 285},
        {"Label3(2)", Label, tr("New value:"), 120, 480, 975, 255},
        {"Combo4", EditableCombo, {}, 480, 840, 2055, 315},
        {"Command7", Button, tr("Set default"), 2880, 120, 1335, 375},
        {"Command8", Button, tr("Change"), 2880, 600, 1335, 375},
    }, form());
    defaultDisplay_ = made.get<QLineEdit>("Text4");
    accounts_ = made.get<QComboBox>("Combo4");
    // Typed names are stored as typed: no completion, and the list stays the
    // accounts found at start-up.
    accounts_->setCompleter(nullptr);
    accountNames_ = form::sortedItems(accounts_);
    QPushButton* defaultButton = made.get<QPushButton>("Command7");
    QPushButton* changeButton = made.get<QPushButton>("Command8");
    useButtons(changeButton, defaultButton);

    connect(changeButton, &QPushButton::clicked, this, &AccountPanel::save);
    connect(defaultButton, &QPushButton::clicked, this, &AccountPanel::setDefault);
}

QString AccountPanel::displayName(const QString& storedName) {
    return storedName == DefaultUserStored ? tr(" --> Default user <--") : storedName;
}

QString AccountPanel::storedName(const QString& displayName) {
    return displayName == tr(" --> Default user <--") ? DefaultUserStored : displayName;
}

void AccountPanel::addAccount(const QString& name) {
    accountNames_->appendRow(new QStandardItem(name));
}

void AccountPanel::prepare(int index) {
    defaultDisplay_->setText(displayName(fromAnsi(settingEntry(index).defaultText)));
    // A name longer than the box shows its beginning.
    defaultDisplay_->setCursorPosition(0);
    loadAccount(accounts_, index);
}

void AccountPanel::loadAccount(QComboBox* box, int index) {
    box->setEditText(displayName(fromAnsi(context().store->readSettingText(index))));
}

void AccountPanel::save() {
    // The store tells the user when the write fails; the box keeps its text.
    context().store->writeSettingText(toAnsi(storedName(accounts_->currentText())), shownSetting());
}

void AccountPanel::setDefault() {
    accounts_->setEditText(displayName(fromAnsi(settingEntry(shownSetting()).defaultText)));
    save();
}

}  // namespace fk
