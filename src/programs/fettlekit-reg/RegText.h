// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What fettlekit-reg says and how it spells data: reg's messages and usage
// texts, type names, and value data read from and written to its text forms.
// The registry's text is UTF-16 throughout; the command line and the screen
// are UTF-8.
#include "platform/registry/Listing.h"
#include "platform/registry/Registry.h"
#include "text/Utf8.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fk::regcli {

// reg's own words, as Wine's reg.exe prints them.
inline constexpr const char* MsgSuccess = "reg: The operation completed successfully\n";
inline constexpr const char* MsgInvalidKey = "reg: Invalid registry key\n";
inline constexpr const char* MsgInvalidCmdline = "reg: Invalid command line parameters\n";
inline constexpr const char* MsgNoRemote = "reg: Unable to access remote machine\n";
inline constexpr const char* MsgValueMissing = "reg: Unable to find the specified registry value\n";
inline constexpr const char* MsgKeyMissing = "reg: Unable to find the specified registry key\n";
inline constexpr const char* MsgNotNumber = "reg: The option [/d] must be followed by a valid numeric value\n";
inline constexpr const char* MsgNotHex = "reg: The option [/d] must be followed by a valid hexadecimal value\n";
inline constexpr const char* MsgNotString = "reg: The option [/d] must be followed by a valid string\n";
inline constexpr const char* MsgCancelled = "reg: The registry operation was cancelled\n";
inline constexpr const char* MsgInvalidSystemKey = "reg: Invalid system key\n";
inline constexpr const char* MsgAccessDenied = "reg: Unable to access or create the specified registry key\n";
inline constexpr const char* MsgRegHelp = "Type \"REG /?\" for help.\n";
inline constexpr const char* MsgSameKeys = "reg: The source and destination keys cannot be the same\n";
inline constexpr const char* DefaultName = "(Default)";

extern const char* const Usage;
extern const char* const ViewUsage;
std::string addUsage();
std::string deleteUsage();
std::string queryUsage();
std::string exportUsage();
std::string importUsage();
std::string copyUsage();

using Text = std::u16string;

using ValueData = reg::NamedValueOf<char16_t>;

bool sameText(std::string_view a, std::string_view b);
std::string upper(std::string s);
const char* typeName(std::uint32_t type);
std::optional<std::uint32_t> typeFromName(const std::string& name);
// Between the command line's UTF-8 and the registry's UTF-16; what is not
// valid in one becomes U+FFFD in the other, as in Wine's reg.
inline Text wide(std::string_view utf8) { return text::utf16FromUtf8(utf8, text::BadUtf8::Replace); }
inline std::string shown(std::u16string_view units) { return text::utf8FromUtf16(units); }
bool sameText(std::u16string_view a, std::u16string_view b);
// The data as `reg query` shows it.
std::string queryText(std::uint32_t type, const std::string& bytes);
// The bytes handed to RegSetValueExW for /d in the given type; null when
// they are good, else reg's message.
const char* encodeData(std::uint32_t type, const Text& d, std::optional<char16_t> separator, std::string& out);

}  // namespace fk::regcli
