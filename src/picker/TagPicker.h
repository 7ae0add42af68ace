// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form2, the date/time tag picker: a small modeless window owned by the main
// window that lists the tags of the format being edited and inserts the
// chosen one at the caret of its target box.
#include "form/FormMetrics.h"

#include <QPointer>
#include <QWidget>

#include <utility>
#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace fk {

class TagPickerWindow : public QWidget {
    Q_OBJECT
public:
    // Lists the rows of `textStyle` (DateFormat, TimeFormat, TagFormat);
    // any other style lists nothing.
    TagPickerWindow(QWidget* owner, int textStyle);

    // The box the tags go into; set by whoever opens the picker.
    QPointer<QLineEdit> target;

    // Puts the selected row's tag over the target's selection, or at its
    // caret; nothing when no row is selected.
    void insertSelected();

    // Where the window stands over its owner, as designed.
    QPoint placeOver(const QWidget* owner) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    using Rows = std::vector<std::pair<const char*, const char*>>;
    void layOut(const Rows& rows);

    const form::FormMetrics form_;  // the form's font, measured once
    QListWidget* list_;       // List1
    QPushButton* insert_;     // Command2
    QPushButton* close_;      // Command1
};

// The one picker of the main window: created on opening, gone once closed.
class TagPicker {
public:
    // Opens the picker over `mainWindow` with the rows of `textStyle`, or,
    // when it is open already, only hands it the new target and raises it.
    void open(QWidget* mainWindow, QLineEdit* target, int textStyle);
    void close();
    bool isOpen() const;
    TagPickerWindow* window() const { return isOpen() ? window_.data() : nullptr; }
    QLineEdit* target() const;

private:
    QPointer<TagPickerWindow> window_;
};

}  // namespace fk
