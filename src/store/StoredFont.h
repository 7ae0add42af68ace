#pragma once
// A Font setting's subkey read as the add-on reads it: six values, each
// whatever its stored type, into buffers of the add-on's own sizes.
#include "Catalogue.h"
#include "Registry.h"

namespace fk {

// Starts from `values` (the entry's defaults); each value that can be read
// replaces its own. The enable and italic flags read as 1 for any non-zero
// number. `fontKey` is the open subkey.
FontDefault readStoredFont(reg::Registry& registry, reg::Key fontKey, FontDefault values);

bool sameFont(const FontDefault& a, const FontDefault& b);

}  // namespace fk
