// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry over a Wine prefix's hive files, edited in place: user.reg
// for the current user, system.reg and userdef.reg beside it for the others.
#include "platform/registry/Problem.h"
#include "platform/registry/Registry.h"

#include <memory>
#include <string>

namespace fk::reg {

struct HiveOpenResult {
    std::unique_ptr<Registry> registry;  // null when the file could not be used
    Problem error;                       // why, naming the line for a damaged file
    bool wineRunning = false;            // opened read-only because a wineserver serves the prefix
};

// Opens the hive file. A missing, unreadable or damaged file gives no
// registry and an error; the file is never modified in that case.
HiveOpenResult openHiveRegistry(const std::string& path);

// --registry FILE, else $WINEPREFIX/user.reg, else ~/.wine/user.reg.
std::string defaultHivePath();

}  // namespace fk::reg
