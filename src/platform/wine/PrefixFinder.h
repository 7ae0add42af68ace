// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the Wine prefixes the add-on lives in: $WINEPREFIX, ~/.wine and the
// places where the common Wine front-ends keep their prefixes. A prefix
// counts when its user.reg holds the add-on's key.
#include <string>
#include <vector>

namespace fk::wine {

// Where to look; tests point it at a made-up home.
struct SearchRoots {
    std::string home;
    std::string winePrefix;  // $WINEPREFIX, may be empty
    std::string dataHome;    // $XDG_DATA_HOME, else <home>/.local/share
};

SearchRoots rootsFromEnvironment();

struct PrefixSearch {
    // Prefix folders holding the key, each once: $WINEPREFIX, ~/.wine, then
    // the front-ends' places, each place in name order.
    std::vector<std::string> found;
    // Every place looked at, as a pattern ("~/Games/*"), for the user.
    std::vector<std::string> looked;
};

PrefixSearch findPrefixes(const SearchRoots& roots);

// Whether the file holds a key line for Software\Tavrel\Brisko2 or one of
// its subkeys. Reads in chunks and stops at the first hit; anything that is
// not a readable regular file holds nothing.
bool holdsAddOnKey(const std::string& userReg);

// The Steam library folders listed in a libraryfolders.vdf.
std::vector<std::string> steamLibraries(const std::string& vdfPath);

// How the user knows a prefix: the front-end that keeps it and its name
// there ("Bottles", "Gaming"; Proton's is the game's). Wine's own places
// and any other folder: "Wine" and no name.
struct PrefixLabel {
    std::string frontEnd;
    std::string name;
};
PrefixLabel labelPrefix(const std::string& dir, const SearchRoots& roots);

}  // namespace fk::wine
