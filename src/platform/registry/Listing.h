#pragma once
// A key's subkeys and values as lists, read the one way every caller needs.
#include "platform/registry/Registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fk::reg {

struct NamedValue {
    std::string name;  // code page 1252
    std::uint32_t type = 0;
    std::string bytes;
};

// In the registry's own order; a listing stops at the first failure.
std::vector<std::string> listSubkeys(Registry& registry, Key key);
std::vector<NamedValue> listValues(Registry& registry, Key key);

// The value `name` (empty: the default) of an open key, read whole: Success
// or the registry's failure. The buffer grows to what the registry asks for,
// a few times at most: one that asks again without asking for more gets
// MoreData back.
long readValue(Registry& registry, Key key, const std::string& name, std::uint32_t& type, std::string& bytes);

}  // namespace fk::reg
