#include "platform/bridge/BridgeRegistry.h"

#include "platform/bridge/BridgeProtocol.h"

#include <algorithm>
#include <cstring>

namespace fk::bridge {

namespace {

// Copies a returned buffer back over the caller's, never past its size.
void copyBack(const std::optional<std::string>& from, void* to, std::uint32_t capacity) {
    if (from && to) std::memcpy(to, from->data(), std::min<std::size_t>(from->size(), capacity));
}

void copyBack(const std::optional<std::uint32_t>& from, std::uint32_t* to) {
    if (from && to) *to = *from;
}

// The operation's code for the width of its texts.
template <class Ch>
std::uint8_t code(Op op) {
    return std::uint8_t(sizeof(Ch) == 1 ? op : op | Wide);
}

}  // namespace

BridgeRegistry::BridgeRegistry(std::unique_ptr<Transport> transport) : transport_(std::move(transport)) {}

long BridgeRegistry::call(const std::string& request, std::string& reply) {
    if (!alive_) return BridgeGone;
    if (!transport_->exchange(request, reply) || reply.size() < 4) {
        alive_ = false;
        return BridgeGone;
    }
    Reader in(reply);
    long status = long(std::int32_t(in.u32()));
    reply.erase(0, 4);
    return status;
}

bool BridgeRegistry::hello() {
    Writer w;
    w.u8(Hello);
    w.u32(ProtocolVersion);
    std::string reply;
    if (call(w.str(), reply) != reg::Success) return false;
    Reader in(reply);
    return in.u32() == ProtocolVersion && in.ok();
}

template <class Ch>
long BridgeRegistry::openKey(reg::Key parent, const Ch* subKey, std::uint32_t options, std::uint32_t access,
                             reg::Key* result) {
    Writer w;
    w.u8(code<Ch>(OpenKey));
    w.u64(parent);
    w.text(subKey);
    w.u32(options);
    w.u32(access);
    std::string reply;
    long status = call(w.str(), reply);
    if (status != reg::Success) return status;
    Reader in(reply);
    reg::Key key = reg::Key(in.u64());
    if (!in.ok()) return reg::InvalidParameter;
    *result = key;
    open_.insert(key);
    return status;
}

template <class Ch>
long BridgeRegistry::createKey(reg::Key parent, const Ch* subKey, std::uint32_t reserved, const Ch* keyClass,
                               std::uint32_t options, std::uint32_t access, const reg::SecurityAttributes* security,
                               reg::Key* result, std::uint32_t* disposition) {
    Writer w;
    w.u8(code<Ch>(CreateKey));
    w.u64(parent);
    w.text(subKey);
    w.u32(reserved);
    w.text(keyClass);
    w.u32(options);
    w.u32(access);
    w.u8(security != nullptr);
    if (security) {
        w.u32(security->length);
        w.u8(security->inheritHandle);
    }
    w.u8(disposition != nullptr);
    std::string reply;
    long status = call(w.str(), reply);
    if (status != reg::Success) return status;
    Reader in(reply);
    reg::Key key = reg::Key(in.u64());
    std::uint32_t how = in.u32();
    if (!in.ok()) return reg::InvalidParameter;
    *result = key;
    if (disposition) *disposition = how;
    open_.insert(key);
    return status;
}

long BridgeRegistry::RegCloseKey(reg::Key key) {
    // Forgotten either way: a dead bridge took its handles with it.
    open_.erase(key);
    Writer w;
    w.u8(CloseKey);
    w.u64(key);
    std::string reply;
    return call(w.str(), reply);
}

template <class Ch>
long BridgeRegistry::enumKey(reg::Key key, std::uint32_t index, Ch* name, std::uint32_t* nameLength, Ch* keyClass,
                             std::uint32_t* classLength, reg::FileTime* lastWrite) {
    // A buffer's size is the length the caller gave with it.
    const std::uint32_t nameCapacity = name && nameLength ? *nameLength * std::uint32_t(sizeof(Ch)) : 0;
    const std::uint32_t classCapacity = keyClass && classLength ? *classLength * std::uint32_t(sizeof(Ch)) : 0;
    Writer w;
    w.u8(code<Ch>(EnumKey));
    w.u64(key);
    w.u32(index);
    w.buffer(name, nameCapacity);
    w.maybeU32(nameLength);
    w.buffer(keyClass, classCapacity);
    w.maybeU32(classLength);
    w.u8(lastWrite != nullptr);
    std::string reply;
    long status = call(w.str(), reply);
    if (status == BridgeGone) return status;
    Reader in(reply);
    auto nameOut = in.maybeBytes();
    auto nameLengthOut = in.maybeU32();
    auto classOut = in.maybeBytes();
    auto classLengthOut = in.maybeU32();
    reg::FileTime time{in.u32(), in.u32()};
    if (!in.ok()) return status;
    copyBack(nameOut, name, nameCapacity);
    copyBack(nameLengthOut, nameLength);
    copyBack(classOut, keyClass, classCapacity);
    copyBack(classLengthOut, classLength);
    if (lastWrite && status == reg::Success) *lastWrite = time;
    return status;
}

template <class Ch>
long BridgeRegistry::queryValue(reg::Key key, const Ch* valueName, std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* dataLength) {
    const std::uint32_t capacity = data && dataLength ? *dataLength : 0;
    Writer w;
    w.u8(code<Ch>(QueryValue));
    w.u64(key);
    w.text(valueName);
    w.u8(type != nullptr);
    w.buffer(data, capacity);
    w.maybeU32(dataLength);
    std::string reply;
    long status = call(w.str(), reply);
    if (status == BridgeGone) return status;
    Reader in(reply);
    std::uint32_t typeOut = in.u32();
    auto dataOut = in.maybeBytes();
    auto sizeOut = in.maybeU32();
    if (!in.ok()) return status;
    if (type) *type = typeOut;
    copyBack(dataOut, data, capacity);
    copyBack(sizeOut, dataLength);
    return status;
}

template <class Ch>
long BridgeRegistry::setValue(reg::Key key, const Ch* valueName, std::uint32_t reserved, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t dataLength) {
    Writer w;
    w.u8(code<Ch>(SetValue));
    w.u64(key);
    w.text(valueName);
    w.u32(reserved);
    w.u32(type);
    w.buffer(data, data ? dataLength : 0);
    w.u32(dataLength);
    std::string reply;
    return call(w.str(), reply);
}

template <class Ch>
long BridgeRegistry::deleteValue(reg::Key key, const Ch* valueName) {
    Writer w;
    w.u8(code<Ch>(DeleteValue));
    w.u64(key);
    w.text(valueName);
    std::string reply;
    return call(w.str(), reply);
}

template <class Ch>
long BridgeRegistry::enumValue(reg::Key key, std::uint32_t index, Ch* name, std::uint32_t* nameLength,
                               std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) {
    const std::uint32_t nameCapacity = name && nameLength ? *nameLength * std::uint32_t(sizeof(Ch)) : 0;
    const std::uint32_t capacity = data && dataLength ? *dataLength : 0;
    Writer w;
    w.u8(code<Ch>(EnumValue));
    w.u64(key);
    w.u32(index);
    w.buffer(name, nameCapacity);
    w.maybeU32(nameLength);
    w.u8(type != nullptr);
    w.buffer(data, capacity);
    w.maybeU32(dataLength);
    std::string reply;
    long status = call(w.str(), reply);
    if (status == BridgeGone) return status;
    Reader in(reply);
    auto nameOut = in.maybeBytes();
    auto nameLengthOut = in.maybeU32();
    std::uint32_t typeOut = in.u32();
    auto dataOut = in.maybeBytes();
    auto sizeOut = in.maybeU32();
    if (!in.ok()) return status;
    copyBack(nameOut, name, nameCapacity);
    copyBack(nameLengthOut, nameLength);
    if (type) *type = typeOut;
    copyBack(dataOut, data, capacity);
    copyBack(sizeOut, dataLength);
    return status;
}

template <class Ch>
long BridgeRegistry::deleteKey(reg::Key parent, const Ch* subKey) {
    Writer w;
    w.u8(code<Ch>(DeleteKey));
    w.u64(parent);
    w.text(subKey);
    std::string reply;
    return call(w.str(), reply);
}

// The A and W calls are the same requests; only the width of the texts differs.
long BridgeRegistry::RegOpenKeyExA(reg::Key p, const char* s, std::uint32_t o, std::uint32_t a, reg::Key* r) {
    return openKey(p, s, o, a, r);
}
long BridgeRegistry::RegOpenKeyExW(reg::Key p, const char16_t* s, std::uint32_t o, std::uint32_t a, reg::Key* r) {
    return openKey(p, s, o, a, r);
}
long BridgeRegistry::RegCreateKeyExA(reg::Key p, const char* s, std::uint32_t res, const char* c, std::uint32_t o,
                                     std::uint32_t a, const reg::SecurityAttributes* sa, reg::Key* r,
                                     std::uint32_t* d) {
    return createKey(p, s, res, c, o, a, sa, r, d);
}
long BridgeRegistry::RegCreateKeyExW(reg::Key p, const char16_t* s, std::uint32_t res, const char16_t* c,
                                     std::uint32_t o, std::uint32_t a, const reg::SecurityAttributes* sa, reg::Key* r,
                                     std::uint32_t* d) {
    return createKey(p, s, res, c, o, a, sa, r, d);
}
long BridgeRegistry::RegEnumKeyExA(reg::Key k, std::uint32_t i, char* n, std::uint32_t* nl, std::uint32_t*, char* c,
                                   std::uint32_t* cl, reg::FileTime* t) {
    return enumKey(k, i, n, nl, c, cl, t);
}
long BridgeRegistry::RegEnumKeyExW(reg::Key k, std::uint32_t i, char16_t* n, std::uint32_t* nl, std::uint32_t*,
                                   char16_t* c, std::uint32_t* cl, reg::FileTime* t) {
    return enumKey(k, i, n, nl, c, cl, t);
}
long BridgeRegistry::RegQueryValueExA(reg::Key k, const char* n, std::uint32_t*, std::uint32_t* t, std::uint8_t* d,
                                      std::uint32_t* s) {
    return queryValue(k, n, t, d, s);
}
long BridgeRegistry::RegQueryValueExW(reg::Key k, const char16_t* n, std::uint32_t*, std::uint32_t* t,
                                      std::uint8_t* d, std::uint32_t* s) {
    return queryValue(k, n, t, d, s);
}
long BridgeRegistry::RegSetValueExA(reg::Key k, const char* n, std::uint32_t r, std::uint32_t t,
                                    const std::uint8_t* d, std::uint32_t s) {
    return setValue(k, n, r, t, d, s);
}
long BridgeRegistry::RegSetValueExW(reg::Key k, const char16_t* n, std::uint32_t r, std::uint32_t t,
                                    const std::uint8_t* d, std::uint32_t s) {
    return setValue(k, n, r, t, d, s);
}
long BridgeRegistry::RegDeleteValueA(reg::Key k, const char* n) { return deleteValue(k, n); }
long BridgeRegistry::RegDeleteValueW(reg::Key k, const char16_t* n) { return deleteValue(k, n); }
long BridgeRegistry::RegEnumValueA(reg::Key k, std::uint32_t i, char* n, std::uint32_t* nl, std::uint32_t*,
                                   std::uint32_t* t, std::uint8_t* d, std::uint32_t* s) {
    return enumValue(k, i, n, nl, t, d, s);
}
long BridgeRegistry::RegEnumValueW(reg::Key k, std::uint32_t i, char16_t* n, std::uint32_t* nl, std::uint32_t*,
                                   std::uint32_t* t, std::uint8_t* d, std::uint32_t* s) {
    return enumValue(k, i, n, nl, t, d, s);
}
long BridgeRegistry::RegDeleteKeyA(reg::Key p, const char* s) { return deleteKey(p, s); }
long BridgeRegistry::RegDeleteKeyW(reg::Key p, const char16_t* s) { return deleteKey(p, s); }

long BridgeRegistry::RegDeleteTreeW(reg::Key key, const char16_t* subKey) {
    Writer w;
    w.u8(code<char16_t>(DeleteTree));
    w.u64(key);
    w.text(subKey);
    std::string reply;
    return call(w.str(), reply);
}

}  // namespace fk::bridge
