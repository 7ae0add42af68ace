// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bridge/BridgeServer.h"

#include "platform/bridge/BridgeProtocol.h"
#include "platform/registry/Calls.h"
#include "text/Utf16.h"

#include <optional>
#include <vector>

namespace fk::bridge {

namespace {

using reg::Key;
using reg::Registry;

// A text of the request in the call's width; a wide one of odd size is damaged.
template <class Ch>
struct Text {
    std::optional<std::basic_string<Ch>> value;
    bool ok = true;
    explicit Text(const std::optional<std::string>& bytes) {
        if (!bytes) return;
        if (bytes->size() % sizeof(Ch)) {
            ok = false;
            return;
        }
        if constexpr (sizeof(Ch) == 1) value.emplace(*bytes);
        else {
            std::u16string units = text::utf16FromBytes(*bytes);
            value.emplace(units.begin(), units.end());
        }
    }
    const Ch* get() const { return value ? value->c_str() : nullptr; }
};

// A caller's buffer of Ch and the length in Ch beside it, rebuilt on this
// side with the contents they came with.
template <class Ch>
struct Room {
    std::optional<std::string> bytes;
    std::optional<std::uint32_t> length;
    Ch* data() { return bytes ? reinterpret_cast<Ch*>(bytes->data()) : nullptr; }
    std::uint32_t* lengthPtr() { return length ? &*length : nullptr; }
    // advapi32 writes as far as the length says: never past what arrived.
    bool fits() const { return !bytes || (length && bytes->size() >= std::uint64_t(*length) * sizeof(Ch)); }
    void send(Writer& w) const {
        w.buffer(bytes ? bytes->data() : nullptr, bytes ? std::uint32_t(bytes->size()) : 0);
        w.maybeU32(length ? &*length : nullptr);
    }
};

std::string reply(long status, const std::string& outputs = {}) {
    Writer w;
    w.u32(std::uint32_t(status));
    return w.str() + outputs;
}

// A tree read whole, or MoreData when it would not fit in one answer (the
// caller then reads it a key at a time).
long writeTree(const std::vector<reg::TreeKey>& keys, std::size_t maxTree, Writer& out) {
    Writer tree;
    tree.u32(std::uint32_t(keys.size()));
    for (const reg::TreeKey& key : keys) {
        const std::string path = text::bytesFromUtf16(key.path);
        tree.bytes(path.data(), std::uint32_t(path.size()));
        tree.u32(std::uint32_t(key.depth));
        tree.u32(std::uint32_t(key.values.size()));
        for (const auto& value : key.values) {
            const std::string name = text::bytesFromUtf16(value.name);
            tree.bytes(name.data(), std::uint32_t(name.size()));
            tree.u32(value.type);
            tree.bytes(value.bytes.data(), std::uint32_t(value.bytes.size()));
        }
        if (tree.str().size() > maxTree) return reg::MoreData;
    }
    out.str() += tree.str();
    return reg::Success;
}

template <class Ch>
long serveCall(Registry& registry, ChosenHandles& handles, std::size_t maxTree, Op op, Reader& in, Writer& out) {
    using C = reg::Calls<Ch>;
    constexpr long Bad = reg::InvalidParameter;
    switch (op) {
    case OpenKey: {
        Key parent = handles.resolve(in.u64());
        Text<Ch> subKey(in.maybeBytes());
        std::uint32_t options = in.u32(), access = in.u32();
        if (!in.ok() || !in.atEnd() || !subKey.ok) return Bad;
        Key key = 0;
        long status = C::open(registry, parent, subKey.get(), options, access, &key);
        out.u64(key);
        return status;
    }
    case CreateKey:
    case CreateKeyAs: {
        const std::uint64_t chosen = op == CreateKeyAs ? in.u64() : 0;
        Key parent = handles.resolve(in.u64());
        Text<Ch> subKey(in.maybeBytes());
        std::uint32_t reserved = in.u32();
        Text<Ch> keyClass(in.maybeBytes());
        std::uint32_t options = in.u32(), access = in.u32();
        std::optional<reg::SecurityAttributes> security;
        if (in.u8()) {
            security.emplace();
            security->length = in.u32();
            security->inheritHandle = in.u8() != 0;
        }
        bool wantsDisposition = in.u8() != 0;
        if (!in.ok() || !in.atEnd() || !subKey.ok || !keyClass.ok) return Bad;
        if (op == CreateKeyAs && (wantsDisposition || !handles.free(chosen))) return Bad;
        Key key = 0;
        std::uint32_t disposition = 0;
        long status = C::create(registry, parent, subKey.get(), reserved, keyClass.get(), options, access,
                                security ? &*security : nullptr, &key, wantsDisposition ? &disposition : nullptr);
        if (op == CreateKeyAs) {
            if (status == reg::Success) handles.choose(chosen, key);
            return status;
        }
        out.u64(key);
        out.u32(disposition);
        return status;
    }
    case EnumKey: {
        Key key = handles.resolve(in.u64());
        std::uint32_t index = in.u32();
        Room<Ch> name{in.maybeBytes(), in.maybeU32()};
        Room<Ch> keyClass{in.maybeBytes(), in.maybeU32()};
        bool wantsTime = in.u8() != 0;
        if (!in.ok() || !in.atEnd() || !name.fits() || !keyClass.fits()) return Bad;
        reg::FileTime time;
        long status = C::enumKey(registry, key, index, name.data(), name.lengthPtr(), keyClass.data(),
                                 keyClass.lengthPtr(), wantsTime ? &time : nullptr);
        name.send(out);
        keyClass.send(out);
        out.u32(time.low);
        out.u32(time.high);
        return status;
    }
    case QueryValue: {
        Key key = handles.resolve(in.u64());
        Text<Ch> name(in.maybeBytes());
        bool wantsType = in.u8() != 0;
        Room<std::uint8_t> data{in.maybeBytes(), in.maybeU32()};
        if (!in.ok() || !in.atEnd() || !name.ok || !data.fits()) return Bad;
        std::uint32_t type = 0;
        long status = C::query(registry, key, name.get(), wantsType ? &type : nullptr, data.data(), data.lengthPtr());
        out.u32(type);
        data.send(out);
        return status;
    }
    case SetValue: {
        Key key = handles.resolve(in.u64());
        Text<Ch> name(in.maybeBytes());
        std::uint32_t reserved = in.u32(), type = in.u32();
        Room<std::uint8_t> data{in.maybeBytes(), in.u32()};
        if (!in.ok() || !in.atEnd() || !name.ok || !data.fits()) return Bad;
        return C::set(registry, key, name.get(), reserved, type, data.data(), *data.length);
    }
    case DeleteValue: {
        Key key = handles.resolve(in.u64());
        Text<Ch> name(in.maybeBytes());
        if (!in.ok() || !in.atEnd() || !name.ok) return Bad;
        return C::deleteValue(registry, key, name.get());
    }
    case EnumValue: {
        Key key = handles.resolve(in.u64());
        std::uint32_t index = in.u32();
        Room<Ch> name{in.maybeBytes(), in.maybeU32()};
        bool wantsType = in.u8() != 0;
        Room<std::uint8_t> data{in.maybeBytes(), in.maybeU32()};
        if (!in.ok() || !in.atEnd() || !name.fits() || !data.fits()) return Bad;
        std::uint32_t type = 0;
        long status = C::enumValue(registry, key, index, name.data(), name.lengthPtr(), wantsType ? &type : nullptr,
                                   data.data(), data.lengthPtr());
        name.send(out);
        out.u32(type);
        data.send(out);
        return status;
    }
    case DeleteKey: {
        Key parent = handles.resolve(in.u64());
        Text<Ch> subKey(in.maybeBytes());
        if (!in.ok() || !in.atEnd() || !subKey.ok) return Bad;
        return C::deleteKey(registry, parent, subKey.get());
    }
    case DeleteTree: {
        Key key = handles.resolve(in.u64());
        Text<Ch> subKey(in.maybeBytes());
        if (!in.ok() || !in.atEnd() || !subKey.ok || sizeof(Ch) == 1) return Bad;
        if constexpr (sizeof(Ch) == 2) return registry.RegDeleteTreeW(key, subKey.get());
        return Bad;
    }
    case ReadTree: {
        Key key = handles.resolve(in.u64());
        std::uint32_t access = in.u32();
        bool recurse = in.u8() != 0;
        if (!in.ok() || !in.atEnd() || sizeof(Ch) == 1) return Bad;
        std::vector<reg::TreeKey> keys;
        long status = registry.readTree(key, access, recurse, keys);
        if (status != reg::Success) return status;
        return writeTree(keys, maxTree, out);
    }
    default:
        return Bad;
    }
}

}  // namespace

Key ChosenHandles::resolve(std::uint64_t handle) const {
    if (!(handle & ChosenHandle)) return Key(handle);
    const auto found = chosen_.find(handle);
    return found == chosen_.end() ? Key(0) : found->second;  // 0: advapi32's invalid handle
}

bool ChosenHandles::free(std::uint64_t handle) const { return (handle & ChosenHandle) && !chosen_.count(handle); }

void ChosenHandles::choose(std::uint64_t handle, Key key) { chosen_[handle] = key; }

void ChosenHandles::forget(std::uint64_t handle) { chosen_.erase(handle); }

std::string BridgeServer::serve(std::string_view request) {
    Reader in(request);
    Writer out;
    long status = reg::InvalidParameter;
    const std::uint8_t code = in.u8();
    const auto op = Op(code & ~Wide);
    if (!in.ok()) {
    } else if (op == Hello || op == CloseKey) {
        // Neither has a text, so neither has a wide form.
        std::uint64_t argument = op == Hello ? in.u32() : in.u64();
        if (in.ok() && in.atEnd() && !(code & Wide)) {
            if (op == Hello) {
                status = argument == ProtocolVersion ? reg::Success : reg::NotSupported;
                out.u32(ProtocolVersion);
            } else {
                status = registry_.RegCloseKey(handles_.resolve(argument));
                handles_.forget(argument);
            }
        }
    } else if (op == Batch && !(code & Wide)) {
        // Each request read and served in turn: a damaged one ends the batch.
        const std::uint32_t count = in.u32();
        std::string replies;
        std::uint32_t served = 0;
        for (; in.ok() && served < count; ++served) {
            const std::string one = in.bytes();
            if (!in.ok() || (!one.empty() && Op(std::uint8_t(one[0]) & ~Wide) == Batch)) break;
            const std::string answer = serve(one);
            Writer framed;
            framed.bytes(answer.data(), std::uint32_t(answer.size()));
            replies += framed.str();
        }
        status = served == count && in.atEnd() ? reg::Success : reg::InvalidParameter;
        out.u32(served);
        out.str() += replies;
    } else {
        status = code & Wide ? serveCall<char16_t>(registry_, handles_, maxTree_, op, in, out)
                             : serveCall<char>(registry_, handles_, maxTree_, op, in, out);
    }
    return reply(status, out.str());
}

}  // namespace fk::bridge
