#pragma once
#include "EditorPanel.h"

namespace fk {

// Picture1(2): the editor of the Text settings.
class TextPanel : public EditorPanel {
    Q_OBJECT
public:
    TextPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;
};

}  // namespace fk
