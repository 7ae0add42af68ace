// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry/Listing.h"

#include "platform/registry/Calls.h"
#include "platform/registry/KeyHandle.h"

#include <algorithm>

namespace fk::reg {

namespace {

// Asking again for a value that grew while it was read.
constexpr int Attempts = 4;
constexpr std::uint32_t FirstSize = 2048;
// The longest names Windows makes, with their zero; a hive file may hold
// longer ones, which are read whole in a bigger buffer, up to this.
constexpr std::uint32_t MaxValueName = 16384;
constexpr std::uint32_t MaxKeyName = 256;
constexpr std::uint32_t LongestName = 1u << 20;

// Calls `read(buffer, length)` until the data fits; `length` in and out is
// the room and what the registry says the data needs.
template <class Read>
long readWhole(std::string& bytes, const Read& read) {
    std::uint32_t size = FirstSize;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        bytes.assign(size, '\0');
        std::uint32_t length = size;
        const long rc = read(reinterpret_cast<std::uint8_t*>(bytes.data()), &length);
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

}  // namespace

template <class Ch>
long readValue(Registry& registry, Key key, const Ch* name, std::uint32_t& type, std::string& bytes) {
    return readWhole(bytes, [&](std::uint8_t* data, std::uint32_t* length) {
        return Calls<Ch>::query(registry, key, name, &type, data, length);
    });
}

// "More data" for the name (its room used up, the data's room not) asks
// again with more room: a listing never ends early on a long name.
template <class Ch>
long readValueAt(Registry& registry, Key key, std::uint32_t index, NamedValueOf<Ch>& value) {
    for (std::uint32_t room = MaxValueName;; room *= 4) {
        std::basic_string<Ch> name(room, Ch());
        std::uint32_t nameLength = 0;
        bool nameFits = true;
        const long rc = readWhole(value.bytes, [&](std::uint8_t* data, std::uint32_t* length) {
            nameLength = room;
            const std::uint32_t dataRoom = *length;
            long status = Calls<Ch>::enumValue(registry, key, index, name.data(), &nameLength, &value.type, data, length);
            nameFits = status != MoreData || *length > dataRoom;
            return status;
        });
        if (rc == MoreData && !nameFits && room < LongestName) continue;
        if (rc == Success) value.name = name.substr(0, std::min(nameLength, room));
        return rc;
    }
}

template <class Ch>
long readSubkeyAt(Registry& registry, Key key, std::uint32_t index, std::basic_string<Ch>& name) {
    for (std::uint32_t room = MaxKeyName;; room *= 4) {
        std::basic_string<Ch> buffer(room, Ch());
        std::uint32_t length = room;
        const long rc = Calls<Ch>::enumKey(registry, key, index, buffer.data(), &length, nullptr, nullptr, nullptr);
        if (rc == MoreData && room < LongestName) continue;
        if (rc == Success) name.assign(buffer.data(), std::min(length, room - 1));
        return rc;
    }
}

template <class Ch>
std::vector<std::basic_string<Ch>> listSubkeys(Registry& registry, Key key) {
    std::vector<std::basic_string<Ch>> names;
    for (std::basic_string<Ch> name; readSubkeyAt(registry, key, std::uint32_t(names.size()), name) == Success;)
        names.push_back(std::move(name));
    return names;
}

template <class Ch>
std::vector<NamedValueOf<Ch>> listValues(Registry& registry, Key key) {
    std::vector<NamedValueOf<Ch>> values;
    for (NamedValueOf<Ch> value; readValueAt(registry, key, std::uint32_t(values.size()), value) == Success;)
        values.push_back(std::move(value));
    return values;
}

long Registry::readTree(Key top, std::uint32_t access, bool recurse, std::vector<TreeKey>& keys) {
    struct Frame {
        Key key;
        KeyHandle owned;  // none for the top key
        std::size_t at;   // its entry in `keys`
        std::uint32_t next = 0;
    };
    keys.push_back({{}, 0, listValues<char16_t>(*this, top)});
    std::vector<Frame> stack;
    stack.push_back({top, {}, 0});
    while (recurse && !stack.empty()) {
        Frame& frame = stack.back();
        std::u16string name;
        if (readSubkeyAt(*this, frame.key, frame.next++, name) != Success) {
            stack.pop_back();
            continue;
        }
        KeyHandle child = KeyHandle::open(*this, frame.key, name, KeyRead | access);
        if (!child.ok()) return child.status();
        const TreeKey& parent = keys[frame.at];
        keys.push_back({parent.path.empty() ? name : parent.path + u"\\" + name, parent.depth + 1,
                        listValues<char16_t>(*this, child.get())});
        const Key key = child.get();
        stack.push_back({key, std::move(child), keys.size() - 1});
    }
    return Success;
}

// The two widths the program reads in.
template long readValue(Registry&, Key, const char*, std::uint32_t&, std::string&);
template long readValueAt(Registry&, Key, std::uint32_t, NamedValueOf<char>&);
template long readSubkeyAt(Registry&, Key, std::uint32_t, std::basic_string<char>&);
template std::vector<std::basic_string<char>> listSubkeys(Registry&, Key);
template std::vector<NamedValueOf<char>> listValues(Registry&, Key);
template long readValue(Registry&, Key, const char16_t*, std::uint32_t&, std::string&);
template long readValueAt(Registry&, Key, std::uint32_t, NamedValueOf<char16_t>&);
template long readSubkeyAt(Registry&, Key, std::uint32_t, std::basic_string<char16_t>&);
template std::vector<std::basic_string<char16_t>> listSubkeys(Registry&, Key);
template std::vector<NamedValueOf<char16_t>> listValues(Registry&, Key);

}  // namespace fk::reg
