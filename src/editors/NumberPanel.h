#pragma once
#include "EditorPanel.h"

namespace fk {

// Picture1(3): the editor of the Number settings.
class NumberPanel : public EditorPanel {
    Q_OBJECT
public:
    NumberPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;
};

}  // namespace fk
