// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editors/EditorPanel.h"

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace fk {

// Picture1(5): the editor of the Boolean settings.
class BooleanPanel : public EditorPanel {
    Q_OBJECT
public:
    BooleanPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;

private:
    void loadBoolean(int index);
    void save();
    void setDefault();
    void select(bool flag);

    QLineEdit* defaultDisplay_;    // Text20
    QRadioButton* trueChoice_;     // Option13(0)
    QRadioButton* falseChoice_;    // Option13(1)
    QButtonGroup* choices_;
};

}  // namespace fk
