// SPDX-License-Identifier: GPL-3.0-or-later
// Time to fill the font editor's font-name list the first time in a run,
// beside fc-list listing the same fonts. Each fill runs in a fresh process,
// as the first fill of a run does, several times; medians are printed.
#include "editors/FontPanel.h"
#include "text/Cp1252.h"

#include <QApplication>
#include <QComboBox>

#include "BenchFigures.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using fk::bench::median;

using Clock = std::chrono::steady_clock;

double millisSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The child: one first fill, printed as "<ms> <count>".
int fillOnce(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QComboBox list;
    const auto start = Clock::now();
    fk::fillFontNameList(&list);
    const double ms = millisSince(start);
    std::printf("%.3f %d\n", ms, list.count());
    return 0;
}

// The printable characters of code page 1252 as fc-list's charset ranges.
std::string ansiCharsetPattern() {
    std::string bytes;
    for (int b = 0x20; b <= 0xFF; ++b) bytes.push_back(char(b));
    std::vector<unsigned> codes;
    for (char16_t c : fk::text::cp1252ToUtf16(bytes))
        if (!(c < 0x20 || (c >= 0x7F && c < 0xA0))) codes.push_back(c);
    std::sort(codes.begin(), codes.end());
    std::string pattern = ":charset=";
    for (size_t i = 0; i < codes.size();) {
        size_t j = i;
        while (j + 1 < codes.size() && codes[j + 1] == codes[j] + 1) ++j;
        char range[32];
        if (j > i)
            std::snprintf(range, sizeof range, "%x-%x ", codes[i], codes[j]);
        else
            std::snprintf(range, sizeof range, "%x ", codes[i]);
        pattern += range;
        i = j + 1;
    }
    pattern.pop_back();
    return pattern;
}

struct Run {
    double wallMs = 0;
    std::string output;
};

Run run(const std::string& command) {
    Run result;
    const auto start = Clock::now();
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    pclose(pipe);
    result.wallMs = millisSince(start);
    return result;
}

int lines(const std::string& text) {
    return int(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--fill-once") == 0) return fillOnce(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    const std::string self = "'/proc/" + std::to_string(getpid()) + "/exe' --fill-once 2>/dev/null";
    // One line per face, as the list has one entry per face.
    const std::string fcList = "fc-list '" + ansiCharsetPattern() + "' family fullname fontformat file index";

    std::vector<double> fill, fillProcess, fcProcess;
    int listed = -1, fcListed = -1;
    for (int i = 0; i < repetitions; ++i) {
        const Run child = run(self);
        double ms = 0;
        if (std::sscanf(child.output.c_str(), "%lf %d", &ms, &listed) != 2) {
            std::fprintf(stderr, "the fill did not report: %s\n", child.output.c_str());
            return 1;
        }
        fill.push_back(ms);
        fillProcess.push_back(child.wallMs);
        const Run fc = run(fcList + " 2>/dev/null");
        fcListed = lines(fc.output);
        fcProcess.push_back(fc.wallMs);
    }

    std::printf("font list, first fill of a run, median of %d fresh processes\n", repetitions);
    std::printf("  fonts listed: %d (fc-list: %d)%s\n", listed, fcListed,
                listed == fcListed ? "" : "  <- counts differ");
    std::printf("  fill inside the program:      %8.2f ms\n", median(fill));
    std::printf("  whole process, with the fill: %8.2f ms\n", median(fillProcess));
    std::printf("  whole fc-list process:        %8.2f ms\n", median(fcProcess));
    std::printf("  fill / fc-list:               %8.2f\n", median(fill) / median(fcProcess));
    return listed == fcListed ? 0 : 2;
}
