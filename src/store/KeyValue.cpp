#include "KeyValue.h"

namespace fk {

StoredValue readKeyValue(reg::Registry& registry, reg::Key key, const std::string& name) {
    StoredValue value;
    std::uint32_t size = 4096;
    for (int attempt = 0; attempt < 3; ++attempt) {
        value.bytes.assign(size, '\0');
        const long result = registry.RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                                                      reinterpret_cast<std::uint8_t*>(value.bytes.data()), &size);
        if (result == reg::MoreData) continue;
        if (result != reg::Success) break;
        value.bytes.resize(size);
        value.present = true;
        return value;
    }
    return {};
}

}  // namespace fk
