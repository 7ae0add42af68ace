#include "SettingsFilter.h"

#include "AnsiText.h"
#include "Catalogue.h"
#include "SettingsTree.h"

#include <QLineEdit>

namespace fk {

SettingsFilter::SettingsFilter(std::vector<SettingsTree*> trees, std::function<int()> shownIndex)
    : QObject(trees.front()), trees_(std::move(trees)), shownIndex_(std::move(shownIndex)),
      box_(new QLineEdit(trees_.front()->parentWidget())) {
    box_->setObjectName(QStringLiteral("filterBox"));
    box_->setPlaceholderText(tr("Find a setting"));
    box_->hide();
    connect(box_, &QLineEdit::textChanged, this, &SettingsFilter::apply);
    // A setting chosen while the list is narrowed stays in it.
    for (SettingsTree* tree : trees_) connect(tree, &SettingsTree::nodeClicked, this, &SettingsFilter::apply);
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
    }
    box_->setFocus();
    box_->selectAll();
}

void SettingsFilter::close() {
    box_->hide();
    for (std::size_t i = 0; i < trees_.size() && i < places_.size(); ++i) trees_[i]->setGeometry(places_[i]);
    if (SettingsTree* shown = trees_.front()->isVisible() ? trees_.front() : trees_.back()) shown->setFocus();
}

bool SettingsFilter::takeEscape(QObject* watched) {
    if (watched != box_ || box_->isHidden()) return false;
    if (box_->text().isEmpty())
        close();
    else
        box_->clear();
    return true;
}

void SettingsFilter::apply() {
    const QString wanted = folded(box_->text());
    const int shown = shownIndex_();
    for (SettingsTree* tree : trees_) {
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* node = tree->topLevelItem(i);
            const int index = SettingsTree::keyOf(node).mid(1).toInt();
            const SettingEntry& entry = settingEntry(index);
            const bool match = wanted.isEmpty() || index == shown ||
                               folded(fromAnsi(entry.ValueName)).contains(wanted) ||
                               folded(fromAnsi(entry.Description)).contains(wanted);
            node->setHidden(!match);
        }
    }
}

}  // namespace fk
