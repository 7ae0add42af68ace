#pragma once
#include "EditorPanel.h"

namespace fk {

// Picture1(4): the editor of the Font settings.
class FontPanel : public EditorPanel {
    Q_OBJECT
public:
    FontPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;
};

}  // namespace fk
