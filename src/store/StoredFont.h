// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Font setting's subkey read as the add-on reads it: six values, each
// whatever its stored type, into buffers of the add-on's own sizes.
#include "catalogue/Catalogue.h"
#include "platform/registry/Registry.h"
#include "store/PreferenceStore.h"

namespace fk {

// Starts from `values` (the entry's defaults); each value that can be read
// replaces its own. The enable and italic flags read as 1 for any non-zero
// number. `fontKey` is the open subkey.
FontDefault readStoredFont(reg::Registry& registry, reg::Key fontKey, FontDefault values);

// Font entry `index` under the store's current key, over the entry's
// defaults. Read only: showing a setting never creates its subkey.
FontDefault readFontSetting(const PreferenceStore& store, int index);

// Font entry `index` saved into its subkey, made when it is not there:
// the flags, weight, height, "Charset" unless it equals the default (then
// it is left as stored), and the name. The first failed write stops the
// rest; what was written before it stays.
SaveResult writeFontSetting(PreferenceStore& store, int index, const FontDefault& values);

bool sameFont(const FontDefault& a, const FontDefault& b);

}  // namespace fk
