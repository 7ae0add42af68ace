// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/Cp1252.h"
#include "text/Utf16.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "text/Cp1252BestFit.h"

#include <iconv.h>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#endif

namespace fk::text {

#ifdef _WIN32

std::string utf16ToCp1252(std::u16string_view text) {
    if (text.empty()) return {};
    auto wide = reinterpret_cast<const wchar_t*>(text.data());
    int n = WideCharToMultiByte(1252, 0, wide, int(text.size()), nullptr, 0, "?", nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(1252, 0, wide, int(text.size()), out.data(), n, "?", nullptr);
    return out;
}

std::u16string cp1252ToUtf16(std::string_view text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(1252, 0, text.data(), int(text.size()), nullptr, 0);
    std::u16string out(size_t(n), u'\0');
    MultiByteToWideChar(1252, 0, text.data(), int(text.size()),
                        reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}

#else

namespace {

// One conversion with iconv; an input sequence the target cannot hold is
// replaced by `replacement` and skipped by `inStep` bytes.
std::string convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    size_t inStep) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != size_t(-1)) break;
        if (errno == E2BIG) {
            size_t used = size_t(dst - out.data());
            out.resize(out.size() * 2);
            dst = out.data() + used;
            dstLeft = out.size() - used;
            continue;
        }
        // EILSEQ or EINVAL: an unmappable or broken sequence.
        size_t used = size_t(dst - out.data());
        if (dstLeft < replacement.size() + 1) {
            out.resize(out.size() * 2);
            dst = out.data() + used;
            dstLeft = out.size() - used;
        }
        for (char c : replacement) { *dst++ = c; --dstLeft; }
        size_t skip = std::min(inStep, srcLeft);
        // A UTF-16 surrogate pair is one character: skip both halves.
        if (inStep == 2 && skip == 2 && srcLeft >= 4) {
            auto unit = utf16UnitAt(std::string_view(src, 2), 0);
            if (unit >= 0xD800 && unit < 0xDC00) skip = 4;
        }
        src += skip;
        srcLeft -= skip;
    }
    out.resize(size_t(dst - out.data()));
    iconv_close(cd);
    return out;
}

}  // namespace

// Windows' byte for a character iconv's 1252 rejects, or 0 when it has none.
std::uint8_t bestFit(char16_t c) {
    auto end = std::end(Cp1252BestFit);
    auto it = std::lower_bound(std::begin(Cp1252BestFit), end, c,
                               [](const BestFit& entry, char16_t key) { return entry.from < key; });
    return it != end && it->from == c ? it->to : 0;
}

std::string utf16ToCp1252(std::u16string_view text) {
    // iconv converts the runs between characters that only Windows' best
    // fit places.
    std::string out;
    size_t runStart = 0;
    auto flushRun = [&](size_t end) {
        if (end == runStart) return;
        auto run = text.substr(runStart, end - runStart);
        out += convert("CP1252", "UTF-16LE",
                       std::string_view(reinterpret_cast<const char*>(run.data()), run.size() * 2), "?", 2);
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] < 0x80) continue;
        if (std::uint8_t b = bestFit(text[i])) {
            flushRun(i);
            out += char(b);
            runStart = i + 1;
        }
    }
    flushRun(text.size());
    return out;
}

std::u16string cp1252ToUtf16(std::string_view text) {
    // Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character in 1252;
    // Windows maps them to the C1 control of the same number, so do we.
    std::u16string out = utf16FromBytes(convert("UTF-16LE", "CP1252", text, std::string("\x3f\x00", 2), 1));
    // Put the undefined bytes back as their C1 controls.
    if (out.size() == text.size()) {
        for (size_t k = 0; k < text.size(); ++k) {
            auto b = uint8_t(text[k]);
            if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) out[k] = char16_t(b);
        }
    }
    return out;
}

#endif

std::string utf8ToCp1252(std::string_view text) {
#ifdef _WIN32
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::u16string wide(size_t(n), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), reinterpret_cast<wchar_t*>(wide.data()), n);
    return utf16ToCp1252(wide);
#else
    // Through UTF-16, so that one unmappable character gives one '?'.
    return utf16ToCp1252(utf16FromBytes(convert("UTF-16LE", "UTF-8", text, std::string("\x3f\x00", 2), 1)));
#endif
}

std::string cp1252ToUtf8(std::string_view text) {
#ifdef _WIN32
    std::u16string wide = cp1252ToUtf16(text);
    auto w = reinterpret_cast<const wchar_t*>(wide.data());
    int n = WideCharToMultiByte(CP_UTF8, 0, w, int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w, int(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
#else
    std::u16string wide = cp1252ToUtf16(text);
    std::string_view bytes(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
    return convert("UTF-8", "UTF-16LE", bytes, "?", 2);
#endif
}

}  // namespace fk::text
