#pragma once
#include "EditorPanel.h"

namespace fk {

// Picture1(7): the editor of the SwitchWithText settings.
class SwitchTextPanel : public EditorPanel {
    Q_OBJECT
public:
    SwitchTextPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;
};

}  // namespace fk
