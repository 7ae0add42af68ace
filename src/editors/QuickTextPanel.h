#pragma once
#include "EditorPanel.h"

#include "Registry.h"

#include <string>

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

    void LoadQuickTexts(int index);
    void ShowQuickText();
    void SaveMenuInclude();

private:
    void setDefault();
    void clearChoices();
    // Opens the chosen quick text's key; false after the fatal message.
    bool openQuickText(const std::string& subkeyName, reg::Key& key);
    void fatal();

    QComboBox* list_ = nullptr;
    QPlainTextEdit* message_ = nullptr;
    QLineEdit* alias_ = nullptr;
    QLineEdit* defaultDisplay_ = nullptr;
    QRadioButton* trueChoice_ = nullptr;
    QRadioButton* falseChoice_ = nullptr;
};

}  // namespace fk
