#include "platform/bridge/BridgeServer.h"

#include "platform/bridge/BridgeProtocol.h"

#include <optional>

namespace fk::bridge {

namespace {

using reg::Key;
using reg::Registry;

// The A or the W function behind an operation, by the width of its texts.
template <class Ch>
struct Calls;

template <>
struct Calls<char> {
    static long open(Registry& r, Key p, const char* s, std::uint32_t o, std::uint32_t a, Key* k) {
        return r.RegOpenKeyExA(p, s, o, a, k);
    }
    static long create(Registry& r, Key p, const char* s, std::uint32_t res, const char* c, std::uint32_t o,
                       std::uint32_t a, const reg::SecurityAttributes* sa, Key* k, std::uint32_t* d) {
        return r.RegCreateKeyExA(p, s, res, c, o, a, sa, k, d);
    }
    static long enumKey(Registry& r, Key k, std::uint32_t i, char* n, std::uint32_t* nl, char* c,
                        std::uint32_t* cl, reg::FileTime* t) {
        return r.RegEnumKeyExA(k, i, n, nl, nullptr, c, cl, t);
    }
    static long query(Registry& r, Key k, const char* n, std::uint32_t* t, std::uint8_t* d, std::uint32_t* s) {
        return r.RegQueryValueExA(k, n, nullptr, t, d, s);
    }
    static long set(Registry& r, Key k, const char* n, std::uint32_t res, std::uint32_t t, const std::uint8_t* d,
                    std::uint32_t s) {
        return r.RegSetValueExA(k, n, res, t, d, s);
    }
    static long deleteValue(Registry& r, Key k, const char* n) { return r.RegDeleteValueA(k, n); }
    static long enumValue(Registry& r, Key k, std::uint32_t i, char* n, std::uint32_t* nl, std::uint32_t* t,
                          std::uint8_t* d, std::uint32_t* s) {
        return r.RegEnumValueA(k, i, n, nl, nullptr, t, d, s);
    }
    static long deleteKey(Registry& r, Key p, const char* s) { return r.RegDeleteKeyA(p, s); }
};

template <>
struct Calls<char16_t> {
    static long open(Registry& r, Key p, const char16_t* s, std::uint32_t o, std::uint32_t a, Key* k) {
        return r.RegOpenKeyExW(p, s, o, a, k);
    }
    static long create(Registry& r, Key p, const char16_t* s, std::uint32_t res, const char16_t* c,
                       std::uint32_t o, std::uint32_t a, const reg::SecurityAttributes* sa, Key* k,
                       std::uint32_t* d) {
        return r.RegCreateKeyExW(p, s, res, c, o, a, sa, k, d);
    }
    static long enumKey(Registry& r, Key k, std::uint32_t i, char16_t* n, std::uint32_t* nl, char16_t* c,
                        std::uint32_t* cl, reg::FileTime* t) {
        return r.RegEnumKeyExW(k, i, n, nl, nullptr, c, cl, t);
    }
    static long query(Registry& r, Key k, const char16_t* n, std::uint32_t* t, std::uint8_t* d,
                      std::uint32_t* s) {
        return r.RegQueryValueExW(k, n, nullptr, t, d, s);
    }
    static long set(Registry& r, Key k, const char16_t* n, std::uint32_t res, std::uint32_t t,
                    const std::uint8_t* d, std::uint32_t s) {
        return r.RegSetValueExW(k, n, res, t, d, s);
    }
    static long deleteValue(Registry& r, Key k, const char16_t* n) { return r.RegDeleteValueW(k, n); }
    static long enumValue(Registry& r, Key k, std::uint32_t i, char16_t* n, std::uint32_t* nl, std::uint32_t* t,
                          std::uint8_t* d, std::uint32_t* s) {
        return r.RegEnumValueW(k, i, n, nl, nullptr, t, d, s);
    }
    static long deleteKey(Registry& r, Key p, const char16_t* s) { return r.RegDeleteKeyW(p, s); }
};

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
        value.emplace(bytes->size() / sizeof(Ch), Ch());
        for (size_t i = 0; i < value->size(); ++i) {
            if constexpr (sizeof(Ch) == 1) (*value)[i] = (*bytes)[i];
            else (*value)[i] = Ch(std::uint8_t((*bytes)[2 * i]) | std::uint8_t((*bytes)[2 * i + 1]) << 8);
        }
    }
    const Ch* get() const { return value ? value->c_str() : nullptr; }
};

struct Number {
    std::optional<std::uint32_t> value;
    std::uint32_t* ptr() { return value ? &*value : nullptr; }
    void send(Writer& w) const { w.maybeU32(value ? &*value : nullptr); }
};

// A caller's buffer, rebuilt on this side with the contents it came with.
template <class Ch>
struct Buffer {
    std::optional<std::string> bytes;
    Ch* data() { return bytes ? reinterpret_cast<Ch*>(bytes->data()) : nullptr; }
    // advapi32 writes as far as the length beside the buffer says: never
    // past what arrived.
    bool fits(const Number& length) const {
        return !bytes || (length.value && bytes->size() >= std::uint64_t(*length.value) * sizeof(Ch));
    }
    void send(Writer& w) const { w.buffer(bytes ? bytes->data() : nullptr, bytes ? std::uint32_t(bytes->size()) : 0); }
};

std::string reply(long status, const std::string& outputs = {}) {
    Writer w;
    w.u32(std::uint32_t(status));
    return w.str() + outputs;
}

template <class Ch>
long serve(Registry& registry, Op op, Reader& in, Writer& out) {
    using C = Calls<Ch>;
    constexpr long Bad = reg::InvalidParameter;
    switch (op) {
    case OpenKey: {
        Key parent = Key(in.u64());
        Text<Ch> subKey(in.maybeBytes());
        std::uint32_t options = in.u32(), access = in.u32();
        if (!in.ok() || !in.atEnd() || !subKey.ok) return Bad;
        Key key = 0;
        long status = C::open(registry, parent, subKey.get(), options, access, &key);
        out.u64(key);
        return status;
    }
    case CreateKey: {
        Key parent = Key(in.u64());
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
        Key key = 0;
        std::uint32_t disposition = 0;
        long status = C::create(registry, parent, subKey.get(), reserved, keyClass.get(), options, access,
                                security ? &*security : nullptr, &key, wantsDisposition ? &disposition : nullptr);
        out.u64(key);
        out.u32(disposition);
        return status;
    }
    case EnumKey: {
        Key key = Key(in.u64());
        std::uint32_t index = in.u32();
        Buffer<Ch> name{in.maybeBytes()};
        Number nameLength{in.maybeU32()};
        Buffer<Ch> keyClass{in.maybeBytes()};
        Number classLength{in.maybeU32()};
        bool wantsTime = in.u8() != 0;
        if (!in.ok() || !in.atEnd() || !name.fits(nameLength) || !keyClass.fits(classLength)) return Bad;
        reg::FileTime time;
        long status = C::enumKey(registry, key, index, name.data(), nameLength.ptr(), keyClass.data(),
                                 classLength.ptr(), wantsTime ? &time : nullptr);
        name.send(out);
        nameLength.send(out);
        keyClass.send(out);
        classLength.send(out);
        out.u32(time.low);
        out.u32(time.high);
        return status;
    }
    case QueryValue: {
        Key key = Key(in.u64());
        Text<Ch> name(in.maybeBytes());
        bool wantsType = in.u8() != 0;
        Buffer<std::uint8_t> data{in.maybeBytes()};
        Number size{in.maybeU32()};
        if (!in.ok() || !in.atEnd() || !name.ok || !data.fits(size)) return Bad;
        std::uint32_t type = 0;
        long status = C::query(registry, key, name.get(), wantsType ? &type : nullptr, data.data(), size.ptr());
        out.u32(type);
        data.send(out);
        size.send(out);
        return status;
    }
    case SetValue: {
        Key key = Key(in.u64());
        Text<Ch> name(in.maybeBytes());
        std::uint32_t reserved = in.u32(), type = in.u32();
        Buffer<std::uint8_t> data{in.maybeBytes()};
        std::uint32_t size = in.u32();
        if (!in.ok() || !in.atEnd() || !name.ok || !data.fits(Number{size})) return Bad;
        return C::set(registry, key, name.get(), reserved, type, data.data(), size);
    }
    case DeleteValue: {
        Key key = Key(in.u64());
        Text<Ch> name(in.maybeBytes());
        if (!in.ok() || !in.atEnd() || !name.ok) return Bad;
        return C::deleteValue(registry, key, name.get());
    }
    case EnumValue: {
        Key key = Key(in.u64());
        std::uint32_t index = in.u32();
        Buffer<Ch> name{in.maybeBytes()};
        Number nameLength{in.maybeU32()};
        bool wantsType = in.u8() != 0;
        Buffer<std::uint8_t> data{in.maybeBytes()};
        Number size{in.maybeU32()};
        if (!in.ok() || !in.atEnd() || !name.fits(nameLength) || !data.fits(size)) return Bad;
        std::uint32_t type = 0;
        long status = C::enumValue(registry, key, index, name.data(), nameLength.ptr(), wantsType ? &type : nullptr,
                                   data.data(), size.ptr());
        name.send(out);
        nameLength.send(out);
        out.u32(type);
        data.send(out);
        size.send(out);
        return status;
    }
    case DeleteKey: {
        Key parent = Key(in.u64());
        Text<Ch> subKey(in.maybeBytes());
        if (!in.ok() || !in.atEnd() || !subKey.ok) return Bad;
        return C::deleteKey(registry, parent, subKey.get());
    }
    case DeleteTree: {
        Key key = Key(in.u64());
        Text<Ch> subKey(in.maybeBytes());
        if (!in.ok() || !in.atEnd() || !subKey.ok || sizeof(Ch) == 1) return Bad;
        if constexpr (sizeof(Ch) == 2) return registry.RegDeleteTreeW(key, subKey.get());
        return Bad;
    }
    default:
        return Bad;
    }
}

}  // namespace

std::string serveRequest(reg::Registry& registry, std::string_view request) {
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
                status = registry.RegCloseKey(Key(argument));
            }
        }
    } else {
        status = code & Wide ? serve<char16_t>(registry, op, in, out) : serve<char>(registry, op, in, out);
    }
    return reply(status, out.str());
}

}  // namespace fk::bridge
