#include "ColourPanel.h"

namespace fk {

// Placeholder until the Colour editor is built.
ColourPanel::ColourPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {}

void ColourPanel::prepare(int) {}

}  // namespace fk
