#include "Listing.h"

namespace fk::reg {

std::vector<std::string> listSubkeys(Registry& registry, Key key) {
    std::vector<std::string> names;
    for (std::uint32_t i = 0;; ++i) {
        char name[256];
        std::uint32_t length = sizeof name;
        if (registry.RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != Success) break;
        names.emplace_back(name, length);
    }
    return names;
}

std::vector<NamedValue> listValues(Registry& registry, Key key) {
    std::vector<NamedValue> list;
    std::vector<char> name(16384);
    std::string data(2048, '\0');
    for (std::uint32_t i = 0;;) {
        std::uint32_t nameLength = std::uint32_t(name.size()), dataLength = std::uint32_t(data.size()), type = 0;
        long rc = registry.RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type,
                                         reinterpret_cast<std::uint8_t*>(data.data()), &dataLength);
        // The same value again with room for its data.
        if (rc == MoreData && dataLength > data.size()) {
            data.resize(dataLength);
            continue;
        }
        if (rc != Success) break;
        list.push_back({std::string(name.data(), nameLength), type, data.substr(0, dataLength)});
        ++i;
    }
    return list;
}

}  // namespace fk::reg
