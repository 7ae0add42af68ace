// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regfile/RegFileReader.h"

#include "platform/regfile/RegFileLines.h"

#include "platform/registry/Registry.h"
#include "text/Cp1252.h"

#include <cstdint>

namespace fk::regfile {

namespace {

using namespace fk::reg;
using Text = std::u16string;

bool blank(char16_t c) { return c == u' ' || c == u'\t'; }
bool hexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }
int hexValue(char16_t c) { return c <= u'9' ? c - u'0' : (c | 0x20) - u'a' + 10; }
char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

size_t skipBlanks(const Text& s, size_t i) {
    while (i < s.size() && blank(s[i])) ++i;
    return i;
}

// True when only blanks or a comment follow.
bool restIsEmpty(const Text& s, size_t i) {
    i = skipBlanks(s, i);
    return i == s.size() || s[i] == u';';
}

// What the C library's wcstoul(s, &end, 16) reads: blanks, a sign, "0x",
// digits. `end` is `i` when no digit was read.
struct Number {
    std::uint64_t value = 0;
    size_t end = 0;
    bool overflow = false;
};
Number readHex(const Text& s, size_t i) {
    Number n;
    n.end = i;
    size_t j = i;
    while (j < s.size() && (blank(s[j]) || s[j] == u'\n' || s[j] == u'\r' || s[j] == u'\v' || s[j] == u'\f')) ++j;
    bool negative = false;
    if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) negative = s[j++] == u'-';
    if (j + 2 < s.size() && s[j] == u'0' && lower(s[j + 1]) == u'x' && hexDigit(s[j + 2]))
        j += 2;
    size_t digits = j;
    while (j < s.size() && hexDigit(s[j])) {
        n.value = n.value * 16 + std::uint64_t(hexValue(s[j++]));
        if (n.value > 0xFFFFFFFFull) n.overflow = true, n.value = 0xFFFFFFFFull;
    }
    if (j == digits) return n;
    if (negative && !n.overflow) n.value = (~n.value + 1) & 0xFFFFFFFFull;
    n.end = j;
    return n;
}

void appendUtf16(std::string& out, const Text& s) {
    for (char16_t c : s) {
        out += char(c & 0xFF);
        out += char(c >> 8);
    }
}

class Reader {
public:
    Reader(const Visitor& each, bool unicode) : each_(each), unicode_(unicode) {}

    // One line after the header; false once the visitor wants no more.
    bool line(const Text& text, int number) {
        number_ = number;
        if (continuing_) continueHex(text);
        else lineStart(text);
        return !stopped_;
    }
    void finish() {
        if (continuing_ && !stopped_) finishHex();
    }

private:
    Instruction make(Instruction::Kind kind) const {
        Instruction i;
        i.kind = kind;
        i.line = number_;
        return i;
    }
    void emit(const Instruction& i) {
        if (!stopped_) stopped_ = !each_(i);
    }
    void skip(Skip why) {
        Instruction i = make(Instruction::Skipped);
        i.skip = why;
        emit(i);
    }

    void lineStart(const Text& line) {
        size_t i = skipBlanks(line, 0);
        if (i == line.size() || line[i] == u';') return;
        if (line[i] == u'[') return keyName(line, i + 1);
        if (line[i] == u'@') {
            name_.clear();
            return dataStart(line, i + 1);
        }
        if (line[i] == u'"') {
            Text name;
            size_t rest = 0;
            if (!unescape(line, i + 1, name, rest)) return skip(Skip::NameNotClosed);
            name_ = name;
            return dataStart(line, rest);
        }
        skip(Skip::NotKeyOrValue);
    }

    void keyName(const Text& line, size_t i) {
        size_t end = line.rfind(u']');
        if (i == line.size() || blank(line[i]) || end == Text::npos || end < i)
            return skip(Skip::KeyNotClosed);
        Instruction key = make(line[i] == u'-' ? Instruction::DeleteKey : Instruction::OpenKey);
        key.key = line[i] == u'-' ? line.substr(i + 1, end - i - 1) : line.substr(i, end - i);
        emit(key);
    }

    void dataStart(const Text& line, size_t i) {
        i = skipBlanks(line, i);
        if (i == line.size() || line[i] != u'=') return skip(Skip::NoEquals);
        i = skipBlanks(line, i + 1);
        size_t end = line.size();
        while (end > i && blank(line[end - 1])) --end;
        Text data = line.substr(i, end - i);
        if (!data.empty() && data[0] == u'-') {
            if (!restIsEmpty(data, 1)) return skip(Skip::BadDeletion);
            Instruction deletion = make(Instruction::DeleteValue);
            deletion.name = name_;
            return emit(deletion);
        }
        dataType(data);
    }

    void dataType(const Text& data) {
        if (data.starts_with(u"\"")) return stringData(data);
        if (data.starts_with(u"dword:")) return dwordData(data.substr(6));
        if (data.starts_with(u"hex:")) {
            type_ = TypeBinary;
            return startHex(data.substr(4));
        }
        if (data.starts_with(u"hex(")) {
            Text rest = data.substr(4);
            if (rest.empty() || (rest.size() > 1 && lower(rest[1]) == u'x')) return skip(Skip::HexTypeNotNumber);
            Number n = readHex(rest, 0);
            if (n.end + 1 >= rest.size() || rest[n.end] != u')' || rest[n.end + 1] != u':' || n.overflow)
                return skip(Skip::HexTypeNotNumber);
            type_ = std::uint32_t(n.value);
            return startHex(rest.substr(n.end + 2));
        }
        skip(Skip::UnknownData);
    }

    void stringData(const Text& data) {
        Text value;
        size_t rest = 0;
        if (!unescape(data, 1, value, rest)) return skip(Skip::TextNotClosed);
        if (!restIsEmpty(data, rest)) return skip(Skip::AfterText);
        Instruction set = make(Instruction::SetValue);
        set.name = name_;
        set.type = TypeSz;
        appendUtf16(set.data, value + u'\0');
        emit(set);
    }

    void dwordData(const Text& data) {
        size_t i = skipBlanks(data, 0);
        if (i == data.size()) return skip(Skip::DwordEmpty);
        size_t digits = i;
        std::uint32_t value = 0;
        while (i < data.size() && hexDigit(data[i])) value = value * 16 + std::uint32_t(hexValue(data[i++]));
        if (i - digits > 8) return skip(Skip::DwordTooLong);
        if (!restIsEmpty(data, i)) return skip(Skip::DwordNotHex);
        Instruction set = make(Instruction::SetValue);
        set.name = name_;
        set.type = TypeDword;
        for (int b = 0; b < 4; ++b) set.data += char((value >> (8 * b)) & 0xFF);
        emit(set);
    }

    void startHex(const Text& data) {
        bytes_.clear();
        start_ = number_;
        if (data.empty()) return setHex(false);
        hexData(data);
    }

    // One line's comma-separated bytes; a '\' carries on to the next line.
    void hexData(const Text& data) {
        size_t s = 0;
        bool more = false;
        while (s < data.size()) {
            Number n = readHex(data, s);
            if (n.value > 0xFF) return failHex(Skip::HexByteTooBig);
            if (n.end == s) {
                size_t e = skipBlanks(data, s);
                if (e < data.size() && data[e] == u'\\') {
                    if (!restIsEmpty(data, e + 1)) return failHex(Skip::AfterContinuation);
                    more = true;
                    break;
                }
                if (e < data.size() && data[e] == u';') break;
                return failHex(Skip::HexNotByte);
            }
            bytes_ += char(n.value);
            size_t e = n.end;
            if (e < data.size() && data[e] != u',') {
                if (!restIsEmpty(data, e)) return failHex(Skip::HexNotByte);
                break;
            }
            s = e < data.size() ? e + 1 : e;
        }
        if (more) continuing_ = true;
        else setHex(true);
    }

    void continueHex(const Text& line) {
        size_t i = skipBlanks(line, 0);
        if (i == line.size() || line[i] == u';') return;
        continuing_ = false;
        if (!hexDigit(line[i])) return failHex(Skip::ContinuationNotHex);
        hexData(line.substr(i));
    }

    void finishHex() {
        continuing_ = false;
        setHex(true);
    }

    void failHex(Skip why) {
        continuing_ = false;
        skip(why);
    }

    // Text types get their terminating zero; an ANSI file's texts are
    // widened as reg widens them.
    void setHex(bool prepare) {
        std::string data = bytes_;
        if (prepare && (type_ == TypeSz || type_ == TypeExpandSz || type_ == TypeMultiSz) && !data.empty()) {
            if (unicode_) {
                if (data.size() % 2) data.pop_back();
                if (data.size() >= 2 && (data[data.size() - 1] || data[data.size() - 2])) data.append(2, '\0');
            } else {
                if (data.back()) data += '\0';
                std::string wide;
                appendUtf16(wide, text::cp1252ToUtf16(std::string_view(data.data(), data.size())));
                data = wide;
            }
        }
        Instruction set = make(Instruction::SetValue);
        set.line = start_;
        set.name = name_;
        set.type = type_;
        set.data = std::move(data);
        emit(set);
    }

    // Undoes \n, \r, \\ and \"; any other escape keeps its character with a
    // warning; \0 or a missing closing quote fails.
    bool unescape(const Text& s, size_t i, Text& out, size_t& rest) {
        out.clear();
        for (; i < s.size(); ++i) {
            char16_t c = s[i];
            if (c == u'"') {
                rest = i + 1;
                return true;
            }
            if (c != u'\\') {
                out += c;
                continue;
            }
            if (++i == s.size()) return false;
            switch (s[i]) {
            case u'n': out += u'\n'; break;
            case u'r': out += u'\r'; break;
            case u'0': return false;
            case u'\\':
            case u'"': out += s[i]; break;
            default: {
                Instruction warning = make(Instruction::UnknownEscape);
                warning.escape = s[i];
                emit(warning);
                out += s[i];
            }
            }
        }
        return false;
    }

    const Visitor& each_;
    bool unicode_;
    bool stopped_ = false;
    int number_ = 0;
    Text name_;
    std::uint32_t type_ = 0;
    std::string bytes_;
    int start_ = 0;
    bool continuing_ = false;
};

bool space(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// Windows 3.1's "REGEDIT" file: each line "HKEY_CLASSES_ROOT\key = text"
// sets the key's default value; any other line is passed over. False once
// the visitor wants no more.
bool win31Line(const Text& line, int number, const Visitor& each) {
    constexpr std::u16string_view Root = u"HKEY_CLASSES_ROOT";
    if (!line.starts_with(Root)) return true;
    size_t keyEnd = 0;
    while (keyEnd < line.size() && !space(line[keyEnd])) ++keyEnd;
    size_t value = skipBlanks(line, keyEnd);
    if (value < line.size() && line[value] == u'=') ++value;
    if (value < line.size() && line[value] == u' ') ++value;  // one space at most
    Instruction open;
    open.kind = Instruction::OpenKey;
    open.line = number;
    open.key = line.substr(0, keyEnd);
    if (!each(open)) return false;
    Instruction set;
    set.kind = Instruction::SetValue;
    set.line = number;
    set.type = TypeSz;
    appendUtf16(set.data, line.substr(value) + u'\0');
    return each(set);
}

Header headerOf(const Text& line) {
    Text s = line.substr(skipBlanks(line, 0));
    if (s == u"REGEDIT") return Header::Regedit;
    if (s == u"REGEDIT4") return Header::Regedit4;
    if (s == u"Windows Registry Editor Version 5.00") return Header::Version5;
    if (s.starts_with(u"REGEDIT")) return Header::Fuzzy;
    return Header::Invalid;
}

}  // namespace

Header fileHeader(std::string_view bytes) {
    if (bytes.size() < 2) return Header::Invalid;
    Text line;
    Lines(bytes).next(line);
    return headerOf(line);
}

Header readRegFile(std::string_view bytes, const Visitor& each) {
    if (bytes.size() < 2) return Header::Invalid;
    Lines lines(bytes);
    Text line;
    lines.next(line);
    Header header = headerOf(line);
    if (header == Header::Regedit) {
        for (int number = 2; lines.next(line); ++number)
            if (!win31Line(line, number, each)) break;
        return header;
    }
    if (header != Header::Regedit4 && header != Header::Version5) return header;
    Reader reader(each, lines.unicode());
    for (int number = 2; lines.next(line); ++number)
        if (!reader.line(line, number)) return header;
    reader.finish();
    return header;
}

bool currentUserPath(const Text& key, Text& path, bool& knownRoot) {
    static const char16_t* const Roots[] = {u"HKEY_CURRENT_USER", u"HKCU", u"HKEY_LOCAL_MACHINE", u"HKLM",
                                            u"HKEY_CLASSES_ROOT", u"HKCR", u"HKEY_USERS", u"HKU",
                                            u"HKEY_CURRENT_CONFIG", u"HKCC"};
    knownRoot = false;
    for (size_t r = 0; r < std::size(Roots); ++r) {
        Text root = Roots[r];
        if (key.size() < root.size() || (key.size() > root.size() && key[root.size()] != u'\\')) continue;
        bool same = true;
        for (size_t i = 0; i < root.size() && same; ++i) same = lower(key[i]) == lower(root[i]);
        if (!same) continue;
        knownRoot = true;
        path = key.size() > root.size() ? key.substr(root.size() + 1) : Text();
        return r < 2;
    }
    return false;
}

}  // namespace fk::regfile
