// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regfile/RegFileWriter.h"

#include "platform/registry/Registry.h"
#include "text/Cp1252.h"
#include "text/Utf16.h"

#include <cstdio>
#include <cstring>

namespace fk::regfile {

namespace {

using namespace fk::reg;

std::u16string ascii(const char* s) { return std::u16string(s, s + std::strlen(s)); }

std::uint32_t littleEndian32(const std::string& bytes) {
    std::uint32_t v = 0;
    for (size_t i = 0; i < 4 && i < bytes.size(); ++i) v |= std::uint32_t(std::uint8_t(bytes[i])) << (8 * i);
    return v;
}

std::string utf16Bytes(const std::string& cp1252) {
    std::string out;
    for (char16_t c : text::cp1252ToUtf16(cp1252)) {
        out += char(c & 0xFF);
        out += char(c >> 8);
    }
    return out;
}

std::u16string escape(const std::u16string& s) {
    std::u16string out;
    for (char16_t c : s) {
        if (!c) break;
        switch (c) {
        case u'\r': out += u"\\r"; break;
        case u'\n': out += u"\\n"; break;
        case u'\\': out += u"\\\\"; break;
        case u'"': out += u"\\\""; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

void RegFileWriter::key(const std::u16string& path) { out_ += u"\r\n[" + path + u"]\r\n"; }

void RegFileWriter::value(const std::string& name, std::uint32_t type, const std::string& bytes) {
    value(text::cp1252ToUtf16(name), type, isTextType(type) ? utf16Bytes(bytes) : bytes);
}

// As Wine's reg export writes it: a string up to its first zero, the rest
// as hex of the bytes stored.
void RegFileWriter::value(const std::u16string& name, std::uint32_t type, const std::string& bytes) {
    size_t lineLength = 0;
    if (name.empty()) {
        out_ += u"@=";
        lineLength = 2;
    } else {
        std::u16string escaped = escape(name);
        out_ += u"\"" + escaped + u"\"=";
        lineLength = escaped.size() + 3;
    }
    if (type == TypeSz) {
        std::u16string text = text::utf16FromBytes(bytes);
        if (!text.empty()) text.pop_back();
        out_ += u"\"" + escape(text) + u"\"";
    } else if (type == TypeDword && !bytes.empty()) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x", unsigned(littleEndian32(bytes)));
        out_ += ascii(buf);
    } else {
        hex(type, lineLength, bytes);
    }
    out_ += u"\r\n";
}

std::string RegFileWriter::bytes() const {
    return text::bytesFromUtf16(u"\xFEFFWindows Registry Editor Version 5.00\r\n" + out_ + u"\r\n");
}

// Wine wraps hex data once a line reaches 77 characters.
void RegFileWriter::hex(std::uint32_t type, size_t lineLength, const std::string& data) {
    char buf[16];
    if (type == TypeBinary) std::snprintf(buf, sizeof buf, "hex:");
    else std::snprintf(buf, sizeof buf, "hex(%x):", type);
    out_ += ascii(buf);
    lineLength += std::strlen(buf);
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", unsigned(std::uint8_t(data[i])));
        out_ += ascii(buf);
        if (i + 1 == data.size()) break;
        out_ += u",";
        lineLength += 3;
        if (lineLength >= 77) {
            out_ += u"\\\r\n  ";
            lineLength = 2;
        }
    }
}

}  // namespace fk::regfile
