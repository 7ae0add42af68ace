#include "NumberPanel.h"

namespace fk {

// Placeholder until the Number editor is built.
NumberPanel::NumberPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {}

void NumberPanel::prepare(int) {}

}  // namespace fk
