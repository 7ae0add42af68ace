#include "OpenRegistry.h"

#ifdef _WIN32
#include "Win32Registry.h"
#else
#include "HiveRegistry.h"
#include "WineBridge.h"

#include <filesystem>
#endif

namespace fk::reg {

#ifdef _WIN32

RegistryChoice openRegistryFor(const std::string&) {
    RegistryChoice choice;
    choice.registry = std::make_unique<Win32Registry>();
    return choice;
}

#else

RegistryChoice openRegistryFor(const std::string& hivePath) {
    RegistryChoice choice;
    HiveOpenResult hive = openHiveRegistry(hivePath);
    choice.registry = std::move(hive.registry);
    choice.error = std::move(hive.error);
    choice.wineRunning = hive.wineRunning;
    if (!choice.registry || !hive.wineRunning) return choice;

    std::string exe = bridge::findBridgeExe();
    if (exe.empty()) {
        choice.bridgeError = "fettlekit-bridge.exe was not found (set FETTLEKIT_BRIDGE to its path)";
        return choice;
    }
    std::string prefix = std::filesystem::absolute(hivePath).parent_path().string();
    bridge::BridgeStart started = bridge::startWineBridge(prefix, exe);
    if (!started.registry) {
        choice.bridgeError = started.error;
        return choice;
    }
    choice.registry = std::move(started.registry);
    choice.wineRunning = false;
    choice.throughBridge = true;
    return choice;
}

#endif

}  // namespace fk::reg
