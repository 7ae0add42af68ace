#include "TagPicker.h"

#include "Catalogue.h"
#include "EditorPanel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <utility>
#include <vector>

namespace fk {

namespace {

using Rows = std::vector<std::pair<const char*, const char*>>;

const Rows& dateRows() {
    static const Rows rows{
        {"d", "Day of month as digits with no leading zero for single-digit days."},
        {"dd", "Day of month as digits with leading zero for single-digit days."},
        {"ddd", "Day of week as a three-letter abbreviation."},
        {"dddd", "Day of week as its full name."},
        {"M", "Month as digits with no leading zero for single-digit months."},
        {"MM", "Month as digits with leading zero for single-digit months."},
        {"MMM", "Month as a three-letter abbreviation."},
        {"MMMM", "Month as its full name."},
        {"yy", "Year as last two digits, but with leading zero for years less than 10."},
        {"yyyy", "Year represented by full four digits."},
    };
    return rows;
}

const Rows& timeRows() {
    static const Rows rows{
        {"h", "Hours with no leading zero for single-digit hours; 12-hour clock."},
        {"hh", "Hours with leading zero for single-digit hours; 12-hour clock."},
        {"H", "Hours with no leading zero for single-digit hours; 24-hour clock."},
        {"HH", "Hours with leading zero for single-digit hours; 24-hour clock."},
        {"m", "Minutes with no leading zero for single-digit minutes."},
        {"mm", "Minutes with leading zero for single-digit minutes."},
        {"s", "Seconds with no leading zero for single-digit seconds."},
        {"ss", "Seconds with leading zero for single-digit seconds."},
        {"t", "One character time-marker string, such as A or P."},
        {"tt", "Multicharacter time-marker string, such as AM or PM."},
    };
    return rows;
}

const Rows& quoteRows() {
    static const Rows rows{
        {"%1", "Timestamp."},
        {"%2", "Name."},
        {"%3", "Message."},
    };
    return rows;
}

}  // namespace

TagPickerWindow::TagPickerWindow(QWidget* owner, int textStyle) : QWidget(owner, Qt::Tool) {
    setObjectName("Form2");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Date/Time Tags");
    setFixedSize(twips(7440), twips(750));
    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    list_->setGeometry(twipsRect(0, 0, 6825, 750));
    close_ = new QPushButton("Close", this);
    close_->setObjectName("Command1");
    close_->setGeometry(twipsRect(6825, 0, 615, 375));
    insert_ = new QPushButton("Insert", this);
    insert_->setObjectName("Command2");
    insert_->setGeometry(twipsRect(6825, 375, 615, 375));

    const Rows* rows = nullptr;
    switch (textStyle) {
    case DateFormat: setWindowTitle("Date Tags"); rows = &dateRows(); break;
    case TimeFormat: setWindowTitle("Time Tags"); rows = &timeRows(); break;
    case TagFormat: setWindowTitle("Quote Tags"); rows = &quoteRows(); break;
    default: break;
    }
    if (rows)
        for (const auto& [tag, description] : *rows) list_->addItem(QString(tag) + '\t' + description);
    list_->setCurrentRow(-1);

    connect(insert_, &QPushButton::clicked, this, [this] { insertSelected(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { insertSelected(); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void TagPickerWindow::insertSelected() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || !Text) return;
    const QString tag = selected.first()->text().section('\t', 0, 0);
    const QString text = Text->text();
    const int start = Text->hasSelectedText() ? Text->selectionStart() : Text->cursorPosition();
    const int length = Text->hasSelectedText() ? int(Text->selectedText().size()) : 0;
    Text->setText(text.left(start) + tag + text.mid(start + length));
    Text->setCursorPosition(start + int(tag.size()));
    Text->activateWindow();
    Text->setFocus(Qt::OtherFocusReason);
}

void TagPicker::open(QWidget* mainWindow, QLineEdit* target, int textStyle) {
    if (!isOpen()) {
        window_ = new TagPickerWindow(mainWindow, textStyle);
        if (mainWindow) window_->move(mainWindow->pos() + QPoint(twips(135), twips(2220)));
        window_->show();
    }
    window_->Text = target;
    window_->raise();
    window_->activateWindow();
}

void TagPicker::close() {
    // Closing deletes the window later; it counts as gone at once.
    if (window_) window_->close();
    window_ = nullptr;
}

bool TagPicker::isOpen() const { return window_ && !window_->isHidden(); }

QLineEdit* TagPicker::Text() const { return isOpen() ? window_->Text.data() : nullptr; }

}  // namespace fk
