// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/KeyValue.h"

#include "platform/registry/Listing.h"

namespace fk {

StoredValue readKeyValue(reg::Registry& registry, reg::Key key, const std::string& name) {
    StoredValue value;
    if (reg::readValue(registry, key, name, value.type, value.bytes) != reg::Success) return {};
    value.present = true;
    return value;
}

}  // namespace fk
