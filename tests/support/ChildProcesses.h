// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The processes this test started, found as `ps` finds them, so that a test
// can end or inspect a helper program the product keeps to itself.
#include "support/Bytes.h"
#include "support/TestFiles.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include <unistd.h>

namespace fk::test {

// Calls `visit(pid, folder)` for each process's folder under /proc.
template <typename Visit>
void forEachProcess(Visit visit) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") == std::string::npos) visit(std::stoi(name), entry.path());
    }
}

// The newest live process below this one (a child, or a child's child, as
// when a helper enters a sandbox) whose command line mentions `part`; 0 when
// none runs.
inline int newestDescendantRunning(const std::string& part) {
    struct Seen { int parent; unsigned long long start; bool matches; };
    std::map<int, Seen> processes;
    forEachProcess([&](int pid, const std::filesystem::path& folder) {
        const std::string stat = readBytes(folder / "stat");
        const auto nameEnd = stat.rfind(')');
        char state = 0;
        Seen seen{};
        // After the name: state, parent, 17 fields, then the start time.
        if (nameEnd == std::string::npos ||
            std::sscanf(stat.c_str() + nameEnd + 1, " %c %d %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %llu",
                        &state, &seen.parent, &seen.start) != 3 || state == 'Z')
            return;
        seen.matches = readBytes(folder / "cmdline").find(part) != std::string::npos;
        processes[pid] = seen;
    });
    auto below = [&](int pid) {
        for (int hops = 0; hops < 64 && pid > 1; ++hops) {
            auto found = processes.find(pid);
            if (found == processes.end()) return false;
            if ((pid = found->second.parent) == ::getpid()) return true;
        }
        return false;
    };
    int newest = 0;
    for (const auto& [pid, seen] : processes)
        if (seen.matches && below(pid) && (!newest || seen.start >= processes[newest].start)) newest = pid;
    return newest;
}

// Ends what is left of a prefix's Wine after its server ended: now and then
// a process that was still starting waits for that server forever.
inline void endLeftoverWine(const std::filesystem::path& prefix) {
    const std::string mark = '\0' + ("WINEPREFIX=" + prefix.string()) + '\0';
    forEachProcess([&](int pid, const std::filesystem::path& folder) {
        if (pid != ::getpid() && ('\0' + readBytes(folder / "environ")).find(mark) != std::string::npos)
            ::kill(pid, SIGKILL);
    });
}

// Ends a prefix's Wine: its server, which saves the registry first, then
// whatever outlived it.
inline void stopWine(const std::string& prefix) {
    const std::string env = "WINEPREFIX=" + quote(prefix) + " ";
    shell(env + "wineserver -k; " + env + "wineserver -w");
    endLeftoverWine(prefix);
}

// Ends the prefix's Wine when it goes.
struct StopWine {
    std::string prefix;
    ~StopWine() { stopWine(prefix); }
};

}  // namespace fk::test
