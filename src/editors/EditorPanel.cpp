#include "EditorPanel.h"

namespace fk {

EditorPanel::EditorPanel(const EditorContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setGeometry(twipsRect(120, 240, 4335, 2535));
}

}  // namespace fk
