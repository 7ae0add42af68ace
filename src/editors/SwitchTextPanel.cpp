#include "SwitchTextPanel.h"

namespace fk {

// Placeholder until the SwitchWithText editor is built.
SwitchTextPanel::SwitchTextPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {}

void SwitchTextPanel::prepare(int) {}

}  // namespace fk
