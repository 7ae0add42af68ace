#pragma once
#include "EditorPanel.h"

namespace fk {

// Picture1(8): the editor of the Account settings.
class AccountPanel : public EditorPanel {
    Q_OBJECT
public:
    AccountPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;
    // The account list, filled once at start-up by the main window.
    void addAccount(const QString& displayName);
};

}  // namespace fk
