#pragma once
#include "editors/EditorPanel.h"

namespace fk {

// The editor panel of a kind (0..8); the about panel is the main window's.
EditorPanel* makeEditorPanel(int kind, const EditorContext& context, QWidget* parent);

}  // namespace fk
