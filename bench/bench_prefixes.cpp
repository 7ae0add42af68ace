// SPDX-License-Identifier: GPL-3.0-or-later
// The prefix scan over a made-up home with many prefixes (Bottles, Lutris,
// PlayOnLinux and Proton places, each user.reg about 150 KB, a third of them
// with the add-on's key near their end), beside reading every one of those
// files whole, measured in the same run. Prints medians in milliseconds.
#include "BenchFigures.h"
#include "platform/wine/PrefixFinder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int PrefixesEachPlace = 50;
constexpr double TargetMs = 100;

std::string userReg(bool withKey) {
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n";
    for (int i = 0; text.size() < 150 * 1024; ++i)
        text += "[Software\\\\Vendor" + std::to_string(i) + "\\\\Program] 1733000000\n#time=1d9f0c6b1a2b3c4\n"
                "\"Value\"=\"some text of a setting\"\n\"Number\"=dword:0000002a\n\n";
    if (withKey) text += "[Software\\\\Tavrel\\\\Brisko2] 1733000000\n\"Enable\"=dword:00000001\n\n";
    return text + "[Software\\\\Wine\\\\Fonts] 1733000000\n\"Name\"=\"x\"\n";
}

}  // namespace

int main() {
    const fs::path home = fs::temp_directory_path() / ("fk-bench-prefixes-" + std::to_string(::getpid()));
    const std::vector<std::string> places = {".local/share/bottles/bottles/b%", "Games/g%", ".PlayOnLinux/wineprefix/p%",
                                             ".local/share/Steam/steamapps/compatdata/%/pfx"};
    std::vector<std::string> files;
    int withKey = 0;
    for (const std::string& place : places) {
        for (int i = 0; i < PrefixesEachPlace; ++i) {
            std::string dir = place;
            dir.replace(dir.find('%'), 1, std::to_string(1000 + i));
            fs::create_directories(home / dir);
            const bool key = i % 3 == 0;
            withKey += key;
            files.push_back((home / dir / "user.reg").string());
            std::ofstream(files.back(), std::ios::binary) << userReg(key);
        }
    }
    const fk::wine::SearchRoots roots{home.string(), {}, (home / ".local/share").string()};
    size_t found = 0;
    const double scan = fk::bench::medianTime(15, [&] { found = fk::wine::findPrefixes(roots).found.size(); });
    const double readAll = fk::bench::medianTime(15, [&] {
        static char buffer[1 << 16];
        for (const std::string& file : files) {
            const int fd = ::open(file.c_str(), O_RDONLY);
            while (::read(fd, buffer, sizeof buffer) > 0) {}
            ::close(fd);
        }
    });
    fs::remove_all(home);

    std::printf("prefixes: %zu user.reg files, %d with the key, %zu found\n", files.size(), withKey, found);
    std::printf("scan %.2f ms, reading every user.reg whole %.2f ms, ratio %.2f\n", scan, readAll, scan / readAll);
    const bool met = found == size_t(withKey) && scan < TargetMs;
    std::printf("prefix scan %.2f ms: %s (target under %.0f ms)\n", scan, met ? "met" : "NOT MET", TargetMs);
    return met ? 0 : 1;
}
