// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ChangeMarks.h"

#include "app/SettingsTree.h"
#include "app/StoreTexts.h"
#include "store/ChangedSettings.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace fk {

namespace {

QPixmap dot(const QColor& colour) {
    QPixmap picture(8, 8);
    picture.fill(Qt::transparent);
    if (colour.isValid()) {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(1, 1, 6, 6));
    }
    return picture;
}

// Every node has an icon, blank when unchanged, so the names stay aligned.
// On the selected row the dot takes the selected text's colour, as the
// highlight's own would vanish in it.
QIcon markIcon(const QPalette& palette) {
    QIcon icon(dot(palette.color(QPalette::Highlight)));
    icon.addPixmap(dot(palette.color(QPalette::HighlightedText)), QIcon::Selected);
    return icon;
}

}  // namespace

void ChangeMarks::show(SettingsTree& tree, reg::Registry& registry, reg::Key key) {
    const QIcon marked = markIcon(tree.palette());
    const QIcon blank(dot(QColor()));
    tree.setIconSize(QSize(8, 8));
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = tree.topLevelItem(i);
        const int index = SettingsTree::keyOf(node).mid(1).toInt();
        const SettingState state = key ? settingState(registry, key, index) : SettingState{};
        QFont font = tree.font();
        font.setBold(state.changed);
        node->setFont(0, font);
        node->setIcon(0, state.changed ? marked : blank);
        node->setData(0, ChangedRole, state.changed);
        QString tip;
        if (state.changed || state.unused)
            tip = QCoreApplication::translate("fk::ChangeMarks", "Stored: %1\nDefault: %2")
                      .arg(StoreTexts::shown(state.stored), StoreTexts::shown(state.byDefault));
        if (state.unused)
            tip += QCoreApplication::translate(
                "fk::ChangeMarks", "\nDisabled: the add-on draws its own font, so this counts as the default.");
        node->setToolTip(0, tip);
        // A screen reader hears the mark that bold and the dot show.
        node->setData(0, Qt::AccessibleTextRole,
                      state.changed ? QCoreApplication::translate("fk::ChangeMarks", "%1, changed").arg(node->text(0))
                                    : QString());
        node->setData(0, Qt::AccessibleDescriptionRole, tip);
    }
}

}  // namespace fk
