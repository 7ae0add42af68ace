// SPDX-License-Identifier: GPL-3.0-or-later
// Bulk work on a fresh prefix: importing Wine's own export of the Time
// Zones (the key renamed) and copying HKLM\Software\Classes with all below
// it, by fettlekit-reg with Wine stopped, beside `wine reg` doing the same
// on a copy of the same prefix, its server started and warmed first, and
// its save to disk counted (the server stopped and waited for). Rounds
// alternate; medians are compared. Given the bridge, fettlekit-reg does the
// same once more while Wine runs in its prefix, through the bridge, its
// save counted as Wine's is.
//   bench_bulk FETTLEKIT_REG FRESH_PREFIX TIMEZONES.reg [ROUNDS [BRIDGE]]
// Exits 1 when fettlekit-reg takes more than half of Wine's time with Wine
// stopped, or more than Wine's time through the bridge, or when the trees
// it made differ from Wine's (`wine reg query /s` of both).
#include "BenchFigures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using fk::bench::median;

namespace fs = std::filesystem;

constexpr const char* Imported = "HKLM\\Software\\TZImport";
constexpr const char* Classes = "HKLM\\Software\\Classes";
constexpr const char* Copied = "HKLM\\Software\\ClassesCopy";

std::string quoted(const std::string& s) { return "'" + s + "'"; }

bool run(const std::string& command, const std::string& output = "/dev/null") {
    return std::system((command + " </dev/null >" + quoted(output) + " 2>/dev/null").c_str()) == 0;
}

double secondsOf(const std::vector<std::string>& commands) {
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& command : commands)
        if (!run(command)) std::fprintf(stderr, "bench_bulk: failed: %s\n", command.c_str());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void fresh(const std::string& from, const std::string& to) {
    fs::remove_all(to);
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
}

struct Figures {
    std::vector<double> import, copy;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_bulk FETTLEKIT_REG FRESH_PREFIX TIMEZONES.reg [ROUNDS]\n");
        return 2;
    }
    const std::string reg = argv[1], prefix = argv[2], zones = argv[3];
    const int rounds = argc > 4 ? std::max(1, std::atoi(argv[4])) : 3;
    const std::string bridge = argc > 5 ? argv[5] : "";
    std::string work = (fs::temp_directory_path() / "fk-bench-bulk-XXXXXX").string();
    if (!::mkdtemp(work.data())) return 2;
    const std::string ours = work + "/ours", wine = work + "/wine", live = work + "/live";
    const std::string onOurs = "env WINEDEBUG=-all WINEPREFIX=" + quoted(ours) + " ";
    const std::string onLive =
        "env WINEDEBUG=-all FETTLEKIT_BRIDGE=" + quoted(bridge) + " WINEPREFIX=" + quoted(live) + " ";
    const std::string fkLive = onLive + quoted(reg) + " --registry " + quoted(live + "/user.reg") + " ";
    const std::string onWine = "env WINEDEBUG=-all WINEPREFIX=" + quoted(wine) + " ";
    const std::string fk = onOurs + quoted(reg) + " --registry " + quoted(ours + "/user.reg") + " ";
    const std::string wineReg = onWine + "wine reg ";
    const std::string importArgs = "import " + quoted(zones);
    const std::string copyArgs = std::string("copy '") + Classes + "' '" + Copied + "' /s /f";

    Figures fkTimes, wineTimes, liveTimes;
    for (int round = 0; round < rounds; ++round) {
        fresh(prefix, ours);
        fresh(prefix, wine);
        fkTimes.import.push_back(secondsOf({fk + importArgs}));
        fkTimes.copy.push_back(secondsOf({fk + copyArgs}));
        // Warm: the server up and the prefix read before the clock starts.
        run(onWine + "wineserver -p");
        run(wineReg + "query 'HKCU\\Software\\Wine'");
        wineTimes.import.push_back(secondsOf({wineReg + importArgs}));
        wineTimes.copy.push_back(secondsOf({wineReg + copyArgs, onWine + "wineserver -k15", onWine + "wineserver -w"}));
        if (bridge.empty()) continue;
        fresh(prefix, live);
        run(onLive + "wineserver -p");
        run(onLive + "wine reg query 'HKCU\\Software\\Wine'");
        liveTimes.import.push_back(secondsOf({fkLive + importArgs}));
        liveTimes.copy.push_back(secondsOf({fkLive + copyArgs, onLive + "wineserver -k15", onLive + "wineserver -w"}));
    }

    // The trees made, as Wine lists them.
    bool same = true;
    const auto listed = [&work](const std::string& on, const char* key, const char* name) {
        const std::string file = work + "/" + name + ".txt";
        run(on + "wine reg query '" + key + "' /s", file);
        run(on + "wineserver -k; " + on + "wineserver -w");
        return file;
    };
    for (const char* key : {Imported, Copied}) {
        const std::string b = listed(onWine, key, "wine");
        const std::pair<std::string, const char*> ways[] = {{onOurs, "with Wine stopped"},
                                                             {onLive, "through the bridge"}};
        for (const auto& [on, who] : ways) {
            if (on == onLive && bridge.empty()) continue;
            const std::string a = listed(on, key, "ours");
            const bool equal = run("cmp -s " + quoted(a) + " " + quoted(b)) && fs::file_size(a) > 100;
            std::printf("  %s /s, %s: %s (%ju bytes listed)\n", key, who,
                        equal ? "the same as Wine's" : "DIFFERS from Wine's", std::uintmax_t(fs::file_size(a)));
            same = same && equal;
        }
    }
    fs::remove_all(work);

    const double fkImport = median(fkTimes.import), fkCopy = median(fkTimes.copy);
    const double wineImport = median(wineTimes.import), wineCopy = median(wineTimes.copy);
    std::printf("  Time Zones import: fettlekit-reg %.3f s, wine reg %.3f s = %.2f\n", fkImport, wineImport,
                fkImport / wineImport);
    std::printf("  Classes copy /s:   fettlekit-reg %.3f s, wine reg (and its save) %.3f s = %.2f\n", fkCopy,
                wineCopy, fkCopy / wineCopy);
    const double ratio = (fkImport + fkCopy) / (wineImport + wineCopy);
    const bool met = ratio <= 0.5;
    std::printf("  both, medians of %d rounds: %.3f / %.3f s = %.2f  target <= 0.5  %s\n", rounds, fkImport + fkCopy,
                wineImport + wineCopy, ratio, met ? "ok" : "MISSED");
    bool liveMet = true;
    if (!bridge.empty()) {
        const double liveBoth = median(liveTimes.import) + median(liveTimes.copy);
        liveMet = liveBoth <= wineImport + wineCopy;
        std::printf("  through the bridge, Wine running: import %.3f s, copy %.3f s; both %.3f / %.3f s = %.2f  "
                    "target <= 1  %s\n",
                    median(liveTimes.import), median(liveTimes.copy), liveBoth, wineImport + wineCopy,
                    liveBoth / (wineImport + wineCopy), liveMet ? "ok" : "MISSED");
    }
    return met && liveMet && same ? 0 : 1;
}
