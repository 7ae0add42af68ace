// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bridge/BridgeRegistry.h"

#include "platform/bridge/BridgeProtocol.h"
#include "platform/bridge/ReplyRooms.h"
#include "text/Utf16.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

namespace fk::bridge {

BridgeRegistry::BridgeRegistry(std::unique_ptr<Transport> transport) : transport_(std::move(transport)) {}

namespace {

// The operation's code for the width of its texts.
template <class Ch>
std::uint8_t code(Op op) {
    return std::uint8_t(sizeof(Ch) == 1 ? op : op | Wide);
}

// A batch goes when it holds this many requests or bytes, well within a frame.
constexpr std::size_t BatchRequests = 1024;
constexpr std::size_t BatchBytes = 4u << 20;

}  // namespace

long BridgeRegistry::call(const std::string& request, std::string& reply) {
    // What waits goes first: the bridge serves requests in their order.
    sendBatch();
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

long BridgeRegistry::write(const std::string& request) {
    if (!batching_ || !alive_) {
        std::string reply;
        return call(request, reply);
    }
    waiting_.push_back(request);
    waitingBytes_ += request.size();
    if (waiting_.size() >= BatchRequests || waitingBytes_ >= BatchBytes) sendBatch();
    return alive_ ? reg::Success : BridgeGone;
}

void BridgeRegistry::sendBatch() {
    if (waiting_.empty()) return;
    Writer w;
    w.u8(Batch);
    w.u32(std::uint32_t(waiting_.size()));
    for (const std::string& request : waiting_) w.bytes(request.data(), std::uint32_t(request.size()));
    const std::size_t sent = waiting_.size();
    waiting_.clear();
    waitingBytes_ = 0;
    std::string reply;
    long status = BridgeGone;
    if (alive_ && transport_->exchange(w.str(), reply) && reply.size() >= 8) {
        Reader in(reply);
        status = long(std::int32_t(in.u32()));
        const std::uint32_t served = in.u32();
        for (std::uint32_t i = 0; i < served && in.ok() && status == reg::Success; ++i) {
            const std::string answer = in.bytes();  // the reader only looks at it
            Reader one(answer);
            status = long(std::int32_t(one.u32()));
            if (!one.ok()) status = reg::InvalidParameter;
        }
        if (status == reg::Success && (served != sent || !in.ok())) status = reg::InvalidParameter;
    } else {
        alive_ = false;
    }
    if (batchFailure_ == reg::Success) batchFailure_ = status;
}

void BridgeRegistry::batchWrites(bool on) {
    if (!on) sendBatch();
    batching_ = on;
}

long BridgeRegistry::flushWrites() {
    sendBatch();
    return std::exchange(batchFailure_, reg::Success);
}

template <class... Outputs>
long BridgeRegistry::exchange(const std::string& request, Outputs&... outputs) {
    std::string reply;
    const long status = call(request, reply);
    if (status == BridgeGone) return status;
    Reader in(reply);
    (outputs.receive(in), ...);
    if (in.ok()) (outputs.fill(status), ...);
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
    // Bulk work that needs no disposition names the key itself and goes on.
    const bool chosen = batching_ && alive_ && !disposition;
    const reg::Key handle = chosen ? reg::Key(ChosenHandle | ++chosen_) : 0;
    Writer w;
    w.u8(code<Ch>(chosen ? CreateKeyAs : CreateKey));
    if (chosen) w.u64(handle);
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
    if (chosen) {
        const long status = write(w.str());
        if (status != reg::Success) return status;
        *result = handle;
        open_.insert(handle);
        return status;
    }
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
    return write(w.str());
}

template <class Ch>
long BridgeRegistry::enumKey(reg::Key key, std::uint32_t index, Ch* name, std::uint32_t* nameLength, Ch* keyClass,
                             std::uint32_t* classLength, reg::FileTime* lastWrite) {
    Room<Ch> nameRoom(name, nameLength), classRoom(keyClass, classLength);
    TimeRoom time(lastWrite);
    Writer w;
    w.u8(code<Ch>(EnumKey));
    w.u64(key);
    w.u32(index);
    nameRoom.send(w);
    classRoom.send(w);
    time.send(w);
    return exchange(w.str(), nameRoom, classRoom, time);
}

template <class Ch>
long BridgeRegistry::queryValue(reg::Key key, const Ch* valueName, std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* dataLength) {
    ValueRoom value(type, data, dataLength);
    Writer w;
    w.u8(code<Ch>(QueryValue));
    w.u64(key);
    w.text(valueName);
    value.send(w);
    return exchange(w.str(), value);
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
    return write(w.str());
}

template <class Ch>
long BridgeRegistry::deleteNamed(std::uint8_t op, reg::Key key, const Ch* name) {
    Writer w;
    w.u8(code<Ch>(Op(op)));
    w.u64(key);
    w.text(name);
    if (op == DeleteValue) return write(w.str());
    std::string reply;
    return call(w.str(), reply);
}

template <class Ch>
long BridgeRegistry::enumValue(reg::Key key, std::uint32_t index, Ch* name, std::uint32_t* nameLength,
                               std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) {
    Room<Ch> nameRoom(name, nameLength);
    ValueRoom value(type, data, dataLength);
    Writer w;
    w.u8(code<Ch>(EnumValue));
    w.u64(key);
    w.u32(index);
    nameRoom.send(w);
    value.send(w);
    return exchange(w.str(), nameRoom, value);
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
long BridgeRegistry::RegDeleteValueA(reg::Key k, const char* n) { return deleteNamed(DeleteValue, k, n); }
long BridgeRegistry::RegDeleteValueW(reg::Key k, const char16_t* n) { return deleteNamed(DeleteValue, k, n); }
long BridgeRegistry::RegEnumValueA(reg::Key k, std::uint32_t i, char* n, std::uint32_t* nl, std::uint32_t*,
                                   std::uint32_t* t, std::uint8_t* d, std::uint32_t* s) {
    return enumValue(k, i, n, nl, t, d, s);
}
long BridgeRegistry::RegEnumValueW(reg::Key k, std::uint32_t i, char16_t* n, std::uint32_t* nl, std::uint32_t*,
                                   std::uint32_t* t, std::uint8_t* d, std::uint32_t* s) {
    return enumValue(k, i, n, nl, t, d, s);
}
long BridgeRegistry::RegDeleteKeyA(reg::Key p, const char* s) { return deleteNamed(DeleteKey, p, s); }
long BridgeRegistry::RegDeleteKeyW(reg::Key p, const char16_t* s) { return deleteNamed(DeleteKey, p, s); }

long BridgeRegistry::readTree(reg::Key key, std::uint32_t access, bool recurse, std::vector<reg::TreeKey>& keys) {
    Writer w;
    w.u8(code<char16_t>(ReadTree));
    w.u64(key);
    w.u32(access);
    w.u8(recurse);
    std::string reply;
    const long status = call(w.str(), reply);
    // Too big for one answer: a key at a time.
    if (status == reg::MoreData) return Registry::readTree(key, access, recurse, keys);
    if (status != reg::Success) return status;
    Reader in(reply);
    std::vector<reg::TreeKey> read(std::min<std::size_t>(in.u32(), reply.size()));
    for (reg::TreeKey& one : read) {
        one.path = text::utf16FromBytes(in.bytes());
        one.depth = in.u32();
        one.values.resize(std::min<std::size_t>(in.u32(), reply.size()));
        for (auto& value : one.values) {
            value.name = text::utf16FromBytes(in.bytes());
            value.type = in.u32();
            value.bytes = in.bytes();
        }
        if (!in.ok()) return reg::InvalidParameter;
    }
    if (!in.ok() || !in.atEnd()) return reg::InvalidParameter;
    keys.insert(keys.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    return reg::Success;
}

long BridgeRegistry::RegDeleteTreeW(reg::Key key, const char16_t* subKey) {
    Writer w;
    w.u8(code<char16_t>(DeleteTree));
    w.u64(key);
    w.text(subKey);
    std::string reply;
    return call(w.str(), reply);
}

}  // namespace fk::bridge
