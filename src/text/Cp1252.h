// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Code page 1252, the ANSI code page of a Western Windows or Wine prefix.
// Registry text crosses the program's interfaces in it; the hive file holds
// UTF-16 and the screen Unicode, so every conversion goes through here.
#include <string>
#include <string_view>

namespace fk::text {

// A character that code page 1252 cannot hold becomes '?', as Windows does.
std::string utf16ToCp1252(std::u16string_view text);
std::u16string cp1252ToUtf16(std::string_view text);

std::string utf8ToCp1252(std::string_view text);
std::string cp1252ToUtf8(std::string_view text);

}  // namespace fk::text
