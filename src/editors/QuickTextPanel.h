#pragma once
#include "EditorPanel.h"

namespace fk {

// Picture1(9): the editor of the QuickTexts settings.
class QuickTextPanel : public EditorPanel {
    Q_OBJECT
public:
    QuickTextPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;
};

}  // namespace fk
