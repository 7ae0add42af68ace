// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// fettlekit-settings: the add-on's settings by name, for scripts and
// people: list, describe, get, set, reset, diff, export and import. Exit
// status 0, 1 for a refused or failed command, 2 for a wrong command line.
// No Qt.
#include <ostream>
#include <string>
#include <vector>

namespace fk::settingscli {

extern const char* const Usage;

int runSettings(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace fk::settingscli
