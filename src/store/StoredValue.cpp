#include "StoredValue.h"

namespace fk {

StoredValue readStoredValue(reg::Registry& registry, reg::Key key, const std::string& name) {
    StoredValue value;
    value.bytes.resize(4096);
    for (int attempt = 0; attempt < 3; ++attempt) {
        auto size = static_cast<std::uint32_t>(value.bytes.size());
        const long result = registry.RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
        if (result == reg::MoreData && size > value.bytes.size()) {
            value.bytes.resize(size);
            continue;
        }
        if (result != reg::Success) break;
        value.bytes.resize(size);
        value.present = true;
        return value;
    }
    return {};
}

bool putStoredValue(reg::Registry& registry, const std::string& keyPath, const std::string& name,
                    const StoredValue& value) {
    reg::Key key = 0;
    if (!value.present) {
        // No key, no value: already as wanted.
        if (registry.RegOpenKeyExA(reg::CurrentUser, keyPath.c_str(), 0, reg::KeyAllAccess, &key) != reg::Success)
            return true;
        const long result = registry.RegDeleteValueA(key, name.c_str());
        registry.RegCloseKey(key);
        return result == reg::Success || result == reg::NotFound;
    }
    std::uint32_t disposition = 0;
    if (registry.RegCreateKeyExA(reg::CurrentUser, keyPath.c_str(), 0, "", 0, reg::KeyAllAccess,
                                 &reg::CreateKeySecurity, &key, &disposition) != reg::Success)
        return false;
    const long result = registry.RegSetValueExA(key, name.c_str(), 0, value.type, value.bytes.data(),
                                                static_cast<std::uint32_t>(value.bytes.size()));
    registry.RegCloseKey(key);
    return result == reg::Success;
}

}  // namespace fk
