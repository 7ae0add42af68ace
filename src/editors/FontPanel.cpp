#include "FontPanel.h"

namespace fk {

// Placeholder until the Font editor is built.
FontPanel::FontPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {}

void FontPanel::prepare(int) {}

}  // namespace fk
