#include "platform/registry/Listing.h"

#include <algorithm>

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

namespace {
// Asking again for a value that grew while it was read.
constexpr int Attempts = 4;
constexpr std::uint32_t FirstSize = 2048;
}  // namespace

std::vector<NamedValue> listValues(Registry& registry, Key key) {
    std::vector<NamedValue> list;
    std::vector<char> name(16384);
    std::string data(FirstSize, '\0');
    for (std::uint32_t i = 0, attempt = 0;;) {
        std::uint32_t nameLength = std::uint32_t(name.size()), dataLength = std::uint32_t(data.size()), type = 0;
        long rc = registry.RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type,
                                         reinterpret_cast<std::uint8_t*>(data.data()), &dataLength);
        // The same value again with room for its data.
        if (rc == MoreData && dataLength > data.size() && ++attempt < Attempts) {
            data.resize(dataLength);
            continue;
        }
        if (rc != Success) break;
        list.push_back({std::string(name.data(), nameLength), type, data.substr(0, dataLength)});
        ++i;
        attempt = 0;
    }
    return list;
}

long readValue(Registry& registry, Key key, const std::string& name, std::uint32_t& type, std::string& bytes) {
    std::uint32_t size = FirstSize;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        bytes.assign(size, '\0');
        std::uint32_t length = size;
        long rc = registry.RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                            reinterpret_cast<std::uint8_t*>(bytes.data()), &length);
        if (rc == MoreData && length > size) {
            size = length;
            continue;
        }
        if (rc != Success) return rc;
        bytes.resize(std::min(length, size));
        return Success;
    }
    return MoreData;
}

}  // namespace fk::reg
