// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/DifferencesDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace fk::dialogs {

namespace {

QIcon swatch(const QString& hex) {
    QPixmap picture(14, 14);
    picture.fill(Qt::transparent);
    const QColor colour(hex);
    if (colour.isValid()) {
        QPainter painter(&picture);
        painter.setPen(QColor(Qt::black));
        painter.setBrush(colour);
        painter.drawRect(0, 0, 13, 13);
    }
    return QIcon(picture);
}

}  // namespace

DifferencesView::DifferencesView(QWidget* parent, const QString& title, const QString& text,
                                 const std::vector<DifferenceRow>& rows, const QString& takeText, bool readOnly)
    : QDialog(parent), table_(new QTreeWidget(this)), readOnly_(readOnly) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("differencesView"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    layout->addWidget(label);

    table_->setObjectName(QStringLiteral("differences"));
    table_->setAccessibleName(text);
    table_->setRootIsDecorated(false);
    table_->setHeaderLabels({tr("Setting"), tr("Current value"), tr("Incoming value"), tr("Default")});
    const bool taking = !takeText.isEmpty();
    for (const DifferenceRow& row : rows) {
        auto* item = new QTreeWidgetItem(table_, {row.name, row.current, row.incoming, row.byDefault});
        if (taking && !readOnly) item->setCheckState(0, Qt::Checked);
        for (int column = 1; row.colour && column < 4; ++column)
            if (!item->text(column).isEmpty()) item->setIcon(column, swatch(item->text(column)));
        // A screen reader hears the row whole.
        item->setData(0, Qt::AccessibleTextRole,
                      tr("%1: now %2, incoming %3, default %4").arg(row.name, row.current, row.incoming, row.byDefault));
    }
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(table_);

    auto* buttons = new QDialogButtonBox(this);
    if (taking) {
        QPushButton* take = buttons->addButton(takeText, QDialogButtonBox::ActionRole);
        take->setObjectName(QStringLiteral("takeButton"));
        // Read-only, the first press offers the ticks and the second takes the ticked rows.
        connect(take, &QPushButton::clicked, this, [this, take] {
            if (!readOnly_) return accept();
            offerTicks();
            take->setText(tr("Take the ticked values"));
        });
        buttons->addButton(readOnly ? QDialogButtonBox::Close : QDialogButtonBox::Cancel);
    } else {
        buttons->addButton(QDialogButtonBox::Close);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    fitToRows();
}

// Every column whole, and up to sixteen rows, where the screen has room:
// the default is the last column, and ticks offered later widen the first.
void DifferencesView::fitToRows() {
    for (int column = 0; column < table_->columnCount(); ++column) table_->resizeColumnToContents(column);
    const QMargins margins = layout()->contentsMargins();
    const int frame = 2 * table_->frameWidth();
    const int wide = table_->header()->length() + frame + table_->verticalScrollBar()->sizeHint().width() +
                     margins.left() + margins.right();
    const int shownRows = std::min(table_->topLevelItemCount(), 16);
    const int rowHeight = shownRows > 0 ? table_->sizeHintForRow(0) : 0;
    const int high = sizeHint().height() - table_->sizeHint().height() + table_->header()->sizeHint().height() +
                     frame + rowHeight * shownRows + table_->horizontalScrollBar()->sizeHint().height();
    const QSize room = screen() ? screen()->availableGeometry().size() * 9 / 10 : QSize(wide, high);
    // Open, it only grows: the user may have made it larger.
    const QSize now = isVisible() ? size() : QSize();
    resize(std::min(std::max({now.width(), sizeHint().width(), wide}), room.width()),
           std::min(std::max({now.height(), sizeHint().height(), high}), room.height()));
}

void DifferencesView::offerTicks() {
    readOnly_ = false;
    for (int i = 0; i < table_->topLevelItemCount(); ++i) table_->topLevelItem(i)->setCheckState(0, Qt::Checked);
    fitToRows();
}

std::vector<int> DifferencesView::ticked() const {
    std::vector<int> rows;
    for (int i = 0; i < table_->topLevelItemCount(); ++i)
        if (table_->topLevelItem(i)->checkState(0) == Qt::Checked) rows.push_back(i);
    return rows;
}

std::optional<std::vector<int>> DifferencesDialog::choose(QWidget* parent, const QString& title, const QString& text,
                                                          const std::vector<DifferenceRow>& rows,
                                                          const QString& takeText, bool readOnly) {
    shown_.push_back({title, text, rows, takeText, readOnly});
    DifferencesView view(parent, title, text, rows, takeText, readOnly);
    if (scripted_) {
        if (answers_.empty()) return std::nullopt;
        const std::optional<std::vector<int>> unticked = answers_.front();
        answers_.pop_front();
        if (!unticked || takeText.isEmpty()) return std::nullopt;
        if (readOnly) view.offerTicks();
        for (int row : *unticked)
            if (QTreeWidgetItem* item = view.table()->topLevelItem(row)) item->setCheckState(0, Qt::Unchecked);
        return view.ticked();
    }
    if (view.exec() != QDialog::Accepted || takeText.isEmpty()) return std::nullopt;
    return view.ticked();
}

}  // namespace fk::dialogs
