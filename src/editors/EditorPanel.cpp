// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/EditorPanel.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <algorithm>
#include <vector>

namespace fk {

EditorPanel::EditorPanel(const EditorContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setFont(form::formFont());
    setGeometry(form_.rect(120, 240, 4335, 2535));
}

void EditorPanel::useButtons(QPushButton* changeButton, QPushButton* defaultButton) {
    changeButton_ = changeButton;
    defaultButton_ = defaultButton;
    updateButtons();
}

void EditorPanel::describe(const QString& description) {
    for (QWidget* stop : tabStops())
        if (stop != changeButton_ && stop != defaultButton_) stop->setAccessibleDescription(description);
}

void EditorPanel::setStoreReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    updateButtons();
}

void EditorPanel::updateButtons() {
    if (changeButton_) changeButton_->setEnabled(!readOnly_);
    if (defaultButton_) defaultButton_->setEnabled(!readOnly_);
}

// A focused button takes Return itself; a box or choice passes it here.
void EditorPanel::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && changeButton_ && changeButton_->isEnabled() &&
        changeButton_->isVisible()) {
        changeButton_->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void EditorPanel::showEvent(QShowEvent* event) {
    // Return on a focused button presses it, as on a dialog.
    for (auto* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) button->setAutoDefault(true);
    const std::vector<QWidget*> stops = tabStops();
    for (size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
    QWidget::showEvent(event);
}

void EditorPanel::showWarning(QWidget* box, bool warn) {
    QPalette palette = box->palette();
    const QPalette normal = box->parentWidget() ? box->parentWidget()->palette() : QPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, warn ? QColor(Qt::red) : normal.color(group, QPalette::Text));
    box->setPalette(palette);
}

std::vector<QWidget*> EditorPanel::tabStops() const {
    std::vector<QWidget*> stops;
    // Read-only displays take the focus only from a click.
    for (auto* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if ((child->focusPolicy() & Qt::TabFocus) && child != changeButton_ && child != defaultButton_) stops.push_back(child);
    std::stable_sort(stops.begin(), stops.end(), [](const QWidget* a, const QWidget* b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    for (QPushButton* button : {defaultButton_, changeButton_})
        if (button) stops.push_back(button);
    return stops;
}

}  // namespace fk
