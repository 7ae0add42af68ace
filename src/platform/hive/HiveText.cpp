// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/HiveText.h"

#include "text/Utf16.h"
#include "text/Utf8.h"

#include <cstdint>
#include <cstdio>

namespace fk::reg::hive {

namespace {

void appendHex(std::string& out, unsigned v, int width) {
    char buf[24];
    std::snprintf(buf, sizeof buf, width ? "%08x" : "%x", v);
    out += buf;
}

}  // namespace

std::string escapeText(std::u16string_view text, std::string_view quotes) {
    static constexpr char Escapes[] = ".......abtnvfr.............e....";
    std::string out;
    out.reserve(text.size());
    char buf[16];
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        bool more = i + 1 < text.size();
        if (c > 127) {
            bool hexNext = more && text[i + 1] < 128 && isHex(char(text[i + 1]));
            std::snprintf(buf, sizeof buf, hexNext ? "\\x%04x" : "\\x%x", unsigned(c));
            out += buf;
        } else if (c < 32) {
            if (Escapes[c] != '.') {
                out += '\\';
                out += Escapes[c];
            } else {
                bool octalNext = more && isOctal(text[i + 1]);
                std::snprintf(buf, sizeof buf, octalNext ? "\\%03o" : "\\%o", unsigned(c));
                out += buf;
            }
        } else {
            if (c == '\\' || quotes.find(char(c)) != std::string_view::npos) out += '\\';
            out += char(c);
        }
    }
    return out;
}

std::string formatValue(const Value& value) {
    std::string out = value.name.empty() ? "@=" : "\"" + escapeText(value.name, "\"\"") + "\"=";
    const auto& d = value.data;
    switch (value.type) {
    case 1: case 2: case 7:
        // Only a text ending in its zero is written as text.
        if (d.size() >= 2 && d.size() % 2 == 0 && d[d.size() - 1] == 0 && d[d.size() - 2] == 0) {
            if (value.type != 1) out += value.type == 2 ? "str(2):" : "str(7):";
            auto text = text::utf16FromBytes(d);
            text.pop_back();
            out += '"' + escapeText(text, "\"\"") + "\"\n";
            return out;
        }
        break;
    case 4:
        if (d.size() == 4) {
            out += "dword:";
            appendHex(out, unsigned(uint8_t(d[0])) | unsigned(uint8_t(d[1])) << 8 | unsigned(uint8_t(d[2])) << 16 |
                               unsigned(uint8_t(d[3])) << 24, 8);
            out += '\n';
            return out;
        }
        break;
    }
    if (value.type == 3) {
        out += "hex:";
    } else {
        out += "hex(";
        appendHex(out, value.type, 0);
        out += "):";
    }
    // Wine wraps after column 76, counting from the start of the line.
    size_t count = out.size();
    char buf[4];
    for (size_t i = 0; i < d.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", unsigned(uint8_t(d[i])));
        out += buf;
        count += 2;
        if (i + 1 < d.size()) {
            out += ',';
            if (++count > 76) {
                out += "\\\n  ";
                count = 2;
            }
        }
    }
    out += '\n';
    return out;
}

bool unescapeText(std::string_view s, size_t& pos, char end, std::u16string& out) {
    while (pos < s.size() && s[pos] != end) {
        // Most text is plain ASCII: take a run of it at once.
        size_t run = pos;
        while (run < s.size() && uint8_t(s[run]) < 0x80 && s[run] != '\\' && s[run] != end) ++run;
        if (run > pos) {
            out.append(s.begin() + long(pos), s.begin() + long(run));
            pos = run;
            continue;
        }
        if (s[pos] != '\\') { text::takeUtf8(s, pos, text::BadUtf8::KeepBytes, out); continue; }
        if (++pos >= s.size()) return false;
        char c = s[pos];
        switch (c) {
        case 'a': out.push_back(7); ++pos; break;
        case 'b': out.push_back(8); ++pos; break;
        case 'e': out.push_back(27); ++pos; break;
        case 'f': out.push_back(12); ++pos; break;
        case 'n': out.push_back(10); ++pos; break;
        case 'r': out.push_back(13); ++pos; break;
        case 't': out.push_back(9); ++pos; break;
        case 'v': out.push_back(11); ++pos; break;
        case 'x': {
            ++pos;
            char16_t v = 0;
            for (int i = 0; i < 4 && pos < s.size() && isHex(s[pos]); ++i, ++pos) v = char16_t(v * 16 + hexValue(s[pos]));
            out.push_back(v);
            break;
        }
        default:
            if (isOctal(char16_t(c))) {
                char16_t v = 0;
                for (int i = 0; i < 3 && pos < s.size() && isOctal(char16_t(s[pos])); ++i, ++pos)
                    v = char16_t(v * 8 + (s[pos] - '0'));
                out.push_back(v);
            } else {
                text::takeUtf8(s, pos, text::BadUtf8::KeepBytes, out);
            }
        }
    }
    if (pos >= s.size()) return false;
    ++pos;
    return true;
}

}  // namespace fk::reg::hive
