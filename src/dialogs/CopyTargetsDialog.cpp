// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CopyTargetsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace fk::dialogs {

CopyTargetsView::CopyTargetsView(QWidget* parent, const QString& title, const QStringList& targets)
    : QDialog(parent), list_(new QListWidget(this)), which_(new QComboBox(this)) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("copyTargetsView"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Copy these settings to:"), this);
    label->setBuddy(list_);
    layout->addWidget(label);
    list_->setObjectName(QStringLiteral("copyTargets"));
    list_->setAccessibleName(tr("Copy these settings to"));
    for (const QString& target : targets) {
        auto* item = new QListWidgetItem(target, list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(list_);

    auto* form = new QFormLayout;
    which_->setObjectName(QStringLiteral("copyWhich"));
    which_->addItems({tr("Every setting"), tr("Only the changed ones")});
    which_->setAccessibleName(tr("Which settings"));
    form->addRow(tr("&Which settings:"), which_);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox(this);
    copy_ = buttons->addButton(tr("Copy…"), QDialogButtonBox::AcceptRole);
    copy_->setObjectName(QStringLiteral("copyButton"));
    copy_->setEnabled(false);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Nothing to copy to until a target is ticked.
    connect(list_, &QListWidget::itemChanged, this, [this] { copy_->setEnabled(!chosen().ticked.empty()); });
    layout->addWidget(buttons);
    if (list_->count() > 0) list_->setCurrentRow(0);
}

void CopyTargetsView::tick(int row, bool on) {
    if (QListWidgetItem* item = list_->item(row)) item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

CopyTargets CopyTargetsView::chosen() const {
    CopyTargets chosen;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked) chosen.ticked.push_back(i);
    chosen.changedOnly = which_->currentIndex() == 1;
    return chosen;
}

std::optional<CopyTargets> CopyTargetsDialog::choose(QWidget* parent, const QString& title,
                                                     const QStringList& targets) {
    shown_.push_back({title, targets});
    CopyTargetsView view(parent, title, targets);
    if (scripted_) {
        if (answers_.empty()) return std::nullopt;
        const std::optional<CopyTargets> answer = answers_.front();
        answers_.pop_front();
        if (!answer) return std::nullopt;
        // Through the view's own boxes, so that a row it lacks is not taken.
        for (int row : answer->ticked) view.tick(row, true);
        view.which()->setCurrentIndex(answer->changedOnly ? 1 : 0);
        const CopyTargets chosen = view.chosen();
        return chosen.ticked.empty() ? std::nullopt : std::optional(chosen);
    }
    if (view.exec() != QDialog::Accepted) return std::nullopt;
    return view.chosen();
}

}  // namespace fk::dialogs
