// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --demo: a private copy of the demo Wine prefix, so that trying the
// program never changes the copy shipped with it.
#include <QString>

namespace fk {

// The demo prefix next to the sources, else where it is installed; empty
// when neither exists.
QString demoPrefixSource();

// $XDG_STATE_HOME, else ~/.local/state.
QString userStateDir();

// Copies `source` to <stateDir>/fettlekit/demo-prefix unless a copy is
// there already (the user's edits are kept), and returns the copy's
// user.reg. On failure returns empty and says why in `error`; a failed
// copy leaves nothing half made behind.
QString prepareDemoPrefix(const QString& source, const QString& stateDir, QString* error);

}  // namespace fk
