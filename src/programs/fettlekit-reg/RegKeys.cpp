#include "programs/fettlekit-reg/RegKeys.h"

namespace fk::regcli {

using namespace fk::reg;

namespace {

// Sizes a value's data may announce again before the read gives up.
constexpr int MaxRetries = 4;
// The longest names Windows allows, with their zero.
constexpr std::uint32_t MaxValueName = 16384;
constexpr std::uint32_t MaxKeyName = 256;

}  // namespace

long KeyReader::value(Key key, const Text* name, ValueData& out) {
    std::uint32_t size = 2048;
    for (int attempt = 0;; ++attempt) {
        out.bytes.assign(size, '\0');
        std::uint32_t got = size;
        long rc = reg_.RegQueryValueExW(key, name ? name->c_str() : nullptr, nullptr, &out.type,
                                        reinterpret_cast<std::uint8_t*>(out.bytes.data()), &got);
        if (rc == MoreData && got > size && attempt < MaxRetries) {
            size = got;
            continue;
        }
        if (rc == Success) {
            out.bytes.resize(std::min(got, size));
            out.name = name ? *name : Text();
        }
        return rc;
    }
}

long KeyReader::valueAt(Key key, std::uint32_t index, ValueData& out) {
    Text name(MaxValueName, u'\0');
    std::uint32_t size = 2048;
    for (int attempt = 0;; ++attempt) {
        out.bytes.assign(size, '\0');
        std::uint32_t nameLength = MaxValueName, got = size;
        long rc = reg_.RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &out.type,
                                     reinterpret_cast<std::uint8_t*>(out.bytes.data()), &got);
        // The same value again with room for its data.
        if (rc == MoreData && got > size && attempt < MaxRetries) {
            size = got;
            continue;
        }
        if (rc == Success) {
            out.name = name.substr(0, std::min(nameLength, MaxValueName));
            out.bytes.resize(std::min(got, size));
        }
        return rc;
    }
}

long KeyReader::subkeyAt(Key key, std::uint32_t index, Text& name) {
    char16_t buffer[MaxKeyName];
    std::uint32_t length = MaxKeyName;
    long rc = reg_.RegEnumKeyExW(key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == Success) name.assign(buffer, std::min(length, MaxKeyName - 1));
    return rc;
}

std::vector<ValueData> KeyReader::values(Key key) {
    std::vector<ValueData> list;
    for (ValueData value; valueAt(key, std::uint32_t(list.size()), value) == Success;) list.push_back(std::move(value));
    return list;
}

std::vector<Text> KeyReader::subkeys(Key key) {
    std::vector<Text> list;
    for (Text name; subkeyAt(key, std::uint32_t(list.size()), name) == Success;) list.push_back(std::move(name));
    return list;
}

void walkTree(Registry& registry, Key top, const Text& topPath, std::size_t depth, std::uint32_t access,
              const std::function<void(Key, const Text&)>& visit, std::size_t& tooDeep) {
    struct Frame {
        Key key;
        Text path;
        std::uint32_t next = 0;
    };
    KeyReader reader(registry);
    std::vector<Frame> stack{{top, topPath}};
    visit(top, topPath);
    while (!stack.empty()) {
        Frame& frame = stack.back();
        Text name;
        if (reader.subkeyAt(frame.key, frame.next++, name) != Success) {
            if (stack.size() > 1) registry.RegCloseKey(frame.key);
            stack.pop_back();
            continue;
        }
        Key child = 0;
        if (depth + stack.size() > MaxKeyDepth) {
            ++tooDeep;
            continue;
        }
        if (registry.RegOpenKeyExW(frame.key, name.c_str(), 0, access, &child) != Success) continue;
        Text path = frame.path + u"\\" + name;
        visit(child, path);
        stack.push_back({child, std::move(path)});
    }
}

long emptyKey(Registry& registry, Key key, std::size_t depth, std::uint32_t access) {
    if (long rc = registry.RegDeleteTreeW(key, nullptr); rc != NotSupported) return rc;
    struct Frame {
        Key key;
        Text name;
    };
    KeyReader reader(registry);
    std::vector<Frame> stack{{key, {}}};
    long rc = Success;
    while (rc == Success) {
        Frame& frame = stack.back();
        Text name;
        rc = reader.subkeyAt(frame.key, 0, name);
        if (rc == Success) {
            if (depth + stack.size() > MaxKeyDepth) {
                rc = AccessDenied;
                break;
            }
            Key child = 0;
            rc = registry.RegOpenKeyExW(frame.key, name.c_str(), 0, access, &child);
            if (rc == Success) stack.push_back({child, std::move(name)});
            continue;
        }
        if (rc != NoMoreItems) break;
        rc = Success;
        if (stack.size() == 1) break;
        // A key with no subkeys left goes, values and all.
        Frame done = std::move(stack.back());
        stack.pop_back();
        registry.RegCloseKey(done.key);
        rc = registry.RegDeleteKeyW(stack.back().key, done.name.c_str());
    }
    for (size_t i = 1; i < stack.size(); ++i) registry.RegCloseKey(stack[i].key);
    if (rc != Success) return rc;
    for (ValueData value; reader.valueAt(key, 0, value) == Success;)
        if ((rc = registry.RegDeleteValueW(key, value.name.c_str())) != Success) return rc;
    return Success;
}

}  // namespace fk::regcli
