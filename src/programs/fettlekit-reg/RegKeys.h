// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys reg works on: a key named on the command line, and walks over a
// key's tree through the registry's W calls. Every walk over a
// tree is a loop with its own stack, so that no depth of keys can exhaust
// the program's, and goes no deeper than Windows lets a path go.
#include "platform/registry/Registry.h"
#include "programs/fettlekit-reg/RegText.h"

#include <functional>
#include <string>
#include <vector>

namespace fk::regcli {

// A key as given on the command line.
struct KeyArg {
    reg::Key root = 0;
    bool hasPath = false;  // false: the root itself
    Text path;             // below the root, without a trailing backslash
    Text longName;         // "HKEY_LOCAL_MACHINE\..." as reg prints it
    std::size_t depth = 0; // levels below the registry's root: reg::levelsAbove(root) and the path's
};

// Visits `top` and every key below it, parents before their subkeys and
// subkeys in the registry's order, each opened with `access`. `depth` is
// that of `top` (KeyArg::depth); keys deeper than Windows allows are not
// opened, and counted in `tooDeep`.
void walkTree(reg::Registry& registry, reg::Key top, const Text& topPath, std::size_t depth, std::uint32_t access,
              const std::function<void(reg::Key, const Text&)>& visit, std::size_t& tooDeep);

// Removes everything below `key` and its values: in one step where the
// registry can, else deepest keys first, opening each with `access` as
// RegDeleteTree does (no view: a relative path); then the first failure
// stops it, as does a key deeper than Windows allows.
long emptyKey(reg::Registry& registry, reg::Key key, std::size_t depth, std::uint32_t access);

}  // namespace fk::regcli
