// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a .reg file the way Wine's reg import does: UTF-16 LE with its byte
// order mark or ANSI (code page 1252), the "Windows Registry Editor Version
// 5.00" and "REGEDIT4" headers (and Windows 3.1's "REGEDIT"), key and value deletions, "hex:", "hex(N):"
// and "dword:" data split over lines with '\', and the string escapes.
// It only reads: what to do with each instruction is the caller's. No Qt.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fk::regfile {

enum class Header {
    Invalid,    // not a registry file: nothing is imported, reg fails
    Regedit,    // "REGEDIT" alone (Windows 3.1): only HKEY_CLASSES_ROOT lines, each a key's default text
    Fuzzy,      // "REGEDIT" and more: accepted, but nothing is imported
    Regedit4,
    Version5,
};

// Why a line is one reg skips.
enum class Skip {
    NotKeyOrValue,
    NameNotClosed,
    KeyNotClosed,
    NoEquals,
    BadDeletion,       // anything after "name"=-
    HexTypeNotNumber,  // hex(...):
    UnknownData,       // none of text, dword:, hex: or hex(N):
    TextNotClosed,
    AfterText,
    DwordEmpty,
    DwordTooLong,      // more than 8 digits
    DwordNotHex,
    HexByteTooBig,
    AfterContinuation,  // something after the \ that carries hex data on
    HexNotByte,
    ContinuationNotHex,  // the line after a \ is no hex data
};

struct Instruction {
    enum Kind {
        OpenKey,        // [KEY]: later values go here; created when missing
        DeleteKey,      // [-KEY]: the key and all below it
        SetValue,
        DeleteValue,    // "name"=-
        UnknownEscape,  // a warning reg prints; the character is kept
        Skipped,        // a line reg ignores; `skip` says why
    };
    Kind kind = Skipped;
    int line = 0;               // 1-based, where the instruction starts
    std::u16string key;         // OpenKey, DeleteKey: the path as written
    std::u16string name;        // SetValue, DeleteValue; empty for @
    std::uint32_t type = 0;     // SetValue
    std::string data;           // SetValue: the bytes reg hands the registry (texts UTF-16 LE)
    char16_t escape = 0;        // UnknownEscape
    Skip skip = Skip::NotKeyOrValue;  // Skipped
};

// Reads the file a line at a time and hands `each` every instruction in
// file order, as it is read, until `each` answers false. Nothing is kept
// but the line at hand (and a value's hex data carried over lines), so a
// file of any length costs no more than its bytes. `each` is called only
// under a REGEDIT4, version 5.00 or REGEDIT header; the header comes back.
using Visitor = std::function<bool(const Instruction&)>;
Header readRegFile(std::string_view bytes, const Visitor& each);
// The header alone, from the first line.
Header fileHeader(std::string_view bytes);

// A key path split at its root as reg reads it ("HKCU\..." or
// "HKEY_CURRENT_USER\..."): true for the current user's root, with `path`
// the rest (empty for the root itself).
bool currentUserPath(const std::u16string& key, std::u16string& path, bool& knownRoot);

}  // namespace fk::regfile
