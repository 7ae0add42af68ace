// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory of importing a .reg file of junk lines and unknown escapes:
// the window's import (which refuses it) and fettlekit-reg's (which reads
// all of it), each in a process of its own, beside a process that only
// reads the file whole, measured in the same run.
//   bench_import FETTLEKIT_REG HIVE [MB]
// Exits 1 when either import holds more than the file's size and 16 MB
// beyond the baseline.
#include "platform/files/WholeFile.h"
#include "platform/hive/HiveRegistry.h"
#include "store/SettingsTransfer.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Peak resident size in MiB of `body` run in a child process.
double peakOf(const std::function<void()>& body) {
    std::fflush(nullptr);
    pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(0);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) < 0) return -1;
    return double(usage.ru_maxrss) / 1024;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_import FETTLEKIT_REG HIVE [MB]\n");
        return 2;
    }
    const std::string tool = argv[1], demo = argv[2];
    const size_t megabytes = argc > 3 ? size_t(std::atoi(argv[3])) : 20;
    std::string pattern = (std::filesystem::temp_directory_path() / "fk-bench-import-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return 2;
    const std::string hive = pattern + "/user.reg", file = pattern + "/junk.reg";
    std::filesystem::copy_file(demo, hive);
    {
        std::string junk = "Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\Bench]\r\n";
        while (junk.size() < megabytes << 20) junk += "junk line\r\n\"v\"=\"\\q\\q\\q\\q\\q\\q\\q\\q\"\r\n";
        std::ofstream(file, std::ios::binary) << junk;
    }
    const double size = double(std::filesystem::file_size(file)) / (1 << 20);

    const double baseline = peakOf([&] {
        std::string bytes;
        fk::files::FileStamp stamp;
        fk::files::readWholeFile(file, bytes, stamp);
    });
    const double window = peakOf([&] {
        auto opened = fk::reg::openHiveRegistry(hive);
        if (opened.registry) fk::planImportFile(*opened.registry, file);
    });
    const double command = peakOf([&] {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execl(tool.c_str(), tool.c_str(), "--registry", hive.c_str(), "import", file.c_str(), static_cast<char*>(nullptr));
    });
    std::filesystem::remove_all(pattern);

    std::printf("Peak memory importing %.1f MiB of junk lines and unknown escapes, MiB\n", size);
    std::printf("  reading the file whole (baseline)  %7.1f\n", baseline);
    std::printf("  the window's import (refuses it)   %7.1f  %+.1f\n", window, window - baseline);
    std::printf("  fettlekit-reg import (reads all)   %7.1f  %+.1f\n", command, command - baseline);
    const bool met = window - baseline <= 16 && command - baseline <= 16;
    std::printf("Target: each within 16 MiB of the baseline (the file's size and the program): %s\n",
                met ? "met" : "NOT MET");
    return met ? 0 : 1;
}
