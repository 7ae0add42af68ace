#include "BooleanPanel.h"

namespace fk {

// Placeholder until the Boolean editor is built.
BooleanPanel::BooleanPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {}

void BooleanPanel::prepare(int) {}

}  // namespace fk
