#include "TextPanel.h"

namespace fk {

// Placeholder until the Text editor is built.
TextPanel::TextPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {}

void TextPanel::prepare(int) {}

}  // namespace fk
