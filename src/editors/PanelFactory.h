// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "catalogue/Catalogue.h"
#include "editors/EditorPanel.h"

namespace fk {

// The editor panel of a kind; None has none here (the about panel is the
// main window's).
EditorPanel* makeEditorPanel(SettingKind kind, const EditorContext& context, QWidget* parent);

}  // namespace fk
