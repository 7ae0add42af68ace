// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's side of the date/time tag picker (Form2): the picker
// lists the tags of the entry shown when it opens.
#include "picker/TagPicker.h"

#include <functional>

class QLineEdit;
class QWidget;

namespace fk {

class TagPickerHost {
public:
    TagPickerHost(QWidget* owner, std::function<int()> shownSetting);

    // Opens the picker (once) and hands it the box its tags go into.
    void open(QLineEdit* target);
    void close() { picker_.close(); }
    bool isOpen() const { return picker_.isOpen(); }
    // The picker's window while it is open, else null.
    QWidget* window() const;

private:
    QWidget* owner_;
    std::function<int()> shownSetting_;
    TagPicker picker_;
};

}  // namespace fk
