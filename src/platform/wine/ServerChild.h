// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starts a program for a wineserver. It runs in a session of its own with
// no terminal, no new privileges, no capabilities and none of our files but
// the pipes it is given; for a sandboxed server inside all of that server's
// namespaces and its root, so that it can do nothing the sandbox could not.
// Linux only.
#include "platform/wine/WineServer.h"

#include "platform/registry/Problem.h"

#include <string>
#include <vector>

namespace fk::wine {

struct ChildStart {
    // Our own child: it ends when the program ends, and the program ends
    // when it is killed. -1 when nothing runs.
    int pid = -1;
    reg::Problem error;
};

// Runs the first of `programs` (paths in the server's root) that starts,
// with `arguments` after its name and exactly `environment`; `input` and
// `output` become its standard input and output, its errors are dropped.
ChildStart startChild(const WineServer& server, const std::vector<std::string>& programs,
                      const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                      int input, int output);

}  // namespace fk::wine
