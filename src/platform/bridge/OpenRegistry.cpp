// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bridge/OpenRegistry.h"

#ifdef _WIN32
#include "platform/registry/Win32Registry.h"
#else
#include "platform/bridge/FollowingRegistry.h"
#include "platform/bridge/WineBridge.h"
#include "platform/hive/HiveRegistry.h"
#include "platform/wine/WineServer.h"

#include <filesystem>
#endif

namespace fk::reg {

#ifdef _WIN32

RegistryChoice openRegistryFor(const std::string&) {
    RegistryChoice choice;
    choice.registry = std::make_unique<Win32Registry>();
    return choice;
}

RegistryChoice openRegistryFollowingWine(const std::string& hivePath) { return openRegistryFor(hivePath); }

#else

namespace {

// The file itself, when Wine does not hold it or as a read-only view when
// the bridge cannot be used.
void openFile(const std::string& hivePath, RegistryChoice& choice) {
    HiveOpenResult hive = openHiveRegistry(hivePath);
    choice.registry = std::move(hive.registry);
    choice.error = std::move(hive.error);
    choice.wineRunning = hive.wineRunning;
}

}  // namespace

// While Wine runs, its server holds the registry and writes user.reg over
// on exit: the file is not read before the bridge is tried, so a first
// start that has not written it yet goes through the bridge too.
RegistryChoice openRegistryFor(const std::string& hivePath) {
    RegistryChoice choice;
    const std::string prefix = std::filesystem::absolute(hivePath).parent_path().string();
    const wine::WineServer server = wine::findWineServer(prefix);
    if (!server.running) {
        openFile(hivePath, choice);
        return choice;
    }

    std::string exe = bridge::findBridgeExe();
    if (exe.empty()) {
        choice.bridgeError.why = Problem::Why::BridgeNotFound;
    } else {
        bridge::BridgeStart started = bridge::startWineBridge(prefix, exe, server);
        if (started.registry) {
            choice.registry = std::move(started.registry);
            choice.throughBridge = true;
            return choice;
        }
        choice.bridgeError = started.error;
    }
    openFile(hivePath, choice);
    return choice;
}

RegistryChoice openRegistryFollowingWine(const std::string& hivePath) {
    RegistryChoice choice = openRegistryFor(hivePath);
    if (!choice.registry) return choice;
    choice.registry = std::make_unique<FollowingRegistry>(std::move(choice.registry), [hivePath] {
        RegistryChoice now = openRegistryFor(hivePath);
        FollowingRegistry::Way way{std::move(now.registry), std::move(now.error)};
        if (now.wineRunning) way.problem = wineWithoutBridge(now.bridgeError);
        return way;
    });
    return choice;
}

#endif

Problem wineWithoutBridge(Problem bridgeError) {
    bridgeError.wineHoldsRegistry = true;
    return bridgeError;
}

}  // namespace fk::reg
