// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The form's controls as tables: one row a control, in twips, made, named,
// captioned and placed by one call with the metrics its window measured once.
#include "form/FormMetrics.h"

#include <QString>
#include <QWidget>

#include <initializer_list>
#include <vector>

class QComboBox;
class QLabel;
class QStandardItemModel;

namespace fk::form {

enum class ControlKind {
    Label,          // one line of text
    WrappingLabel,  // text that wraps from the top left of its box
    Button,
    TextBox,        // a one-line edit box
    ReadOnlyBox,    // a one-line box that only shows a value
    ReadOnlyText,   // a box of several lines that only shows them
    Radio,
    CheckBox,
    Slider,         // horizontal, ticks below
    Combo,          // a drop-down list
    EditableCombo,  // a drop-down list whose box takes typing; typing adds no item
    ListBox,
    GroupBox,       // a frame with a title
    Frame,          // a plain rectangle
    ScrollArea,
};

// One control in the form's twips. Its caption is the text, title or
// nothing, as its kind has one; `in` names an earlier row it stands in.
struct ControlRow {
    const char* objectName;
    ControlKind kind;
    QString caption;
    int left, top, width, height;
    const char* in = nullptr;
};

// The controls one table made, by their names.
class FormControls {
public:
    // Null when no row has the name, or its control is not a W.
    template <class W>
    W* get(const char* objectName) const {
        return qobject_cast<W*>(find(objectName));
    }
    QWidget* find(const char* objectName) const;

private:
    friend FormControls placeControls(QWidget*, std::initializer_list<ControlRow>, const FormMetrics&);
    std::vector<QWidget*> controls_;
};

// A label that wraps its text at its width.
QLabel* wrappingLabel(const QString& caption, QWidget* parent);

// Shows `list`'s items in alphabetical order without regard to case,
// whatever the order of adding, as the platform's sorted lists do. Items go
// into the model this returns, never through the list.
QStandardItemModel* sortedItems(QComboBox* list);

// Makes the rows' controls in `parent` in table order: a later row stands
// above an earlier one where they overlap.
FormControls placeControls(QWidget* parent, std::initializer_list<ControlRow> rows, const FormMetrics& form);

}  // namespace fk::form
