// SPDX-License-Identifier: GPL-3.0-or-later
#include "picker/TagPicker.h"

#include "catalogue/Catalogue.h"
#include "form/FormLayout.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>
#include <vector>

namespace fk {

namespace {

// A tag and its meaning, translated where the window lists it.
using Rows = std::vector<std::pair<const char*, const char*>>;

const Rows& dateRows() {
    static const Rows rows{
        {"d", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Day of month as digits with no leading zero for single-digit days.")},
        {"dd", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Day of month as digits with leading zero for single-digit days.")},
        {"ddd", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Day of week as a three-letter abbreviation.")},
        {"dddd", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Day of week as its full name.")},
        {"M", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Month as digits with no leading zero for single-digit months.")},
        {"MM", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Month as digits with leading zero for single-digit months.")},
        {"MMM", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Month as a three-letter abbreviation.")},
        {"MMMM", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Month as its full name.")},
        {"yy", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Year as last two digits, but with leading zero for years less than 10.")},
        {"yyyy", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Year represented by full four digits.")},
    };
    return rows;
}

const Rows& timeRows() {
    static const Rows rows{
        {"h", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Hours with no leading zero for single-digit hours; 12-hour clock.")},
        {"hh", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Hours with leading zero for single-digit hours; 12-hour clock.")},
        {"H", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Hours with no leading zero for single-digit hours; 24-hour clock.")},
        {"HH", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Hours with leading zero for single-digit hours; 24-hour clock.")},
        {"m", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Minutes with no leading zero for single-digit minutes.")},
        {"mm", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Minutes with leading zero for single-digit minutes.")},
        {"s", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Seconds with no leading zero for single-digit seconds.")},
        {"ss", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Seconds with leading zero for single-digit seconds.")},
        {"t", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "One character time-marker string, such as A or P.")},
        {"tt", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Multicharacter time-marker string, such as AM or PM.")},
    };
    return rows;
}

const Rows& quoteRows() {
    static const Rows rows{
        {"%1", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Timestamp.")},
        {"%2", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Name.")},
        {"%3", QT_TRANSLATE_NOOP("fk::TagPickerWindow", "Message.")},
    };
    return rows;
}

// Draws a row's tag and meaning (split at its TAB) in two columns; the tag
// column is as wide as the widest tag of the list.
class TagRowDelegate : public QStyledItemDelegate {
public:
    TagRowDelegate(QObject* parent, int tagColumn, int gap)
        : QStyledItemDelegate(parent), tagColumn_(tagColumn), gap_(gap) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString row = opt.text;
        opt.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : nullptr;
        if (style) style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, view);
        const QRect text = opt.rect.adjusted(gap_, 0, -gap_, 0);
        painter->save();
        painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                             : QPalette::Text));
        painter->setFont(opt.font);
        painter->drawText(text.adjusted(0, 0, -(text.width() - tagColumn_), 0), Qt::AlignLeft | Qt::AlignVCenter,
                          row.section(QLatin1Char('\t'), 0, 0));
        painter->drawText(text.adjusted(tagColumn_ + 2 * gap_, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          row.section(QLatin1Char('\t'), 1));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QFontMetrics metrics(option.font);
        const QString row = index.data().toString();
        const int width = tagColumn_ + metrics.horizontalAdvance(row.section(QLatin1Char('\t'), 1)) + 5 * gap_;
        return {width, metrics.height() * 5 / 4};
    }

private:
    int tagColumn_;
    int gap_;
};

}  // namespace

TagPickerWindow::TagPickerWindow(QWidget* owner, int textStyle) : QWidget(owner, Qt::Tool), form_(form::formFont()) {
    setObjectName("Form2");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Date/Time Tags"));
    setFont(form::formFont());
    // The buttons go to the list's right once its size is known (layOut).
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"List1", ListBox, {}, 0, 0, 6825, 750},
        {"Command1", Button, tr("Close"), 0, 0, 615, 375},
        {"Command2", Button, tr("Insert"), 0, 0, 615, 375},
    }, form_);
    list_ = made.get<QListWidget>("List1");
    close_ = made.get<QPushButton>("Command1");
    insert_ = made.get<QPushButton>("Command2");
    // Return on a focused button presses it; elsewhere it inserts.
    close_->setAutoDefault(true);
    insert_->setAutoDefault(true);

    const Rows* rows = nullptr;
    switch (textStyle) {
    case DateFormat: setWindowTitle(tr("Date Tags")); rows = &dateRows(); break;
    case TimeFormat: setWindowTitle(tr("Time Tags")); rows = &timeRows(); break;
    case TagFormat: setWindowTitle(tr("Quote Tags")); rows = &quoteRows(); break;
    default: break;
    }
    // A screen reader reads each row as the tag, then its meaning.
    if (rows)
        for (const auto& [tag, description] : *rows) {
            list_->addItem(QString(tag) + '\t' + tr(description));
            list_->item(list_->count() - 1)->setData(Qt::AccessibleTextRole, tr("%1: %2").arg(QLatin1String(tag), tr(description)));
        }
    list_->setAccessibleName(windowTitle());
    list_->setCurrentRow(-1);
    layOut(rows ? *rows : Rows{});

    connect(insert_, &QPushButton::clicked, this, [this] { insertSelected(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { insertSelected(); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

// The list as designed shows two rows and cuts the meanings, so it grows to
// show every row whole, and the window with it.
void TagPickerWindow::layOut(const Rows& rows) {
    const QFontMetrics metrics(list_->font());
    int tagColumn = 0;
    for (const auto& row : rows) tagColumn = std::max(tagColumn, metrics.horizontalAdvance(QString(row.first)));
    const int gap = std::max(2, metrics.averageCharWidth());
    list_->setItemDelegate(new TagRowDelegate(list_, tagColumn, gap));
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    const int frame = 2 * list_->frameWidth();
    int width = 0, height = 0;
    for (int row = 0; row < list_->count(); ++row) {
        const QSize hint = list_->sizeHintForIndex(list_->model()->index(row, 0));
        width = std::max(width, hint.width());
        height += hint.height();
    }
    const QSize designList = list_->size();
    const QSize list(std::max(designList.width(), width + frame), std::max(designList.height(), height + frame));
    list_->resize(list);
    // A translated caption may need more than the design's width: the
    // buttons grow until it fits between the style's margins.
    auto fitting = [](QPushButton* button) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        const QRect text = button->fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), 0, button->text());
        return button->width() - inside.width() + margin + text.width();
    };
    const int buttonWidth = std::max({close_->width(), fitting(close_), fitting(insert_)});
    for (QPushButton* each : {close_, insert_}) each->resize(buttonWidth, each->height());
    const QSize button = close_->size();
    close_->move(list.width(), 0);
    insert_->move(list.width(), button.height());
    setFixedSize(list.width() + button.width(), std::max(list.height(), 2 * button.height()));
}

QPoint TagPickerWindow::placeOver(const QWidget* owner) const { return owner->pos() + form_.point(135, 2220); }

void TagPickerWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape: close(); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: insertSelected(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void TagPickerWindow::insertSelected() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || !target) return;
    const QString tag = selected.first()->text().section('\t', 0, 0);
    const QString text = target->text();
    const int start = target->hasSelectedText() ? target->selectionStart() : target->cursorPosition();
    const int length = target->hasSelectedText() ? int(target->selectedText().size()) : 0;
    target->setText(text.left(start) + tag + text.mid(start + length));
    target->setCursorPosition(start + int(tag.size()));
    target->activateWindow();
    target->setFocus(Qt::OtherFocusReason);
}

void TagPicker::open(QWidget* mainWindow, QLineEdit* target, int textStyle) {
    if (!isOpen()) {
        window_ = new TagPickerWindow(mainWindow, textStyle);
        if (mainWindow) window_->move(window_->placeOver(mainWindow));
        window_->show();
    }
    window_->target = target;
    window_->raise();
    window_->activateWindow();
}

void TagPicker::close() {
    // Closing deletes the window later; it counts as gone at once.
    if (window_) window_->close();
    window_ = nullptr;
}

// The guarded pointer read once: each read may find the window gone.
bool TagPicker::isOpen() const {
    const TagPickerWindow* window = window_.data();
    return window && !window->isHidden();
}

QLineEdit* TagPicker::target() const {
    const TagPickerWindow* window = window_.data();
    return window && !window->isHidden() ? window->target.data() : nullptr;
}

}  // namespace fk
