// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts/FontList.h"

#include "text/Cp1252.h"

#include <memory>

namespace fk::fonts {

namespace {

struct PatternDeleter { void operator()(FcPattern* p) const { FcPatternDestroy(p); } };
struct ObjectSetDeleter { void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); } };
struct FontSetDeleter { void operator()(FcFontSet* s) const { FcFontSetDestroy(s); } };
struct CharSetDeleter { void operator()(FcCharSet* c) const { FcCharSetDestroy(c); } };
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;
using ObjectSet = std::unique_ptr<FcObjectSet, ObjectSetDeleter>;
using FontSet = std::unique_ptr<FcFontSet, FontSetDeleter>;
using CharSet = std::unique_ptr<FcCharSet, CharSetDeleter>;

// The printable characters of code page 1252: what a face must hold to be
// usable with the ANSI character set. The undefined bytes come back as C1
// controls and, like the C0 ones, are not asked for.
CharSet ansiCharacters() {
    std::string bytes;
    for (int b = 0x20; b <= 0xFF; ++b) bytes.push_back(char(b));
    CharSet set(FcCharSetCreate());
    for (char16_t c : text::cp1252ToUtf16(bytes)) {
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) continue;
        FcCharSetAddChar(set.get(), c);
    }
    return set;
}

std::string text(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || value == nullptr) return {};
    return reinterpret_cast<const char*>(value);
}

FontSet list(FcConfig* config, FcPattern* pattern, FcObjectSet* objects) {
    return FontSet(FcFontList(config, pattern, objects));
}

}  // namespace

std::vector<std::string> ansiFontNames(FcConfig* config) {
    std::vector<std::string> names;
    if (!FcInit()) return names;
    Pattern pattern(FcPatternCreate());
    CharSet ansi = ansiCharacters();
    FcPatternAddCharSet(pattern.get(), FC_CHARSET, ansi.get());
    // One pattern a family: the first of its names is the one fontconfig
    // itself matches by, as Windows lists a family once under its name.
    ObjectSet objects(FcObjectSetBuild(FC_FAMILY, nullptr));
    FontSet families = list(config, pattern.get(), objects.get());
    if (!families) return names;
    names.reserve(size_t(families->nfont));
    for (int i = 0; i < families->nfont; ++i) {
        std::string name = text(families->fonts[i], FC_FAMILY);
        if (!name.empty()) names.push_back(std::move(name));
    }
    return names;
}

std::string familyForName(const std::string& name, FcConfig* config) {
    if (name.empty() || !FcInit()) return name;
    const auto* value = reinterpret_cast<const FcChar8*>(name.c_str());
    ObjectSet objects(FcObjectSetBuild(FC_FAMILY, nullptr));
    Pattern byFamily(FcPatternCreate());
    FcPatternAddString(byFamily.get(), FC_FAMILY, value);
    FontSet families = list(config, byFamily.get(), objects.get());
    if (families && families->nfont > 0) return name;
    Pattern byFullName(FcPatternCreate());
    FcPatternAddString(byFullName.get(), FC_FULLNAME, value);
    FontSet faces = list(config, byFullName.get(), objects.get());
    if (faces && faces->nfont > 0) {
        std::string family = text(faces->fonts[0], FC_FAMILY);
        if (!family.empty()) return family;
    }
    return name;
}

}  // namespace fk::fonts
