// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starts fettlekit-bridge.exe under Wine in a prefix and talks to it over
// its standard input and output. Linux only.
#include "platform/bridge/BridgeRegistry.h"
#include "platform/registry/Problem.h"
#include "platform/wine/WineServer.h"

#include <memory>
#include <string>

namespace fk::bridge {

struct BridgeStart {
    std::unique_ptr<BridgeRegistry> registry;  // null when the bridge did not answer
    reg::Problem error;
};

// `prefix` is the Wine prefix (the folder of user.reg), `bridgeExe` the
// path of fettlekit-bridge.exe. Wine is $FETTLEKIT_WINE, else `wine`. When
// `server` is sandboxed, the bridge runs inside its sandbox as the
// sandbox's own programs do (there it finds that server instead of
// starting another), from a copy in the prefix when the sandbox cannot see
// `bridgeExe`.
BridgeStart startWineBridge(const std::string& prefix, const std::string& bridgeExe,
                            const wine::WineServer& server = {});

// $FETTLEKIT_BRIDGE, else fettlekit-bridge.exe beside the running program,
// else in the installed program's private folder; empty when there is none.
std::string findBridgeExe();

}  // namespace fk::bridge
