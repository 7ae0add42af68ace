// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Utf8.h"

#include <cstdint>

namespace fk::text {

namespace {

bool isContinuation(std::string_view s, size_t at) { return at < s.size() && (std::uint8_t(s[at]) & 0xC0) == 0x80; }

// The second byte's range for the leads whose sequences could otherwise be
// overlong, a surrogate or past U+10FFFF.
bool secondFits(std::uint8_t lead, std::uint8_t second) {
    switch (lead) {
    case 0xE0: return second >= 0xA0;
    case 0xED: return second < 0xA0;
    case 0xF0: return second >= 0x90;
    case 0xF4: return second < 0x90;
    default: return true;
    }
}

void appendUtf8(std::string& out, char32_t c) {
    const int more = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    static constexpr unsigned char Lead[] = {0x00, 0xC0, 0xE0, 0xF0};
    out += char(Lead[more] | c >> (6 * more));
    for (int shift = 6 * (more - 1); shift >= 0; shift -= 6) out += char(0x80 | (c >> shift & 0x3F));
}

}  // namespace

void takeUtf8(std::string_view utf8, size_t& pos, BadUtf8 bad, std::u16string& out) {
    const size_t start = pos;
    const auto lead = std::uint8_t(utf8[pos++]);
    const int more = lead < 0x80 ? 0 : lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
    char32_t c = more > 0 ? lead & (0x3F >> more) : lead;
    bool ok = more >= 0;
    for (int i = 0; ok && i < more; ++i) {
        ok = isContinuation(utf8, pos);
        if (!ok) break;
        const auto next = std::uint8_t(utf8[pos++]);
        c = c << 6 | (next & 0x3F);
        ok = i > 0 || secondFits(lead, next);
    }
    if (!ok) {
        if (bad == BadUtf8::Replace) out += u'\uFFFD';
        else
            for (size_t i = start; i < pos; ++i) out += char16_t(std::uint8_t(utf8[i]));
        return;
    }
    if (c >= 0x10000) {
        out += char16_t(0xD800 + ((c - 0x10000) >> 10));
        out += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        out += char16_t(c);
    }
}

std::u16string utf16FromUtf8(std::string_view utf8, BadUtf8 bad) {
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) takeUtf8(utf8, pos, bad, out);
    return out;
}

std::string utf8FromUtf16(std::u16string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        appendUtf8(out, c);
    }
    return out;
}

}  // namespace fk::text
