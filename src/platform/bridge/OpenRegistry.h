// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picks the registry the program works on. On Windows: the real one. On
// Linux: the prefix's user.reg, or, while Wine runs in that prefix and
// fettlekit-bridge.exe is at hand, Wine's live registry through the bridge.
#include "platform/registry/Problem.h"
#include "platform/registry/Registry.h"

#include <memory>
#include <string>

namespace fk::reg {

struct RegistryChoice {
    std::unique_ptr<Registry> registry;  // null when the store could not be opened
    Problem error;                       // why not (a damaged file names the line)
    // Opened read-only because a wineserver serves the prefix and the bridge
    // could not be used: the caller shows its warning.
    bool wineRunning = false;
    // Working on Wine's live registry through the bridge.
    bool throughBridge = false;
    // Why the bridge was not used although Wine runs.
    Problem bridgeError;
};

// `hivePath` as for openHiveRegistry (--registry FILE or defaultHivePath());
// ignored on Windows.
RegistryChoice openRegistryFor(const std::string& hivePath);

// The same for a program that stays open: each write that finds Wine
// started or stopped in the prefix reaches the store the way it can now
// (FollowingRegistry). On Windows, the real registry as above.
RegistryChoice openRegistryFollowingWine(const std::string& hivePath);

// Why nothing can be saved while Wine runs and the bridge cannot be had.
Problem wineWithoutBridge(Problem bridgeError);

}  // namespace fk::reg
