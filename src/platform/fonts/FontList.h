// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installed font families, as the font editor lists them: one name per
// family that can show every character of code page 1252. On Windows GDI
// lists them; elsewhere fontconfig.
#include <string>
#include <vector>

#ifndef _WIN32
#include <fontconfig/fontconfig.h>
#endif

namespace fk::fonts {

#ifdef _WIN32
// In GDI's order, one name a family; a family reported twice gives its name
// twice. Names are UTF-8.
std::vector<std::string> ansiFontNames();
// As below, by GDI's families and their styles' full names.
std::string familyForName(const std::string& name);
// The family GDI draws for a sans-serif face of this name: the family itself
// where it is installed, else the stand-in Windows (or Wine) picks.
std::string drawnFamily(const std::string& name);
#else
// In fontconfig's order; two families that share their first name give it
// twice. Names are UTF-8. `config` null means the user's font configuration.
std::vector<std::string> ansiFontNames(FcConfig* config = nullptr);

// The family to ask for when drawing with a stored name: the name itself
// when a family bears it, else the family of the face whose full name it
// is (as older lists offered), else the name unchanged (the font matcher
// then substitutes).
std::string familyForName(const std::string& name, FcConfig* config = nullptr);
#endif

}  // namespace fk::fonts
