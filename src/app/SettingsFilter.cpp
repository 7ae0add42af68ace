// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsFilter.h"

#include "app/ChangeMarks.h"
#include "app/SettingsTree.h"
#include "catalogue/Catalogue.h"
#include "editors/AnsiText.h"
#include "editors/CatalogueText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace fk {

SettingsFilter::SettingsFilter(std::vector<SettingsTree*> trees)
    : QObject(trees.front()), trees_(std::move(trees)), box_(new QLineEdit(trees_.front()->parentWidget())) {
    box_->setObjectName(QStringLiteral("filterBox"));
    box_->setPlaceholderText(tr("Find a setting"));
    box_->setAccessibleName(box_->placeholderText());
    box_->hide();
    box_->installEventFilter(this);
    connect(box_, &QLineEdit::textChanged, this, &SettingsFilter::apply);
    for (SettingsTree* tree : trees_) {
        auto* note = new QLabel;
        note->setObjectName(QStringLiteral("noMatch"));
        note->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        note->setEnabled(false);  // drawn as a placeholder, not a row
        note->hide();
        auto* layout = new QVBoxLayout(tree->viewport());
        layout->addWidget(note);
        noMatch_.push_back(note);
    }
}

QString SettingsFilter::folded(const QString& text) {
    QString result;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD))
        if (c.category() != QChar::Mark_NonSpacing) result += c;
    return result.toCaseFolded();
}

void SettingsFilter::open() {
    if (box_->isHidden()) {
        // Its icon comes from the icon theme, whose index costs the start
        // a few milliseconds; most runs never open the box.
        box_->setClearButtonEnabled(true);
        // The box takes the top of the list's place; the list moves down.
        const QRect place = trees_.front()->geometry();
        const int height = box_->sizeHint().height();
        box_->setGeometry(place.x(), place.y(), place.width(), height);
        places_.clear();
        for (SettingsTree* tree : trees_) {
            places_.push_back(tree->geometry());
            tree->setGeometry(tree->geometry().adjusted(0, height + 2, 0, 0));
        }
        box_->show();
        keepSelectionInView();
    }
    box_->setFocus();
    box_->selectAll();
}

void SettingsFilter::close() {
    box_->hide();
    for (std::size_t i = 0; i < trees_.size() && i < places_.size(); ++i) trees_[i]->setGeometry(places_[i]);
    shownTree()->setFocus();
}

SettingsTree* SettingsFilter::shownTree() const {
    return trees_.front()->isVisible() ? trees_.front() : trees_.back();
}

bool SettingsFilter::takeEscape(QObject* watched) {
    if (watched != box_ || box_->isHidden()) return false;
    if (box_->text().isEmpty())
        close();
    else
        box_->clear();
    return true;
}

bool SettingsFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        enterResults();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// Down from the box goes to the setting on show when it is among the
// results, else to the first result, which is then shown.
void SettingsFilter::enterResults() {
    SettingsTree* tree = shownTree();
    QTreeWidgetItem* node = tree->selectedNode();
    if (node && !node->isHidden()) {
        tree->setFocus();
        tree->scrollToItem(node);
        return;
    }
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (tree->topLevelItem(i)->isHidden()) continue;
        tree->setFocus();
        tree->chooseNode(tree->topLevelItem(i));
        return;
    }
}

void SettingsFilter::keepSelectionInView() {
    for (SettingsTree* tree : trees_)
        if (QTreeWidgetItem* node = tree->selectedNode(); node && !node->isHidden()) tree->scrollToItem(node);
}

void SettingsFilter::apply() {
    const QString wanted = folded(box_->text());
    for (std::size_t t = 0; t < trees_.size(); ++t) {
        SettingsTree* tree = trees_[t];
        bool any = false;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* node = tree->topLevelItem(i);
            const int index = SettingsTree::keyOf(node).mid(1).toInt();
            // The description as the window shows it, in the user's language.
            const bool found = wanted.isEmpty() || folded(fromAnsi(settingEntry(index).valueName)).contains(wanted) ||
                               folded(settingDescription(index)).contains(wanted);
            const bool match = found && (!changedOnly_ || node->data(0, ChangeMarks::ChangedRole).toBool());
            node->setHidden(!match);
            any = any || match;
        }
        noMatch_[t]->setText(changedOnly_ && wanted.isEmpty() ? tr("No setting differs from its default")
                                                               : tr("No setting matches"));
        noMatch_[t]->setVisible(!any);
    }
    keepSelectionInView();
}

void SettingsFilter::setChangedOnly(bool on) {
    changedOnly_ = on;
    apply();
}

}  // namespace fk
