// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <utility>

namespace fk::form {

QLabel* wrappingLabel(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QStandardItemModel* sortedItems(QComboBox* list) {
    auto* items = new QStandardItemModel(0, 1, list);
    auto* sorted = new QSortFilterProxyModel(list);
    sorted->setSourceModel(items);
    sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    // Equal names keep the order they came in.
    sorted->sort(0);
    list->setModel(sorted);
    return items;
}

namespace {

// A display looks as it is, with the ground of a disabled box; a click
// gives it the keys, which then move only its own caret.
template <class Box>
Box* readOnly(Box* box) {
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Base, palette.color(QPalette::Disabled, QPalette::Base));
    box->setPalette(palette);
    return box;
}

QSlider* slider(QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

QComboBox* editableCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The list opens on the item the box holds, whoever put the text there.
    QObject::connect(combo, &QComboBox::editTextChanged, combo, [combo](const QString& text) {
        const int at = combo->findText(text);
        if (at >= 0 && at != combo->currentIndex()) combo->setCurrentIndex(at);
    });
    return combo;
}

QWidget* make(ControlKind kind, const QString& caption, QWidget* parent) {
    switch (kind) {
    case ControlKind::Label: return new QLabel(caption, parent);
    case ControlKind::WrappingLabel: return wrappingLabel(caption, parent);
    case ControlKind::Button: return new QPushButton(caption, parent);
    case ControlKind::TextBox: return new QLineEdit(parent);
    case ControlKind::ReadOnlyBox: return readOnly(new QLineEdit(parent));
    case ControlKind::ReadOnlyText: return readOnly(new QPlainTextEdit(parent));
    case ControlKind::Radio: return new QRadioButton(caption, parent);
    case ControlKind::CheckBox: return new QCheckBox(caption, parent);
    case ControlKind::Slider: return slider(parent);
    case ControlKind::Combo: return new QComboBox(parent);
    case ControlKind::EditableCombo: return editableCombo(parent);
    case ControlKind::ListBox: return new QListWidget(parent);
    case ControlKind::GroupBox: return new QGroupBox(caption, parent);
    case ControlKind::Frame: return new QFrame(parent);
    case ControlKind::ScrollArea: return new QScrollArea(parent);
    }
    return new QWidget(parent);
}

bool isLabel(ControlKind kind) { return kind == ControlKind::Label || kind == ControlKind::WrappingLabel; }

// The kinds a label beside them names: they have no caption of their own.
bool takesLabel(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::ReadOnlyBox:
    case ControlKind::ReadOnlyText:
    case ControlKind::Slider:
    case ControlKind::Combo:
    case ControlKind::EditableCombo:
    case ControlKind::ListBox:
    case ControlKind::Frame: return true;
    default: return false;
    }
}

// The label that names `row` as the eye reads the form: the nearest one to
// its left on its line, else the nearest one above it.
const ControlRow* labelOf(const ControlRow& row, std::initializer_list<ControlRow> rows) {
    const ControlRow* best = nullptr;
    auto rank = [&row](const ControlRow& l) {
        const bool onLine = l.top >= row.top && l.top < row.top + row.height && l.left < row.left;
        return std::pair(onLine ? 1 : 0, onLine ? l.left : l.top);
    };
    for (const ControlRow& l : rows) {
        if (!isLabel(l.kind) || l.caption.isEmpty() || QLatin1String(l.in) != QLatin1String(row.in)) continue;
        if (l.top >= row.top + row.height || l.left > row.left || (l.top >= row.top && l.left >= row.left)) continue;
        if (!best || rank(l) > rank(*best)) best = &l;
    }
    return best;
}

}  // namespace

QWidget* FormControls::find(const char* objectName) const {
    const QLatin1String name(objectName);
    for (QWidget* control : controls_)
        if (control->objectName() == name) return control;
    return nullptr;
}

FormControls placeControls(QWidget* parent, std::initializer_list<ControlRow> rows, const FormMetrics& form) {
    FormControls made;
    made.controls_.reserve(rows.size());
    for (const ControlRow& row : rows) {
        QWidget* in = row.in ? made.find(row.in) : parent;
        Q_ASSERT(in);
        QWidget* control = make(row.kind, row.caption, in);
        control->setObjectName(QLatin1String(row.objectName));
        control->setGeometry(form.rect(row.left, row.top, row.width, row.height));
        made.controls_.push_back(control);
    }
    // A screen reader names a box by its label, and the label's mnemonic reaches it.
    for (const ControlRow& row : rows) {
        const ControlRow* label = takesLabel(row.kind) ? labelOf(row, rows) : nullptr;
        if (!label) continue;
        QWidget* control = made.find(row.objectName);
        made.get<QLabel>(label->objectName)->setBuddy(control);
        const QString name = label->caption.chopped(label->caption.endsWith(QLatin1Char(':')) ? 1 : 0).trimmed();
        control->setAccessibleName(name);
        // Typing goes to an editable list's own box, which a reader meets apart.
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
            combo->lineEdit()->setAccessibleName(name);
    }
    return made;
}

}  // namespace fk::form
