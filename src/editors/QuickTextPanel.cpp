#include "QuickTextPanel.h"

namespace fk {

// Placeholder until the QuickTexts editor is built.
QuickTextPanel::QuickTextPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {}

void QuickTextPanel::prepare(int) {}

}  // namespace fk
