// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a bridge reply's outputs go: the caller's own buffers, filled only
// from a reply that reads well, never past the room the caller gave.
#include "platform/bridge/BridgeProtocol.h"
#include "platform/registry/Registry.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace fk::bridge {

// A caller's buffer of T and the length in T beside it: sent as they are,
// and filled back from the reply, never past the room the length gave.
template <class T>
class Room {
public:
    Room(T* data, std::uint32_t* length)
        : data_(data), length_(length), capacity_(data && length ? *length * std::uint32_t(sizeof(T)) : 0) {}
    void send(Writer& w) const {
        w.buffer(data_, capacity_);
        w.maybeU32(length_);
    }
    void receive(Reader& in) {
        bytes_ = in.maybeBytes();
        got_ = in.maybeU32();
    }
    void fill(long) const {
        if (bytes_ && data_) std::memcpy(data_, bytes_->data(), std::min<std::size_t>(bytes_->size(), capacity_));
        if (got_ && length_) *length_ = *got_;
    }

private:
    T* data_;
    std::uint32_t* length_;
    std::uint32_t capacity_;
    std::optional<std::string> bytes_;
    std::optional<std::uint32_t> got_;
};

// A value's type and data, as the caller asks for them: the type only
// where it gave somewhere to put it.
class ValueRoom {
public:
    ValueRoom(std::uint32_t* type, std::uint8_t* data, std::uint32_t* length) : type_(type), data_(data, length) {}
    void send(Writer& w) const {
        w.u8(type_ != nullptr);
        data_.send(w);
    }
    void receive(Reader& in) {
        got_ = in.u32();
        data_.receive(in);
    }
    void fill(long status) const {
        if (type_) *type_ = got_;
        data_.fill(status);
    }

private:
    std::uint32_t* type_;
    Room<std::uint8_t> data_;
    std::uint32_t got_ = 0;
};

// A key's last write time, given back only when the call succeeded.
class TimeRoom {
public:
    explicit TimeRoom(reg::FileTime* time) : time_(time) {}
    void send(Writer& w) const { w.u8(time_ != nullptr); }
    void receive(Reader& in) { got_ = {in.u32(), in.u32()}; }
    void fill(long status) const {
        if (time_ && status == reg::Success) *time_ = got_;
    }

private:
    reg::FileTime* time_;
    reg::FileTime got_;
};

}  // namespace fk::bridge
