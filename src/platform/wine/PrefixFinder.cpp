// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wine/PrefixFinder.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <set>
#include <string_view>

namespace fk::wine {

namespace {

// A key line as Wine writes it: backslashes doubled, at the start of a line.
constexpr std::string_view KeyLine = "[software\\\\tavrel\\\\brisko2";

bool matchesKeyLine(const char* at, const char* end) {
    if (size_t(end - at) < KeyLine.size() + 1) return false;
    // Most keys are under Software too: the vendor's first letter tells them apart soonest.
    constexpr size_t Vendor = KeyLine.find('t', 5);
    if ((at[Vendor] | 0x20) != 't') return false;
    for (char want : KeyLine)
        if (char(std::tolower(static_cast<unsigned char>(*at++))) != want) return false;
    return *at == ']' || *at == '\\';
}

bool isDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> subfolders(const std::string& dir) {
    std::vector<std::string> names;
    DIR* listing = ::opendir(dir.c_str());
    if (!listing) return names;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (entry->d_type == DT_DIR || ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
                                        isDirectory(dir + "/" + name)))
            names.push_back(name);
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

// A small regular file's text; nothing for a FIFO or a device, which could
// hang or never end.
std::string regularFileText(const std::string& path) {
    constexpr off_t Largest = 4 << 20;
    std::string text;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return text;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= Largest) {
        text.resize(size_t(info.st_size));
        size_t got = 0;
        for (ssize_t n; got < text.size() && (n = ::read(fd, text.data() + got, text.size() - got)) > 0;) got += size_t(n);
        text.resize(got);
    }
    ::close(fd);
    return text;
}

std::string realFolder(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

class Search {
public:
    explicit Search(const SearchRoots& roots) : home_(roots.home) {}

    void prefix(const std::string& dir) {
        look(dir);
        consider(dir);
    }
    // Every folder in `parent`, with `below` appended when given.
    void eachIn(const std::string& parent, const std::string& below = {}) {
        look(parent + "/*" + (below.empty() ? "" : "/" + below));
        for (const std::string& name : subfolders(parent))
            consider(parent + "/" + name + (below.empty() ? "" : "/" + below));
    }
    PrefixSearch result() { return std::move(result_); }

private:
    void look(const std::string& place) {
        std::string shown = place;
        if (!home_.empty() && shown.rfind(home_ + "/", 0) == 0) shown = "~" + shown.substr(home_.size());
        if (std::find(result_.looked.begin(), result_.looked.end(), shown) == result_.looked.end())
            result_.looked.push_back(shown);
    }
    void consider(const std::string& dir) {
        if (dir.empty() || !holdsAddOnKey(dir + "/user.reg")) return;
        if (seen_.insert(realFolder(dir)).second) result_.found.push_back(dir);
    }

    std::string home_;
    std::set<std::string> seen_;
    PrefixSearch result_;
};

void searchSteam(Search& search, const std::vector<std::string>& steamRoots) {
    std::vector<std::string> libraries;
    for (const std::string& root : steamRoots) {
        libraries.push_back(root);
        for (const std::string& extra : steamLibraries(root + "/steamapps/libraryfolders.vdf"))
            libraries.push_back(extra);
    }
    for (const std::string& library : libraries) search.eachIn(library + "/steamapps/compatdata", "pfx");
}

}  // namespace

SearchRoots rootsFromEnvironment() {
    SearchRoots roots;
    if (const char* h = std::getenv("HOME"); h && *h) roots.home = h;
    else if (const passwd* pw = ::getpwuid(::getuid())) roots.home = pw->pw_dir;
    if (const char* p = std::getenv("WINEPREFIX"); p && *p) roots.winePrefix = p;
    const char* data = std::getenv("XDG_DATA_HOME");
    roots.dataHome = (data && *data == '/') ? data : roots.home + "/.local/share";
    return roots;
}

PrefixSearch findPrefixes(const SearchRoots& roots) {
    Search search(roots);
    const std::string& home = roots.home;
    if (!roots.winePrefix.empty()) search.prefix(roots.winePrefix);
    search.prefix(home + "/.wine");
    // Bottles, native and Flatpak.
    search.eachIn(roots.dataHome + "/bottles/bottles");
    search.eachIn(home + "/.var/app/com.usebottles.bottles/data/bottles/bottles");
    // Lutris installs each game in its own prefix under ~/Games.
    search.eachIn(home + "/Games");
    // One prefix a program: PlayOnLinux, winetricks, CrossOver.
    search.eachIn(home + "/.PlayOnLinux/wineprefix");
    search.eachIn(roots.dataHome + "/wineprefixes");
    search.eachIn(home + "/.cxoffice");
    // Proton: one prefix a game, in every Steam library.
    searchSteam(search, {home + "/.steam/steam", roots.dataHome + "/Steam",
                         home + "/.var/app/com.valvesoftware.Steam/.local/share/Steam",
                         home + "/.var/app/com.valvesoftware.Steam/data/Steam"});
    return search.result();
}

bool holdsAddOnKey(const std::string& userReg) {
    // Non-blocking, so a named pipe in the way cannot hang the scan.
    const int fd = ::open(userReg.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool found = false;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // Key lines are the only ones that start with '['. The tail a key
        // line may be cut in, with the newline before it, goes on to the next chunk.
        std::string data = "\n";
        char chunk[64 * 1024];
        ssize_t got;
        while (!found && (got = ::read(fd, chunk, sizeof chunk)) > 0) {
            data.append(chunk, size_t(got));
            const char* end = data.data() + data.size();
            for (const char* at = data.data() + 1;
                 !found && (at = static_cast<const char*>(std::memchr(at, '[', size_t(end - at)))); ++at)
                found = at[-1] == '\n' && matchesKeyLine(at, end);
            data.erase(0, data.size() - std::min(data.size(), KeyLine.size() + 1));
        }
    }
    ::close(fd);
    return found;
}

namespace {

// The values of `key` in a Steam .vdf or .acf file, lines like
//     "path"		"/mnt/games/SteamLibrary"
std::vector<std::string> vdfValues(const std::string& path, const std::string& key) {
    std::vector<std::string> values;
    const std::string quotedKey = "\"" + key + "\"";
    std::istringstream in(regularFileText(path));
    std::string line;
    while (std::getline(in, line)) {
        const size_t at = line.find(quotedKey);
        if (at == std::string::npos) continue;
        const size_t open = line.find('"', at + quotedKey.size());
        if (open == std::string::npos) continue;
        std::string value;
        for (size_t i = open + 1; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) ++i;
            value += line[i];
        }
        if (!value.empty()) values.push_back(value);
    }
    return values;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string parentOf(const std::string& path) {
    const size_t cut = path.rfind('/');
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string baseOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

std::vector<std::string> steamLibraries(const std::string& vdfPath) { return vdfValues(vdfPath, "path"); }

PrefixLabel labelPrefix(const std::string& dir, const SearchRoots& roots) {
    std::string path = dir;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    const std::string parent = parentOf(path), name = baseOf(path);
    if (name == "pfx" && endsWith(parentOf(parent), "/steamapps/compatdata")) {
        const std::string app = baseOf(parent);
        const std::string steamapps = parentOf(parentOf(parent));
        const auto game = vdfValues(steamapps + "/appmanifest_" + app + ".acf", "name");
        return {"Proton", game.empty() ? "app " + app : game.front()};
    }
    const struct {
        std::string place;
        bool byEnd;
        const char* frontEnd;
    } places[] = {
        {"/bottles/bottles", true, "Bottles"},
        {roots.home + "/Games", false, "Lutris"},
        {"/.PlayOnLinux/wineprefix", true, "PlayOnLinux"},
        {roots.dataHome + "/wineprefixes", false, "winetricks"},
        {roots.home + "/.cxoffice", false, "CrossOver"},
    };
    for (const auto& p : places)
        if (p.byEnd ? endsWith(parent, p.place) : parent == p.place) return {p.frontEnd, name};
    return {"Wine", ""};
}

}  // namespace fk::wine
