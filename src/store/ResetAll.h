// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Restores every setting of the current preferences key as each one's own
// "Set default" does: the default stored explicitly, or the value deleted
// where the default is its absence.
#include "store/PreferenceStore.h"

namespace fk {

using ResetResult = SaveResult;

// Entry `index` alone, as its panel's "Set default" restores it.
ResetResult resetSetting(PreferenceStore& store, int index);

// The all-users settings when `allUsers`, else an account's. Stops at the
// first failure.
ResetResult resetAllSettings(PreferenceStore& store, bool allUsers);

}  // namespace fk
