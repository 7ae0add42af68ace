#pragma once
// The bridge's side of the protocol: one request in, one reply out, the
// operation made on the given registry (advapi32 inside fettlekit-bridge.exe).
#include "platform/registry/Registry.h"

#include <string>
#include <string_view>

namespace fk::bridge {

std::string serveRequest(reg::Registry& registry, std::string_view request);

}  // namespace fk::bridge
