#include "FilePanel.h"

namespace fk {

// Placeholder until the File editor is built.
FilePanel::FilePanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {}

void FilePanel::prepare(int) {}

}  // namespace fk
