// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fettlekit-reg/RegText.h"

#include "text/Utf16.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace fk::regcli {

using namespace fk::reg;

const char* const Usage =
    "Usage:\n"
    "  REG [operation] [parameters]\n\n"
    "Supported operations:\n"
    "  ADD | COPY | DELETE | EXPORT | IMPORT | QUERY\n\n"
    "For help on a specific operation, type:\n"
    "  REG [operation] /?\n\n";

constexpr const char* RootHelp =
    "     Format: ROOT\\Subkey\n\n"
    "     ROOT: A predefined registry key. This must be one of the following:\n\n"
    "         HKEY_LOCAL_MACHINE  | HKLM\n"
    "         HKEY_CURRENT_USER   | HKCU\n"
    "         HKEY_CLASSES_ROOT   | HKCR\n"
    "         HKEY_USERS          | HKU\n"
    "         HKEY_CURRENT_CONFIG | HKCC\n\n"
    "     Subkey: The full path to a registry key under a given ROOT key.\n\n";

std::string addUsage() {
    return std::string("REG ADD <key> [/v value_name | /ve] [/t type] [/s separator] [/d data] [/f]\n\n"
                       "  Adds a key to the registry or adds a new value to a given registry key.\n\n"
                       "  <key>\n"
                       "     The registry key to add or, if either [/v] or [/ve] is specified,\n"
                       "     the key in which to add the new registry data.\n\n") +
           RootHelp +
           "  /v <value_name>\n"
           "     The name of the registry value to add.\n\n"
           "  /ve\n"
           "     Add an unnamed registry value. This option modifies the (Default)\n"
           "     registry value.\n\n"
           "  /t <type>\n"
           "     The type of data to add to the registry. If [/t] is specified,\n"
           "     <type> must be one of the following:\n\n"
           "         REG_SZ    | REG_MULTI_SZ | REG_EXPAND_SZ\n"
           "         REG_DWORD | REG_QWORD    | REG_BINARY   | REG_NONE\n\n"
           "     If [/t] is not specified, the default data type is REG_SZ.\n\n"
           "  /s <separator>\n"
           "     The character used to separate strings in REG_MULTI_SZ data.\n"
           "     If [/s] is not specified, the default separator is \\0.\n\n"
           "  /d <data>\n"
           "     The data to add to the new registry value.\n\n"
           "  /f\n"
           "     Modify the registry without prompting for confirmation.\n\n";
}

std::string deleteUsage() {
    return std::string("REG DELETE <key> [/v value_name | /ve | /va] [/f]\n\n"
                       "  Deletes a registry key (including all subkeys and values), or deletes\n"
                       "  one or more values from a given registry key.\n\n"
                       "  <key>\n"
                       "     The registry key to delete or, if one of [/v], [/ve] or [/va] is\n"
                       "     specified, the registry key in which to delete one or more values.\n\n") +
           RootHelp +
           "  /v <value_name>\n"
           "     The name of the registry value to delete.\n\n"
           "  /ve\n"
           "     Delete an unnamed registry value. This option deletes the (Default)\n"
           "     registry value.\n\n"
           "  /va\n"
           "     Delete all values from a registry key.\n\n"
           "  /f\n"
           "     Delete a registry key (including all subkeys and values) without\n"
           "     prompting for confirmation.\n\n";
}

std::string queryUsage() {
    return std::string("REG QUERY <key> [/v value_name | /ve] [/s]\n\n"
                       "  Queries a specified registry key and lists all immediate subkeys, values\n"
                       "  and data within that key. Use [/s] to recursively query each subkey.\n\n"
                       "  <key>\n"
                       "     The registry key to query.\n\n") +
           RootHelp +
           "  /v <value_name>\n"
           "     The name of the registry value to query. If neither [/v] nor [/ve] is\n"
           "     specified, all values under <key> are listed.\n\n"
           "  /ve\n"
           "     Query an unnamed registry value. This option queries the (Default)\n"
           "     registry value.\n\n"
           "  /s\n"
           "     List all registry entries under <key> and its subkeys.\n\n";
}

std::string exportUsage() {
    return std::string("REG EXPORT <key> <file> [/y]\n\n"
                       "  Exports a specified registry key (including all subkeys and values)\n"
                       "  to a file.\n\n"
                       "  <key>\n"
                       "     The registry key to export.\n\n") +
           RootHelp +
           "  <file>\n"
           "     The name and path of the registry file that will be created.\n"
           "     This file must have a .reg extension.\n\n"
           "  /y\n"
           "     Overwrite <file> without prompting for confirmation.\n\n";
}

std::string importUsage() {
    return "REG IMPORT <file>\n\n"
           "  Imports keys, values and data from a given file into the registry.\n\n"
           "  <file>\n"
           "     The name and path of the registry file to import.\n\n";
}

std::string copyUsage() {
    return std::string("REG COPY <key1> <key2> [/s] [/f]\n\n"
                       "  Copies the contents of a specified registry key to another location.\n"
                       "  By default, this operation only copies registry values. Use [/s] to\n"
                       "  recursively copy all subkeys and values.\n\n"
                       "  <key1>, <key2>\n"
                       "     Registry keys specifying the source (<key1>) and destination (<key2>)\n"
                       "     of the data. If <key2> does not exist, it is created.\n\n") +
           RootHelp +
           "  /s\n"
           "     Copy all subkeys and values from <key1> to <key2>.\n\n"
           "  /f\n"
           "     Overwrite all registry data in <key2> without prompting for confirmation.\n"
           "     This option does not modify subkeys and values that only exist in <key2>.\n\n";
}

const char* const ViewUsage =
    "  /reg:32\n"
    "     Access the registry using the 32-bit view.\n\n"
    "  /reg:64\n"
    "     Access the registry using the 64-bit view.\n\n";

namespace {

struct TypeName {
    std::uint32_t type;
    const char* name;
};
// The first name of a type is the one shown.
constexpr TypeName TypeNames[] = {
    {TypeNone, "REG_NONE"},   {TypeSz, "REG_SZ"},
    {TypeExpandSz, "REG_EXPAND_SZ"}, {TypeBinary, "REG_BINARY"},
    {TypeDword, "REG_DWORD"}, {TypeDword, "REG_DWORD_LITTLE_ENDIAN"},
    {TypeDwordBigEndian, "REG_DWORD_BIG_ENDIAN"}, {TypeQword, "REG_QWORD"},
    {TypeMultiSz, "REG_MULTI_SZ"},
};

std::uint64_t littleEndian(const std::string& bytes, size_t width) {
    std::uint64_t v = 0;
    for (size_t i = 0; i < width && i < bytes.size(); ++i) v |= std::uint64_t(std::uint8_t(bytes[i])) << (8 * i);
    return v;
}

// An odd count of digits makes the first one a byte of its own.
bool hexBytes(const Text& d, std::string& out) {
    auto nibble = [](char16_t c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    size_t i = 0;
    if (d.size() % 2) {
        int n = nibble(d[i++]);
        if (n < 0) return false;
        out += char(n);
    }
    for (; i + 1 < d.size(); i += 2) {
        int hi = nibble(d[i]), lo = nibble(d[i + 1]);
        if (hi < 0 || lo < 0) return false;
        out += char(hi << 4 | lo);
    }
    return true;
}

// Strings split at the separator, or at "\0" when none is given; an
// empty string inside the list is refused, as reg does.
bool multiString(const Text& d, std::optional<char16_t> separator, std::string& out) {
    Text list;
    for (size_t i = 0; i < d.size(); ++i) {
        char16_t c = d[i];
        if (!separator && c == u'\\' && i + 1 < d.size() && d[i + 1] == u'0') {
            c = u'\0';
            ++i;
        } else if (separator && c == *separator) {
            c = u'\0';
        }
        list += c;
        size_t n = list.size() - 1;
        if (n && list[n - 1] == u'\0' && (list[n] == u'\0' || n == 1)) return false;
    }
    if (!list.empty() && list.back() != u'\0') list += u'\0';
    list += u'\0';
    out = text::bytesFromUtf16(list);
    return true;
}

}  // namespace

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::string upper(std::string s) {
    for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

const char* typeName(std::uint32_t type) {
    for (const auto& t : TypeNames)
        if (t.type == type) return t.name;
    return "(null)";  // Wine prints a missing name so
}

std::optional<std::uint32_t> typeFromName(const std::string& name) {
    for (const auto& t : TypeNames)
        if (sameText(t.name, name)) return t.type;
    return std::nullopt;
}

bool sameText(std::u16string_view a, std::u16string_view b) {
    auto lower = [](char16_t c) { return c < 0x80 ? char16_t(std::tolower(c)) : c; };
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::string queryText(std::uint32_t type, const std::string& bytes) {
    char buf[32];
    switch (type) {
    case TypeSz:
    case TypeExpandSz: {
        Text text = text::utf16FromBytes(bytes);
        return shown(text.substr(0, text.find(u'\0')));
    }
    case TypeNone:
    case TypeBinary: {
        std::string out;
        for (unsigned char c : bytes) {
            std::snprintf(buf, sizeof buf, "%02X", c);
            out += buf;
        }
        return out;
    }
    case TypeDword:
    case TypeDwordBigEndian:
        std::snprintf(buf, sizeof buf, "0x%x", unsigned(littleEndian(bytes, 4)));
        return buf;
    case TypeQword:
        // Wine 8 prints "(null)" here; Windows prints the number.
        std::snprintf(buf, sizeof buf, "0x%llx", static_cast<unsigned long long>(littleEndian(bytes, 8)));
        return buf;
    case TypeMultiSz: {
        if (bytes.size() <= 4) return {};
        Text out;
        for (char16_t c : text::utf16FromBytes(bytes.substr(0, bytes.size() - 4))) {
            if (c) out += c;
            else out += u"\\0";
        }
        return shown(out);
    }
    default:
        return "(null)";
    }
}

const char* encodeData(std::uint32_t type, const Text& data, std::optional<char16_t> separator, std::string& out) {
    // Numbers are ASCII: anything else makes them invalid, as it does for reg.
    const std::string d = shown(data);
    int base = d.size() > 1 && std::tolower(static_cast<unsigned char>(d[1])) == 'x' ? 16 : 10;
    switch (type) {
    case TypeSz:
    case TypeExpandSz:
    case TypeNone:
        // reg hands REG_NONE the same UTF-16 text as a string.
        out = text::bytesFromUtf16(data.substr(0, data.find(u'\0')) + u'\0');
        return nullptr;
    case TypeDword:
    case TypeDwordBigEndian: {
        char* rest = nullptr;
        errno = 0;
        unsigned long long v = std::strtoull(d.c_str(), &rest, base);
        if (*rest || (!d.empty() && d[0] == '-') || v > 0xFFFFFFFFull || errno == ERANGE)
            return MsgNotNumber;
        for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
        return nullptr;
    }
    case TypeQword: {
        char* rest = nullptr;
        errno = 0;
        unsigned long long v = std::strtoull(d.c_str(), &rest, base);
        if (*rest || errno == ERANGE) return MsgNotNumber;
        for (int i = 0; i < 8; ++i) out += char((v >> (8 * i)) & 0xFF);
        return nullptr;
    }
    case TypeBinary:
        return hexBytes(data, out) ? nullptr : MsgNotHex;
    case TypeMultiSz:
        return multiString(data, separator, out) ? nullptr : MsgNotString;
    default:
        return nullptr;
    }
}

}  // namespace fk::regcli
