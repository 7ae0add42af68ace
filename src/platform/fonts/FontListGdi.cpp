#include "FontList.h"

#include "text/Cp1252.h"

#include <windows.h>

#include <cstring>

namespace fk::fonts {

namespace {

struct Face {
    std::string listed;  // the name the font editor shows
    std::string family;  // the face name GDI and Qt draw with
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
    face.listed = (fontType & TRUETYPE_FONTTYPE) ? field(record->elfFullName, LF_FULLFACESIZE) : face.family;
    reinterpret_cast<std::vector<Face>*>(faces)->push_back(std::move(face));
    return 1;
}

// Every face that supports the ANSI character set, in GDI's order.
std::vector<Face> ansiFaces() {
    std::vector<Face> faces;
    LOGFONTA wanted{};
    wanted.lfCharSet = ANSI_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, reinterpret_cast<FONTENUMPROCA>(addEnumeratedFont),
                        reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);
    return faces;
}

}  // namespace

std::vector<std::string> ansiFontNames() {
    std::vector<std::string> names;
    for (const Face& face : ansiFaces()) names.push_back(text::cp1252ToUtf8(face.listed));
    return names;
}

std::string familyForName(const std::string& name) {
    const std::string wanted = text::utf8ToCp1252(name);
    for (const Face& face : ansiFaces())
        if (face.listed == wanted) return text::cp1252ToUtf8(face.family);
    return name;
}

}  // namespace fk::fonts
