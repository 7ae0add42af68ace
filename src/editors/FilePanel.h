#pragma once
#include "EditorPanel.h"

namespace fk {

// Picture1(1): the editor of the File settings.
class FilePanel : public EditorPanel {
    Q_OBJECT
public:
    FilePanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;
};

}  // namespace fk
