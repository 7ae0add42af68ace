// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-16 text as the registry stores it: two bytes a unit, low byte first,
// whatever the machine's own order.
#include <cstdint>
#include <string>
#include <string_view>

namespace fk::text {

// The unit at byte `at`; 0 past the end (an odd last byte counts as past it).
inline char16_t utf16UnitAt(std::string_view bytes, size_t at) {
    return at + 1 < bytes.size() ? char16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8) : u'\0';
}

inline std::u16string utf16FromBytes(std::string_view bytes) {
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i) out[i] = utf16UnitAt(bytes, 2 * i);
    return out;
}

inline std::string bytesFromUtf16(std::u16string_view text) {
    std::string out(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        out[2 * i] = char(text[i] & 0xFF);
        out[2 * i + 1] = char(text[i] >> 8);
    }
    return out;
}

}  // namespace fk::text
