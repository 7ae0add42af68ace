#include "EditorPanel.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <vector>

namespace fk {

namespace {

const QColor WarningRed(255, 0, 0);

bool isReadOnlyDisplay(const QWidget* widget) {
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) return line->isReadOnly();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget)) return text->isReadOnly();
    return false;
}

}  // namespace

EditorPanel::EditorPanel(const EditorContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setFont(formFont());
    setGeometry(form_.rect(120, 240, 4335, 2535));
}

void EditorPanel::useButtons(QPushButton* change, QPushButton* setDefault) {
    change_ = change;
    setDefault_ = setDefault;
    updateButtons();
}

void EditorPanel::setStoreReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    updateButtons();
}

void EditorPanel::updateButtons() {
    if (change_) change_->setEnabled(!readOnly_);
    if (setDefault_) setDefault_->setEnabled(!readOnly_);
}

// A focused button takes Return itself; a box or choice passes it here.
void EditorPanel::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && change_ && change_->isEnabled() &&
        change_->isVisible()) {
        change_->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void EditorPanel::showEvent(QShowEvent* event) {
    // Return on a focused button presses it, as on a dialog.
    for (auto* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) button->setAutoDefault(true);
    setReadingTabOrder(this);
    QWidget::showEvent(event);
}

void EditorPanel::showWarning(QWidget* box, bool warn) {
    QPalette palette = box->palette();
    const QPalette normal = box->parentWidget() ? box->parentWidget()->palette() : QPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, warn ? WarningRed : normal.color(group, QPalette::Text));
    box->setPalette(palette);
}

bool EditorPanel::showsWarning(const QWidget* box) {
    return box->palette().color(QPalette::Active, QPalette::Text) == WarningRed;
}

void setReadingTabOrder(QWidget* container) {
    std::vector<QWidget*> stops;
    for (auto* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (isReadOnlyDisplay(child)) {
            child->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        if (child->focusPolicy() & Qt::TabFocus) stops.push_back(child);
    }
    std::stable_sort(stops.begin(), stops.end(), [](const QWidget* a, const QWidget* b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    for (size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}

}  // namespace fk
