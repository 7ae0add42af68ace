// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bridge protocol: the registry operations carried over a byte stream
// (the standard input and output of fettlekit-bridge.exe, run under Wine).
//
// Every message is a frame: a 4-byte little-endian payload length, then the
// payload. The client sends one request and reads one reply; there is never
// more than one request in flight.
//
// Request payload: 1 byte operation, then its arguments in order.
// Reply payload:   4-byte status (the operation's result), then its outputs.
//
// Fields: u8, u32 and u64 little-endian; a "maybe" is a u8 presence flag
// (0 = the caller passed a null pointer) followed by the value when present;
// text is u32 length + bytes (no terminating zero); a buffer is u32 length +
// bytes. Buffers travel both ways, so what advapi32 wrote (or left alone)
// in the caller's buffer is what the caller gets back. Keys are u64: the
// predefined root as the program names it, else the handle the bridge
// returned.
//
//   Hello         u32 version                      -> u32 version
//   OpenKey       u64 parent, maybe text subkey, u32 options, u32 access
//                                                  -> u64 key
//   CreateKey     u64 parent, maybe text subkey, u32 reserved, maybe text class,
//                 u32 options, u32 access, maybe (u32 length, u8 inherit),
//                 u8 wants disposition             -> u64 key, u32 disposition
//   CloseKey      u64 key                          -> (nothing)
//   EnumKey       u64 key, u32 index, maybe buffer name, maybe u32 name length,
//                 maybe buffer class, maybe u32 class length, u8 wants time
//                 -> maybe buffer name, maybe u32 name length, maybe buffer class,
//                    maybe u32 class length, u32 time low, u32 time high
//   QueryValue    u64 key, maybe text name, u8 wants type, maybe buffer data,
//                 maybe u32 data length
//                 -> u32 type, maybe buffer data, maybe u32 data length
//   SetValue      u64 key, maybe text name, u32 reserved, u32 type, maybe buffer data,
//                 u32 data length                  -> (nothing)
//   DeleteValue   u64 key, maybe text name         -> (nothing)
//   EnumValue     u64 key, u32 index, maybe buffer name, maybe u32 name length,
//                 u8 wants type, maybe buffer data, maybe u32 data length
//                 -> maybe buffer name, maybe u32 name length, u32 type,
//                    maybe buffer data, maybe u32 data length
//   DeleteKey     u64 parent, maybe text subkey    -> (nothing)
//   DeleteTree    u64 key, maybe text subkey       -> (nothing); wide only
//   Batch         u32 count, count x (u32 length, request)
//                 -> u32 count, count x (u32 length, reply); each request
//                    served in turn as if sent alone (no batch in a batch)
//   CreateKeyAs   u64 chosen, then CreateKey's arguments (no disposition)
//                 -> (nothing); the key is known by the handle the client
//                    chose (ChosenHandle set) until it is closed, so that
//                    creating it waits for no answer
//   ReadTree      u64 key, u32 access, u8 recurse; wide only
//                 -> u32 count, count x (text path below the key, u32 depth,
//                    u32 values, values x (text name, u32 type, text data));
//                    MoreData when the tree would not fit in one frame
//
// An operation byte with the Wide bit set is the same call through the W
// function: its texts and name buffers are UTF-16LE (their u32 lengths
// still count bytes), and the name lengths beside them count UTF-16 units.
// A name buffer must hold as many units as its length says, a data buffer
// as many bytes.
//
// A request the bridge cannot parse gets status InvalidParameter.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace fk::bridge {

inline constexpr std::uint32_t ProtocolVersion = 4;
// Larger frames are refused as damaged; registry values the program reads
// are at most a few kilobytes.
inline constexpr std::uint32_t MaxFrame = 16u << 20;
// A tree's answer leaves room in its frame for the status and the count.
inline constexpr std::size_t MaxTree = MaxFrame - 64;
// Handles the client chooses carry this bit; advapi32's never do.
inline constexpr std::uint64_t ChosenHandle = std::uint64_t(1) << 62;

enum Op : std::uint8_t {
    Hello = 1,
    OpenKey,
    CreateKey,
    CloseKey,
    EnumKey,
    QueryValue,
    SetValue,
    DeleteValue,
    EnumValue,
    DeleteKey,
    DeleteTree,
    Batch,
    CreateKeyAs,
    ReadTree,
};
inline constexpr std::uint8_t Wide = 0x80;

class Writer {
public:
    void u8(std::uint8_t v) { out_.push_back(char(v)); }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out_.push_back(char((v >> (8 * i)) & 0xFF));
    }
    void u64(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) out_.push_back(char((v >> (8 * i)) & 0xFF));
    }
    void bytes(const void* data, std::uint32_t size) {
        u32(size);
        out_.append(static_cast<const char*>(data), size);
    }
    void text(const char* s) {
        u8(s != nullptr);
        if (s) bytes(s, std::uint32_t(std::strlen(s)));
    }
    void text(const char16_t* s) {
        u8(s != nullptr);
        if (!s) return;
        u32(std::uint32_t(std::char_traits<char16_t>::length(s) * 2));
        for (; *s; ++s) u8(std::uint8_t(*s & 0xFF)), u8(std::uint8_t(*s >> 8));
    }
    void maybeU32(const std::uint32_t* v) {
        u8(v != nullptr);
        if (v) u32(*v);
    }
    // A buffer of `size` bytes at `data` (absent when data is null).
    void buffer(const void* data, std::uint32_t size) {
        u8(data != nullptr);
        if (data) bytes(data, size);
    }
    std::string& str() { return out_; }

private:
    std::string out_;
};

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {}
    bool ok() const { return ok_; }
    bool atEnd() const { return pos_ == in_.size(); }

    std::uint8_t u8() {
        if (!need(1)) return 0;
        return std::uint8_t(in_[pos_++]);
    }
    std::uint32_t u32() {
        if (!need(4)) return 0;
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= std::uint32_t(std::uint8_t(in_[pos_++])) << (8 * i);
        return v;
    }
    std::uint64_t u64() {
        if (!need(8)) return 0;
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v |= std::uint64_t(std::uint8_t(in_[pos_++])) << (8 * i);
        return v;
    }
    std::string bytes() {
        std::uint32_t size = u32();
        if (!need(size)) return {};
        std::string s(in_.substr(pos_, size));
        pos_ += size;
        return s;
    }
    std::optional<std::string> maybeBytes() {
        if (!u8()) return std::nullopt;
        return bytes();
    }
    std::optional<std::uint32_t> maybeU32() {
        if (!u8()) return std::nullopt;
        return u32();
    }

private:
    bool need(std::size_t n) {
        if (!ok_ || in_.size() - pos_ < n) {
            ok_ = false;
            return false;
        }
        return true;
    }
    std::string_view in_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// The frame header of a payload.
inline std::string frameHeader(std::uint32_t size) {
    Writer w;
    w.u32(size);
    return w.str();
}

inline std::uint32_t frameSize(const unsigned char header[4]) {
    return std::uint32_t(header[0]) | std::uint32_t(header[1]) << 8 | std::uint32_t(header[2]) << 16 |
           std::uint32_t(header[3]) << 24;
}

}  // namespace fk::bridge
