// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bridge's side of the protocol: one request in, one reply out, the
// operation made on the given registry (advapi32 inside fettlekit-bridge.exe).
#include "platform/bridge/BridgeProtocol.h"
#include "platform/registry/Registry.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace fk::bridge {

// Keys created under a handle the client chose, so that their creation
// needs no answer and travels in a batch.
class ChosenHandles {
public:
    // The registry's own handle for one the client sent: chosen ones mapped,
    // unknown chosen ones invalid, the rest as they are.
    reg::Key resolve(std::uint64_t handle) const;
    bool free(std::uint64_t handle) const;
    void choose(std::uint64_t handle, reg::Key key);
    void forget(std::uint64_t handle);

private:
    std::map<std::uint64_t, reg::Key> chosen_;
};

class BridgeServer {
public:
    // `maxTree`: the largest tree sent in one answer.
    explicit BridgeServer(reg::Registry& registry, std::size_t maxTree = MaxTree)
        : registry_(registry), maxTree_(maxTree) {}
    std::string serve(std::string_view request);

private:
    reg::Registry& registry_;
    std::size_t maxTree_;
    ChosenHandles handles_;
};

}  // namespace fk::bridge
