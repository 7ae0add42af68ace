#pragma once
#include "EditorPanel.h"

namespace fk {

// Picture1(6): the editor of the Colour settings.
class ColourPanel : public EditorPanel {
    Q_OBJECT
public:
    ColourPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;
};

}  // namespace fk
