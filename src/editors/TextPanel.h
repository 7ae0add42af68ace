// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editors/EditorPanel.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace fk {

// Picture1(2): the editor of the Text settings, free texts and date, time
// or quote formats.
class TextPanel : public EditorPanel {
    Q_OBJECT
public:
    TextPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;

private:
    void loadText(QLineEdit* box, int index);
    void saveText(QLineEdit* box, int index);
    void setDefault();
    void showStyle(int textStyle);

    QLineEdit* defaultBox_;      // Text17
    QLineEdit* textBox_;         // Text33
    QLabel* hintLabel_;          // Label4
    QPushButton* tagButton_;     // Command52
};

}  // namespace fk
