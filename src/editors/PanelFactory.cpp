// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/PanelFactory.h"

#include "catalogue/Catalogue.h"
#include "editors/AccountPanel.h"
#include "editors/BooleanPanel.h"
#include "editors/ColourPanel.h"
#include "editors/FilePanel.h"
#include "editors/FontPanel.h"
#include "editors/NumberPanel.h"
#include "editors/QuickTextPanel.h"
#include "editors/SwitchTextPanel.h"
#include "editors/TextPanel.h"

namespace fk {

EditorPanel* makeEditorPanel(SettingKind kind, const EditorContext& context, QWidget* parent) {
    using enum SettingKind;
    switch (kind) {
    case Boolean: return new BooleanPanel(context, parent);
    case Number: return new NumberPanel(context, parent);
    case Text: return new TextPanel(context, parent);
    case File: return new FilePanel(context, parent);
    case Colour: return new ColourPanel(context, parent);
    case Account: return new AccountPanel(context, parent);
    case Font: return new FontPanel(context, parent);
    case SwitchWithText: return new SwitchTextPanel(context, parent);
    case QuickTexts: return new QuickTextPanel(context, parent);
    case None: return nullptr;
    }
    return nullptr;
}

}  // namespace fk
