#include "AccountPanel.h"

namespace fk {

// Placeholder until the Account editor is built.
AccountPanel::AccountPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {}

void AccountPanel::prepare(int) {}

void AccountPanel::addAccount(const QString&) {}

}  // namespace fk
