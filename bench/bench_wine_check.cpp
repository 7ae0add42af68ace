// SPDX-License-Identifier: GPL-3.0-or-later
// The check that runs before every write to user.reg, with no Wine running:
// is a wineserver serving the prefix, in our /tmp or in a sandbox's own?
// Beside it, one bare listing of /proc, the floor of its process scan.
// Prints medians in microseconds; exits 1 when the check takes 1 ms or more.
#include "BenchFigures.h"
#include "platform/wine/WineServer.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <string>

int main() {
    std::string prefix = (std::filesystem::temp_directory_path() / "fk-bench-wine-XXXXXX").string();
    if (!::mkdtemp(prefix.data())) return 2;
    int processes = 0;
    bool found = false;
    const double check = fk::bench::medianTime<std::micro>(2000, [&] { found |= fk::wine::findWineServer(prefix).running; });
    const double listing = fk::bench::medianTime<std::micro>(2000, [&] {
        processes = 0;
        if (DIR* proc = ::opendir("/proc")) {
            while (dirent* entry = ::readdir(proc)) processes += entry->d_name[0] >= '1' && entry->d_name[0] <= '9';
            ::closedir(proc);
        }
    });
    std::filesystem::remove(prefix);
    if (found) {
        std::printf("a wineserver serves the scratch prefix: nothing measured\n");
        return 2;
    }
    const bool met = check < 1000;
    std::printf("no Wine, %d processes: check %.1f us, /proc listing %.1f us; target under 1000 us: %s\n", processes,
                check, listing, met ? "met" : "NOT MET");
    return met ? 0 : 1;
}
