#include "BridgeRegistry.h"

#include "BridgeProtocol.h"

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

long BridgeRegistry::RegOpenKeyExA(reg::Key parent, const char* subKey, std::uint32_t options,
                                   std::uint32_t access, reg::Key* result) {
    Writer w;
    w.u8(OpenKey);
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

long BridgeRegistry::RegCreateKeyExA(reg::Key parent, const char* subKey, std::uint32_t reserved,
                                     const char* keyClass, std::uint32_t options, std::uint32_t access,
                                     const reg::SecurityAttributes* security, reg::Key* result,
                                     std::uint32_t* disposition) {
    Writer w;
    w.u8(CreateKey);
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

long BridgeRegistry::RegEnumKeyExA(reg::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                   std::uint32_t*, char* keyClass, std::uint32_t* classLength,
                                   reg::FileTime* lastWrite) {
    // A buffer's size is the length the caller gave with it.
    const std::uint32_t nameCapacity = name && nameLength ? *nameLength : 0;
    const std::uint32_t classCapacity = keyClass && classLength ? *classLength : 0;
    Writer w;
    w.u8(EnumKey);
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

long BridgeRegistry::RegQueryValueExA(reg::Key key, const char* valueName, std::uint32_t*, std::uint32_t* type,
                                      std::uint8_t* data, std::uint32_t* dataLength) {
    const std::uint32_t capacity = data && dataLength ? *dataLength : 0;
    Writer w;
    w.u8(QueryValue);
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

long BridgeRegistry::RegSetValueExA(reg::Key key, const char* valueName, std::uint32_t reserved,
                                    std::uint32_t type, const std::uint8_t* data, std::uint32_t dataLength) {
    Writer w;
    w.u8(SetValue);
    w.u64(key);
    w.text(valueName);
    w.u32(reserved);
    w.u32(type);
    w.buffer(data, data ? dataLength : 0);
    w.u32(dataLength);
    std::string reply;
    return call(w.str(), reply);
}

long BridgeRegistry::RegDeleteValueA(reg::Key key, const char* valueName) {
    Writer w;
    w.u8(DeleteValue);
    w.u64(key);
    w.text(valueName);
    std::string reply;
    return call(w.str(), reply);
}

long BridgeRegistry::RegEnumValueA(reg::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                   std::uint32_t*, std::uint32_t* type, std::uint8_t* data,
                                   std::uint32_t* dataLength) {
    const std::uint32_t nameCapacity = name && nameLength ? *nameLength : 0;
    const std::uint32_t capacity = data && dataLength ? *dataLength : 0;
    Writer w;
    w.u8(EnumValue);
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

long BridgeRegistry::RegDeleteKeyA(reg::Key parent, const char* subKey) {
    Writer w;
    w.u8(DeleteKey);
    w.u64(parent);
    w.text(subKey);
    std::string reply;
    return call(w.str(), reply);
}

}  // namespace fk::bridge
