#include "TextPanel.h"

#include "AnsiText.h"
#include "Catalogue.h"
#include "PreferenceStore.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace fk {

TextPanel::TextPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName("Picture1(2)");
    defaultLabel_ = makeLabel(this, "Label2(16)", "Default value:", twipsRect(120, 120, 1095, 255));
    // Made before the default display so that the display covers it.
    localLabel_ = makeLabel(this, "Label5", "local specific", twipsRect(1200, 120, 1335, 255));
    localLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    defaultBox_ = new QLineEdit(this);
    defaultBox_->setObjectName("Text17");
    defaultBox_->setReadOnly(true);
    defaultBox_->setGeometry(twipsRect(1200, 120, 1335, 285));
    newLabel_ = makeLabel(this, "Label3(16)", "New value:", twipsRect(120, 480, 975, 255));
    textBox_ = new QLineEdit(this);
    textBox_->setMaxLength(std::numeric_limits<int>::max());  // a long text is refused on saving, not cut
    textBox_->setObjectName("Text33");
    textBox_->setGeometry(twipsRect(480, 840, 2055, 285));
    hintLabel_ = makeLabel(this, "Label4", QString(), twipsRect(480, 1800, 3255, 615));
    hintLabel_->setWordWrap(true);
    hintLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    defaultButton_ = makeButton(this, "Command34", "Set default", twipsRect(2880, 120, 1335, 375));
    changeButton_ = makeButton(this, "Command33", "Change", twipsRect(2880, 600, 1335, 375));
    useButtons(changeButton_, defaultButton_);
    tagButton_ = makeButton(this, "Command52", "Insert tag...", twipsRect(2880, 1080, 1335, 375));

    connect(changeButton_, &QPushButton::clicked, this, [this] { saveText(textBox_, prefActual()); });
    connect(defaultButton_, &QPushButton::clicked, this, [this] { setDefault(); });
    connect(tagButton_, &QPushButton::clicked, this, [this] {
        if (this->context().openTagPicker) this->context().openTagPicker(textBox_);
    });
}

void TextPanel::prepare(int index) {
    const SettingEntry& entry = settingEntry(index);
    defaultBox_->setText(fromAnsi(entry.DefaultText));
    defaultBox_->setVisible(!entry.TextDefaultAbsent);
    loadText(textBox_, index);
    showStyle(entry.TextStyle);
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
        hint = "To add normal text, use single quotes. Example: \"dd'/'MM\" will produce \"18/10\".";
        break;
    case TimeFormat:
        hint = "To add normal text, use single quotes. Example: \"HH':'mm\" will produce \"12:40\".";
        break;
    case TagFormat:
        hint = "Don't put each tag more than once, else the 2nd and next ones may not work.";
        break;
    default:
        return;  // a style of a later version: leave the panel as it was
    }
    tagButton_->setVisible(true);
    hintLabel_->setVisible(true);
    hintLabel_->setText(hint);
}

void TextPanel::loadText(QLineEdit* box, int index) {
    box->setText(fromAnsi(context().store->ReadSettingText(index)));
}

void TextPanel::saveText(QLineEdit* box, int index) {
    context().store->WriteSettingText(toAnsi(box->text()), index);
}

void TextPanel::setDefault() {
    const int index = prefActual();
    const SettingEntry& entry = settingEntry(index);
    if (entry.TextDefaultAbsent) {
        // The add-on's own default depends on the machine's locale: only
        // the absence of the value restores it.
        context().store->DeleteSettingValue(entry.ValueName);
        loadText(textBox_, index);
        return;
    }
    textBox_->setText(fromAnsi(entry.DefaultText));
    saveText(textBox_, index);
}

}  // namespace fk
