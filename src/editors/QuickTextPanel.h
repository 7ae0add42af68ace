// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editors/EditorPanel.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace fk {

// Picture1(9): the "MenuInclude" flag of each quick text of the account.
// Texts and aliases are shown, never changed.
class QuickTextPanel : public EditorPanel {
    Q_OBJECT
public:
    QuickTextPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;

    void loadQuickTexts(int index);
    void showQuickText();
    void saveMenuInclude();

private:
    void setDefault();
    void clearChoices();
    void fatal();

    QComboBox* list_ = nullptr;
    QPlainTextEdit* message_ = nullptr;
    QLineEdit* alias_ = nullptr;
    QLineEdit* defaultDisplay_ = nullptr;
    QRadioButton* trueChoice_ = nullptr;
    QRadioButton* falseChoice_ = nullptr;
};

}  // namespace fk
