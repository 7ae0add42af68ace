// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/TextPanel.h"

#include "catalogue/Catalogue.h"
#include "editors/AnsiText.h"
#include "store/PreferenceStore.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace fk {

TextPanel::TextPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName("Picture1(2)");
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"Label2(16)", Label, tr("Default value:"), 120, 120, 1095, 255},
        // Made before the default display so that the display covers it.
        {"Label5", Label, tr("local specific"), 1200, 120, 1335, 255},
        {"Text17", ReadOnlyBox, {}, 1200, 120, 1335, 285},
        {"Label3(16)", Label, tr("New value:"), 120, 480, 975, 255},
        {"Text33", TextBox, {}, 480, 840, 2055, 285},
        {"Label4", WrappingLabel, {}, 480, 1800, 3255, 615},
        {"Command34", Button, tr("Set default"), 2880, 120, 1335, 375},
        {"Command33", Button, tr("Change"), 2880, 600, 1335, 375},
        {"Command52", Button, tr("Insert tag..."), 2880, 1080, 1335, 375},
    }, form());
    made.get<QLabel>("Label5")->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    defaultBox_ = made.get<QLineEdit>("Text17");
    textBox_ = made.get<QLineEdit>("Text33");
    textBox_->setMaxLength(std::numeric_limits<int>::max());  // a long text is refused on saving, not cut
    hintLabel_ = made.get<QLabel>("Label4");
    QPushButton* defaultButton = made.get<QPushButton>("Command34");
    QPushButton* changeButton = made.get<QPushButton>("Command33");
    tagButton_ = made.get<QPushButton>("Command52");
    useButtons(changeButton, defaultButton);

    connect(changeButton, &QPushButton::clicked, this, [this] { saveText(textBox_, shownSetting()); });
    connect(defaultButton, &QPushButton::clicked, this, [this] { setDefault(); });
    connect(tagButton_, &QPushButton::clicked, this, [this] {
        if (this->context().openTagPicker) this->context().openTagPicker(textBox_);
    });
}

void TextPanel::prepare(int index) {
    const SettingEntry& entry = settingEntry(index);
    defaultBox_->setText(fromAnsi(entry.defaultText));
    defaultBox_->setVisible(!entry.textDefaultAbsent);
    loadText(textBox_, index);
    showStyle(entry.textStyle);
}

void TextPanel::showStyle(int textStyle) {
    QString hint;
    switch (textStyle) {
    case Plain:
        tagButton_->setVisible(false);
        hintLabel_->setVisible(false);
        hintLabel_->clear();
        return;
    case DateFormat:
        hint = tr("To add normal text, use single quotes. Example: \"dd'/'MM\" will produce \"18/10\".");
        break;
    case TimeFormat:
        hint = tr("To add normal text, use single quotes. Example: \"HH':'mm\" will produce \"12:40\".");
        break;
    case TagFormat:
        hint = tr("Don't put each tag more than once, else the 2nd and next ones may not work.");
        break;
    default:
        return;  // a style of a later version: leave the panel as it was
    }
    tagButton_->setVisible(true);
    hintLabel_->setVisible(true);
    hintLabel_->setText(hint);
}

void TextPanel::loadText(QLineEdit* box, int index) {
    box->setText(fromAnsi(context().store->readSettingText(index)));
}

void TextPanel::saveText(QLineEdit* box, int index) {
    context().store->writeSettingText(toAnsi(box->text()), index);
}

void TextPanel::setDefault() {
    const int index = shownSetting();
    const SettingEntry& entry = settingEntry(index);
    if (entry.textDefaultAbsent) {
        // The add-on's own default depends on the machine's locale: only
        // the absence of the value restores it.
        context().store->deleteSettingValue(entry.valueName);
        loadText(textBox_, index);
        return;
    }
    textBox_->setText(fromAnsi(entry.defaultText));
    saveText(textBox_, index);
}

}  // namespace fk
