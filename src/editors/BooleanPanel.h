#pragma once
#include "EditorPanel.h"

namespace fk {

// Picture1(5): the editor of the Boolean settings.
class BooleanPanel : public EditorPanel {
    Q_OBJECT
public:
    BooleanPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;
};

}  // namespace fk
