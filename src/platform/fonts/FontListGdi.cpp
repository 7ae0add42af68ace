// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts/FontList.h"

#include "text/Cp1252.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace fk::fonts {

namespace {

struct Face {
    std::string family;    // the name GDI and Qt draw with, and the list shows
    std::string fullName;  // a style's own name, as older lists offered it
};

// A fixed-size name field ends at its first zero, or fills the field.
std::string field(const BYTE* chars, size_t size) {
    const auto* text = reinterpret_cast<const char*>(chars);
    return std::string(text, strnlen(text, size));
}
std::string field(const CHAR* chars, size_t size) { return field(reinterpret_cast<const BYTE*>(chars), size); }

int CALLBACK addEnumeratedFont(const LOGFONTA* logFont, const TEXTMETRICA*, DWORD fontType, LPARAM faces) {
    const auto* record = reinterpret_cast<const ENUMLOGFONTEXA*>(logFont);
    Face face;
    face.family = field(record->elfLogFont.lfFaceName, LF_FACESIZE);
    face.fullName = (fontType & TRUETYPE_FONTTYPE) ? field(record->elfFullName, LF_FULLFACESIZE) : face.family;
    reinterpret_cast<std::vector<Face>*>(faces)->push_back(std::move(face));
    return 1;
}

// The faces that support the ANSI character set, in GDI's order: one a
// family, or every style of the family named (in code page 1252).
std::vector<Face> ansiFaces(const std::string& family = {}) {
    std::vector<Face> faces;
    LOGFONTA wanted{};
    wanted.lfCharSet = ANSI_CHARSET;
    if (family.size() >= LF_FACESIZE) return faces;
    std::memcpy(wanted.lfFaceName, family.data(), family.size());
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, reinterpret_cast<FONTENUMPROCA>(addEnumeratedFont),
                        reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);
    return faces;
}

}  // namespace

std::vector<std::string> ansiFontNames() {
    std::vector<std::string> names;
    for (const Face& face : ansiFaces()) names.push_back(text::cp1252ToUtf8(face.family));
    return names;
}

std::string familyForName(const std::string& name) {
    const std::string wanted = text::utf8ToCp1252(name);
    if (wanted.empty()) return name;
    const std::vector<Face> faces = ansiFaces(wanted);
    for (const Face& face : faces)
        if (lstrcmpiA(face.family.c_str(), wanted.c_str()) == 0) return name;
    auto familyOfStyle = [&wanted](const std::vector<Face>& styles) -> std::optional<std::string> {
        for (const Face& face : styles)
            if (face.fullName == wanted) return text::cp1252ToUtf8(face.family);
        return std::nullopt;
    };
    // Wine finds a style by its full name; Windows only a family by its own.
    if (auto family = familyOfStyle(faces)) return *family;
    for (const Face& family : ansiFaces())
        if (auto found = familyOfStyle(ansiFaces(family.family))) return *found;
    return name;
}

std::string drawnFamily(const std::string& name) {
    LOGFONTA wanted{};
    wanted.lfHeight = -11;
    wanted.lfCharSet = ANSI_CHARSET;
    wanted.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    const std::string face = text::utf8ToCp1252(name);
    std::memcpy(wanted.lfFaceName, face.data(), std::min<size_t>(face.size(), LF_FACESIZE - 1));
    HFONT font = CreateFontIndirectA(&wanted);
    HDC screen = GetDC(nullptr);
    HGDIOBJ before = SelectObject(screen, font);
    std::array<char, LF_FACESIZE> drawn{};
    const int length = GetTextFaceA(screen, int(drawn.size()), drawn.data());
    SelectObject(screen, before);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return length > 0 ? text::cp1252ToUtf8(field(drawn.data(), drawn.size())) : name;
}

}  // namespace fk::fonts
