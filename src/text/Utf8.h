// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 to and from UTF-16 by hand: the same on Linux and Windows, whatever
// the locale.
#include <string>
#include <string_view>

namespace fk::text {

// What a run of bytes that is no character becomes. The run is cut as
// Windows' own conversion cuts it: a lead byte with the continuation bytes
// that follow it while they can still make a character.
enum class BadUtf8 {
    Replace,    // one U+FFFD, as Windows (and Wine's reg) give a command line
    KeepBytes,  // each byte the character of its number, as a Latin-1 text
};

// Appends the character at `pos` (one unit, or a surrogate pair) and moves
// `pos` past it.
void takeUtf8(std::string_view utf8, size_t& pos, BadUtf8 bad, std::u16string& out);
std::u16string utf16FromUtf8(std::string_view utf8, BadUtf8 bad);
// A lone surrogate becomes U+FFFD.
std::string utf8FromUtf16(std::u16string_view text);

}  // namespace fk::text
