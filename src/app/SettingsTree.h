// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TreeView1 and TreeView2: top-level nodes whose key is "P" and the
// catalogue index of their setting.
#include <QTreeWidget>

namespace fk {

class SettingsTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int KeyRole = Qt::UserRole;

    explicit SettingsTree(QWidget* parent);

    void addNode(const QString& key, const QString& text);
    QTreeWidgetItem* nodeByKey(const QString& key) const;
    // The selected node, or null.
    QTreeWidgetItem* selectedNode() const;
    void clearSelectedNode();
    // Selects the node and shows its setting, as a click on it does.
    void chooseNode(QTreeWidgetItem* node);

    static QString keyOf(const QTreeWidgetItem* node);

signals:
    // A node chosen with the mouse or moved to with the keyboard.
    void nodeClicked(QTreeWidgetItem* node);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace fk
