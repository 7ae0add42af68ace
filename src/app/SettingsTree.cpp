// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsTree.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>

namespace fk {

SettingsTree::SettingsTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { emit nodeClicked(node); });
}

void SettingsTree::addNode(const QString& key, const QString& text) {
    auto* node = new QTreeWidgetItem(this, QStringList{text});
    node->setData(0, KeyRole, key);
}

QTreeWidgetItem* SettingsTree::nodeByKey(const QString& key) const {
    for (int i = 0; i < topLevelItemCount(); ++i)
        if (keyOf(topLevelItem(i)) == key) return topLevelItem(i);
    return nullptr;
}

QTreeWidgetItem* SettingsTree::selectedNode() const {
    const auto selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void SettingsTree::clearSelectedNode() {
    // The current item goes too, so that a later click on the same node is
    // a new selection.
    setCurrentItem(nullptr);
    clearSelection();
}

void SettingsTree::chooseNode(QTreeWidgetItem* node) {
    setCurrentItem(node);
    scrollToItem(node);
    emit nodeClicked(node);
}

QString SettingsTree::keyOf(const QTreeWidgetItem* node) { return node->data(0, KeyRole).toString(); }

void SettingsTree::keyPressEvent(QKeyEvent* event) {
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    QTreeWidgetItem* after = currentItem();
    if (after && after != before && after->isSelected()) emit nodeClicked(after);
}

// The keyboard lands on a row, so that the focus shows at once: the setting
// on show, else the first one listed. Nothing more is selected or shown.
void SettingsTree::focusInEvent(QFocusEvent* event) {
    QTreeWidgetItem* row = selectedNode();
    for (int i = 0; !row && i < topLevelItemCount(); ++i)
        if (!topLevelItem(i)->isHidden()) row = topLevelItem(i);
    if (event->reason() != Qt::MouseFocusReason && row && row != currentItem())
        setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
    QTreeWidget::focusInEvent(event);
}

}  // namespace fk
