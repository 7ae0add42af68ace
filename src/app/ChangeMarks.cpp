#include "ChangeMarks.h"

#include "AnsiText.h"
#include "ChangedSettings.h"
#include "SettingsTree.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace fk {

namespace {

// Every node has an icon, blank when unchanged, so the names stay aligned.
QIcon markIcon(bool changed, const QColor& colour) {
    QPixmap picture(8, 8);
    picture.fill(Qt::transparent);
    if (changed) {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(1, 1, 6, 6));
    }
    return QIcon(picture);
}

}  // namespace

void ChangeMarks::show(SettingsTree& tree, reg::Registry& registry, reg::Key key) {
    const QIcon marked = markIcon(true, tree.palette().color(QPalette::Highlight));
    const QIcon blank = markIcon(false, {});
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
        node->setToolTip(0, state.changed ? QStringLiteral("Stored: %1\nDefault: %2")
                                                .arg(fromAnsi(state.stored), fromAnsi(state.byDefault))
                                          : QString());
    }
}

}  // namespace fk
