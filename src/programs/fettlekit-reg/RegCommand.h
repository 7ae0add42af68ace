// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows' reg command (query, add, copy, delete, export, import) over any
// registry backend, printing what Wine's reg.exe prints so scripts written
// for one work with the other.
#include "platform/registry/Registry.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace fk::regcli {

struct Console {
    std::istream& in;    // answers to "(Yes|No)"
    std::ostream& out;   // everything reg prints, errors included, as reg does
    std::ostream& err;   // only what reg has no message for
    // A terminal echoes the answer and its line break; a pipe does not.
    bool inputEchoed = false;
};

// args are the words after the program name, in UTF-8; the result is reg's
// exit code. `open` is called once the command line has passed reg's checks
// and the registry is needed; null fails the command with exit code 1.
int runReg(const std::function<reg::Registry*()>& open, const std::vector<std::string>& args, Console& console);
int runReg(reg::Registry& registry, const std::vector<std::string>& args, Console& console);

// True for the operations that change the registry.
bool writesRegistry(const std::vector<std::string>& args);

}  // namespace fk::regcli
