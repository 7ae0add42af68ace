// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wine's escapes of names and texts in the hive file, and its value lines.
#include "platform/hive/HiveTree.h"

#include <string>
#include <string_view>

namespace fk::reg::hive {

// The characters of the file's escapes and the space its lines may end in.
inline bool isHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
inline int hexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }
inline bool isOctal(char16_t c) { return c >= '0' && c <= '7'; }
inline bool onlySpaceFrom(std::string_view s, size_t pos) {
    return s.find_first_not_of(" \t", pos) == std::string_view::npos;
}

// Wine's escaping of a name or text, `quotes` being the characters that
// need a backslash besides the backslash itself.
std::string escapeText(std::u16string_view text, std::string_view quotes);
// Reads an escaped text from `pos` up to the unescaped `end` character,
// which it skips. False when the text ends first.
bool unescapeText(std::string_view s, size_t& pos, char end, std::u16string& out);
// A value line as Wine writes it, ending in '\n'.
std::string formatValue(const Value& value);

}  // namespace fk::reg::hive
