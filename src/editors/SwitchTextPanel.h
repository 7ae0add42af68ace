// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editors/EditorPanel.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace fk {

// Picture1(7): the editor of a switch together with the text it turns on.
class SwitchTextPanel : public EditorPanel {
    Q_OBJECT
public:
    SwitchTextPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;

private:
    void loadSwitchWithText(int index);
    void saveSwitchWithText(int index);
    void setDefault();
    void select(bool flag);

    QLabel* switchName_;           // Label18
    QRadioButton* trueChoice_;     // Option1(0)
    QRadioButton* falseChoice_;    // Option1(1)
    QButtonGroup* choices_;
    QLabel* textName_;             // Label19
    QLineEdit* defaultDisplay_;    // Text1
    QLabel* localSpecific_;        // Label20, seen while Text1 is hidden
    QLineEdit* newText_;           // Text2
};

}  // namespace fk
