// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A key's values and subkeys read the one way every caller needs, in code
// page 1252 (char) or UTF-16 (char16_t). A value's data is read whole: the
// buffer grows to what the registry asks for, a few times at most, so that
// one that asks again without end gets MoreData back rather than a loop.
#include "platform/registry/Registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fk::reg {

// The value `name` (null or empty: the default) of an open key: Success or
// the registry's failure.
template <class Ch>
long readValue(Registry& registry, Key key, const Ch* name, std::uint32_t& type, std::string& bytes);
inline long readValue(Registry& registry, Key key, const std::string& name, std::uint32_t& type, std::string& bytes) {
    return readValue(registry, key, name.c_str(), type, bytes);
}
// The value at `index` in the registry's order, its name with it.
template <class Ch>
long readValueAt(Registry& registry, Key key, std::uint32_t index, NamedValueOf<Ch>& value);
template <class Ch>
long readSubkeyAt(Registry& registry, Key key, std::uint32_t index, std::basic_string<Ch>& name);

// In the registry's own order; a listing stops at the first failure.
template <class Ch = char>
std::vector<std::basic_string<Ch>> listSubkeys(Registry& registry, Key key);
template <class Ch = char>
std::vector<NamedValueOf<Ch>> listValues(Registry& registry, Key key);

}  // namespace fk::reg
