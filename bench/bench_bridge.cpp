// SPDX-License-Identifier: GPL-3.0-or-later
// One registry read and one write through the bridge (Wine's live registry,
// fettlekit-bridge.exe under a running wineserver) beside the same on the
// hive file, in one run: median and 99th percentile of each.
//   bench_bridge [reads] [writes]      FETTLEKIT_BRIDGE overrides the bridge path.
#include "platform/bridge/WineBridge.h"
#include "platform/hive/HiveRegistry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace fk::reg;
using Clock = std::chrono::steady_clock;

struct Figures {
    double median, p99;
};

Figures figures(std::vector<double> us) {
    std::sort(us.begin(), us.end());
    auto at = [&](double q) { return us[std::min(us.size() - 1, std::size_t(q * double(us.size())))]; };
    return {at(0.5), at(0.99)};
}

// Times `count` runs of `op`; a failed call ends the benchmark.
template <typename Op>
std::vector<double> timeEach(int count, Op op) {
    std::vector<double> us;
    us.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        auto start = Clock::now();
        long status = op(i);
        us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        if (status != Success) {
            std::fprintf(stderr, "bench_bridge: a call failed with %ld\n", status);
            std::exit(1);
        }
    }
    return us;
}

struct Results {
    Figures read, write;
};

// The store's own calls: a 256-byte text read and a REG_DWORD write in an
// account's preferences key.
Results measure(Registry& registry, int reads, int writes) {
    Key key = 0;
    SecurityAttributes security{10, nullptr, true};
    std::uint32_t disposition = 0;
    if (registry.RegCreateKeyExA(CurrentUser, "Software\\Tavrel\\Brisko2\\Nobody\\Preferences", 0, "", 0,
                                 KeyAllAccess, &security, &key, &disposition) != Success) {
        std::fprintf(stderr, "bench_bridge: cannot create the preferences key\n");
        std::exit(1);
    }
    const char text[] = "%d.%m.%Y %H:%M";
    registry.RegSetValueExA(key, "DateFormat", 0, TypeSz, reinterpret_cast<const std::uint8_t*>(text), sizeof text);
    auto read = timeEach(reads, [&](int) {
        std::uint8_t buffer[256] = {};
        std::uint32_t type = 0, size = 256;
        return registry.RegQueryValueExA(key, "DateFormat", nullptr, &type, buffer, &size);
    });
    auto write = timeEach(writes, [&](int i) {
        std::int32_t value = i;
        return registry.RegSetValueExA(key, "ContactSoundMaxTime", 0, TypeDword,
                                       reinterpret_cast<const std::uint8_t*>(&value), 4);
    });
    registry.RegCloseKey(key);
    return {figures(read), figures(write)};
}

void row(const char* what, Figures bridge, Figures hive) {
    std::printf("%-6s %12.1f %12.1f %12.1f %12.1f %9.2f %9.2f\n", what, bridge.median, bridge.p99, hive.median,
                hive.p99, bridge.median / hive.median, bridge.p99 / hive.p99);
}

}  // namespace

int main(int argc, char** argv) {
    const int reads = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int writes = argc > 2 ? std::atoi(argv[2]) : 500;
    std::string exe = fk::bridge::findBridgeExe();
    if (exe.empty()) exe = FK_BRIDGE_EXE;
    if (!fs::exists(exe)) {
        std::fprintf(stderr, "bench_bridge: %s is missing; build it with scripts/test-windows\n", exe.c_str());
        return 1;
    }

    std::string pattern = (fs::temp_directory_path() / "fk-bench-bridge-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return 1;
    const std::string folder = pattern, prefix = folder + "/prefix", hiveCopy = folder + "/copy";
    ::setenv("WINEPREFIX", prefix.c_str(), 1);
    ::setenv("WINEDEBUG", "-all", 1);
    std::fprintf(stderr, "Making a Wine prefix in %s...\n", prefix.c_str());
    std::fflush(stderr);
    std::system("wine wineboot -i </dev/null >/dev/null 2>&1; wineserver -w");
    // The same registry for both: a copy of the fresh prefix's hive, which
    // no wineserver serves.
    fs::create_directories(hiveCopy);
    fs::copy_file(prefix + "/user.reg", hiveCopy + "/user.reg");
    std::system("wineserver -p </dev/null >/dev/null 2>&1; wine reg query 'HKCU\\Software' </dev/null >/dev/null 2>&1");

    auto started = fk::bridge::startWineBridge(prefix, exe);
    auto hive = openHiveRegistry(hiveCopy + "/user.reg");
    int status = 1;
    if (!started.registry) {
        std::fprintf(stderr, "bench_bridge: %s\n", englishText(started.error).c_str());
    } else if (!hive.registry || !hive.registry->writable()) {
        std::fprintf(stderr, "bench_bridge: the hive copy did not open for writing: %s\n", englishText(hive.error).c_str());
    } else {
        Results bridge = measure(*started.registry, reads, writes);
        Results file = measure(*hive.registry, reads, writes);
        std::printf("One registry call, microseconds (%d reads, %d writes each)\n", reads, writes);
        std::printf("%-6s %12s %12s %12s %12s %9s %9s\n", "", "bridge p50", "bridge p99", "hive p50", "hive p99",
                    "p50 x", "p99 x");
        row("read", bridge.read, file.read);
        row("write", bridge.write, file.write);
        status = 0;
    }
    started.registry.reset();
    std::system("wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1");
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return status;
}
