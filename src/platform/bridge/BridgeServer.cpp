#include "BridgeServer.h"

#include "BridgeProtocol.h"

#include <optional>

namespace fk::bridge {

namespace {

using reg::Key;

const char* cstr(const std::optional<std::string>& s) { return s ? s->c_str() : nullptr; }

// A caller's buffer, rebuilt on this side with the contents it came with.
struct Buffer {
    std::optional<std::string> bytes;
    char* data() { return bytes ? bytes->data() : nullptr; }
    std::uint8_t* udata() { return reinterpret_cast<std::uint8_t*>(data()); }
    void send(Writer& w) const { w.buffer(bytes ? bytes->data() : nullptr, bytes ? std::uint32_t(bytes->size()) : 0); }
};

struct Number {
    std::optional<std::uint32_t> value;
    std::uint32_t* ptr() { return value ? &*value : nullptr; }
    void send(Writer& w) const { w.maybeU32(value ? &*value : nullptr); }
};

std::string reply(long status, const std::string& outputs = {}) {
    Writer w;
    w.u32(std::uint32_t(status));
    return w.str() + outputs;
}

}  // namespace

std::string serveRequest(reg::Registry& registry, std::string_view request) {
    Reader in(request);
    Writer out;
    long status = reg::InvalidParameter;
    auto op = Op(in.u8());
    switch (op) {
    case Hello: {
        std::uint32_t version = in.u32();
        if (!in.ok()) break;
        status = version == ProtocolVersion ? reg::Success : reg::NotSupported;
        out.u32(ProtocolVersion);
        break;
    }
    case OpenKey: {
        Key parent = Key(in.u64());
        auto subKey = in.maybeBytes();
        std::uint32_t options = in.u32(), access = in.u32();
        if (!in.ok() || !in.atEnd()) break;
        Key key = 0;
        status = registry.RegOpenKeyExA(parent, cstr(subKey), options, access, &key);
        out.u64(key);
        break;
    }
    case CreateKey: {
        Key parent = Key(in.u64());
        auto subKey = in.maybeBytes();
        std::uint32_t reserved = in.u32();
        auto keyClass = in.maybeBytes();
        std::uint32_t options = in.u32(), access = in.u32();
        std::optional<reg::SecurityAttributes> security;
        if (in.u8()) {
            security.emplace();
            security->length = in.u32();
            security->inheritHandle = in.u8() != 0;
        }
        bool wantsDisposition = in.u8() != 0;
        if (!in.ok() || !in.atEnd()) break;
        Key key = 0;
        std::uint32_t disposition = 0;
        status = registry.RegCreateKeyExA(parent, cstr(subKey), reserved, cstr(keyClass), options, access,
                                          security ? &*security : nullptr, &key,
                                          wantsDisposition ? &disposition : nullptr);
        out.u64(key);
        out.u32(disposition);
        break;
    }
    case CloseKey: {
        Key key = Key(in.u64());
        if (!in.ok() || !in.atEnd()) break;
        status = registry.RegCloseKey(key);
        break;
    }
    case EnumKey: {
        Key key = Key(in.u64());
        std::uint32_t index = in.u32();
        Buffer name{in.maybeBytes()};
        Number nameLength{in.maybeU32()};
        Buffer keyClass{in.maybeBytes()};
        Number classLength{in.maybeU32()};
        bool wantsTime = in.u8() != 0;
        if (!in.ok() || !in.atEnd()) break;
        reg::FileTime time;
        status = registry.RegEnumKeyExA(key, index, name.data(), nameLength.ptr(), nullptr, keyClass.data(),
                                        classLength.ptr(), wantsTime ? &time : nullptr);
        name.send(out);
        nameLength.send(out);
        keyClass.send(out);
        classLength.send(out);
        out.u32(time.low);
        out.u32(time.high);
        break;
    }
    case QueryValue: {
        Key key = Key(in.u64());
        auto name = in.maybeBytes();
        bool wantsType = in.u8() != 0;
        Buffer data{in.maybeBytes()};
        Number size{in.maybeU32()};
        if (!in.ok() || !in.atEnd()) break;
        std::uint32_t type = 0;
        status = registry.RegQueryValueExA(key, cstr(name), nullptr, wantsType ? &type : nullptr, data.udata(),
                                           size.ptr());
        out.u32(type);
        data.send(out);
        size.send(out);
        break;
    }
    case SetValue: {
        Key key = Key(in.u64());
        auto name = in.maybeBytes();
        std::uint32_t reserved = in.u32(), type = in.u32();
        Buffer data{in.maybeBytes()};
        std::uint32_t size = in.u32();
        if (!in.ok() || !in.atEnd()) break;
        // Never let advapi32 read past what arrived.
        if (data.bytes && size > data.bytes->size()) break;
        status = registry.RegSetValueExA(key, cstr(name), reserved, type, data.udata(), size);
        break;
    }
    case DeleteValue: {
        Key key = Key(in.u64());
        auto name = in.maybeBytes();
        if (!in.ok() || !in.atEnd()) break;
        status = registry.RegDeleteValueA(key, cstr(name));
        break;
    }
    case EnumValue: {
        Key key = Key(in.u64());
        std::uint32_t index = in.u32();
        Buffer name{in.maybeBytes()};
        Number nameLength{in.maybeU32()};
        bool wantsType = in.u8() != 0;
        Buffer data{in.maybeBytes()};
        Number size{in.maybeU32()};
        if (!in.ok() || !in.atEnd()) break;
        std::uint32_t type = 0;
        status = registry.RegEnumValueA(key, index, name.data(), nameLength.ptr(), nullptr,
                                        wantsType ? &type : nullptr, data.udata(), size.ptr());
        name.send(out);
        nameLength.send(out);
        out.u32(type);
        data.send(out);
        size.send(out);
        break;
    }
    case DeleteKey: {
        Key parent = Key(in.u64());
        auto subKey = in.maybeBytes();
        if (!in.ok() || !in.atEnd()) break;
        status = registry.RegDeleteKeyA(parent, cstr(subKey));
        break;
    }
    }
    if (status == reg::InvalidParameter && out.str().empty()) return reply(status);
    return reply(status, out.str());
}

}  // namespace fk::bridge
