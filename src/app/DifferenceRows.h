// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The store's differences as the differences view shows them: yes and no
// in the user's language, colours with their swatch, and the account named
// when the rows span several.
#include "dialogs/DifferencesDialog.h"
#include "store/SettingDifferences.h"

#include <vector>

namespace fk {

std::vector<dialogs::DifferenceRow> differenceRows(const std::vector<SettingDifference>& differences);

}  // namespace fk
