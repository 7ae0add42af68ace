// SPDX-License-Identifier: GPL-3.0-or-later
// Two programs timed from spawn to exit, with the memory each takes: by
// default fettlekit's start-up to its first painted main window beside a
// bare Qt window of the same size shown and closed the same way. Each run is
// a fresh process; the two alternate so that a busy moment on the machine
// falls on both. Prints medians and the peak resident size of each, and
// exits 1 when a target is missed.
//
//   bench_startup FETTLEKIT HIVE BARE_WINDOW [RUNS] [WARM_UPS]
//   bench_startup [--runs N] [--warm-ups N] [--time RATIO] [--extra-mb MB] [--max-mb MB]
//                 LABEL COMMAND... -- BASE_LABEL BASE_COMMAND...
// --time: the first's median within RATIO times the second's; --extra-mb:
// its peak memory at most MB above the second's; --max-mb: at most MB.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// A program that fails opens a message box and waits for a user; none comes.
constexpr unsigned TimeLimitSeconds = 30;

volatile pid_t runningChild = 0;

void killRunningChild(int) {
    if (runningChild > 0) ::kill(runningChild, SIGKILL);
}

struct Run {
    double ms = 0;
    double maxRssMb = 0;
};

struct Program {
    std::string label;
    std::vector<std::string> argv;
    std::vector<Run> runs;
};

// Spawns the program with its output thrown away but its errors kept in
// errorsPath, waits for it, and reports the wall time and peak RSS. A
// program that does not end with status 0 ends the benchmark: its figures
// would mean nothing.
Run runOnce(const Program& program, const std::string& errorsPath) {
    std::vector<char*> argv;
    for (const std::string& arg : program.argv) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "bench_startup: cannot start %s\n", argv[0]);
        std::exit(2);
    }
    runningChild = pid;
    ::alarm(TimeLimitSeconds);
    int status = 0;
    rusage usage{};
    pid_t waited = 0;
    while ((waited = ::wait4(pid, &status, 0, &usage)) < 0 && errno == EINTR) {
    }
    ::alarm(0);
    runningChild = 0;
    if (waited != pid) {
        std::perror("bench_startup: wait4");
        std::exit(2);
    }
    Run run;
    run.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    run.maxRssMb = double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux

    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_startup: %s ended with %s %d; its errors:\n", program.label.c_str(),
                     WIFEXITED(status) ? "status" : "signal",
                     WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            std::fprintf(stderr, "(killed after %u s without quitting)\n", TimeLimitSeconds);
        if (FILE* errors = std::fopen(errorsPath.c_str(), "r")) {
            char line[512];
            while (std::fgets(line, sizeof line, errors)) std::fputs(line, stderr);
            std::fclose(errors);
        }
        std::exit(2);
    }
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename Field>
std::vector<double> column(const std::vector<Run>& runs, Field field) {
    std::vector<double> values;
    for (const Run& run : runs) values.push_back(run.*field);
    return values;
}

const char* verdict(bool met) { return met ? "ok" : "MISSED"; }

struct Targets {
    double time = 0;       // ratio; 0: none
    double extraMb = -1;   // over the baseline; negative: none
    double maxMb = -1;     // absolute; negative: none
    int runs = 20, warmUps = 2;
};

// Either form of the command line into the two programs and their targets.
bool parse(int argc, char** argv, Program& app, Program& base, Targets& targets) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 3 && args[0].rfind("--", 0) != 0 &&
        std::find(args.begin(), args.end(), "--") == args.end()) {
        app = {"fettlekit", {args[0], "--registry", args[1], "--quit-when-shown"}, {}};
        base = {"bare window", {args[2]}, {}};
        targets.time = 1.3;
        targets.extraMb = 15;
        if (args.size() > 3) targets.runs = std::max(1, std::atoi(args[3].c_str()));
        if (args.size() > 4) targets.warmUps = std::max(0, std::atoi(args[4].c_str()));
        return true;
    }
    size_t i = 0;
    for (; i + 1 < args.size() && args[i].rfind("--", 0) == 0 && args[i] != "--"; i += 2) {
        double v = std::atof(args[i + 1].c_str());
        if (args[i] == "--runs") targets.runs = std::max(1, int(v));
        else if (args[i] == "--warm-ups") targets.warmUps = std::max(0, int(v));
        else if (args[i] == "--time") targets.time = v;
        else if (args[i] == "--extra-mb") targets.extraMb = v;
        else if (args[i] == "--max-mb") targets.maxMb = v;
        else return false;
    }
    auto split = std::find(args.begin() + long(i), args.end(), "--");
    if (split == args.end() || split - (args.begin() + long(i)) < 2 || args.end() - split < 3) return false;
    app.label = args[i];
    app.argv.assign(args.begin() + long(i) + 1, split);
    base.label = *(split + 1);
    base.argv.assign(split + 2, args.end());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Program app, base;
    Targets targets;
    if (!parse(argc, argv, app, base, targets)) {
        std::fprintf(stderr, "usage: bench_startup FETTLEKIT HIVE BARE_WINDOW [RUNS] [WARM_UPS]\n"
                             "       bench_startup [--runs N] [--warm-ups N] [--time RATIO] [--extra-mb MB] [--max-mb MB]\n"
                             "                     LABEL COMMAND... -- BASE_LABEL BASE_COMMAND...\n");
        return 2;
    }
    struct sigaction onAlarm {};
    onAlarm.sa_handler = killRunningChild;  // no SA_RESTART: wait4 wakes up
    ::sigaction(SIGALRM, &onAlarm, nullptr);

    char errorsPattern[] = "/tmp/fk-bench-startup-XXXXXX";
    const int errorsFd = ::mkstemp(errorsPattern);
    if (errorsFd < 0) return 2;
    ::close(errorsFd);
    const std::string errorsPath = errorsPattern;

    for (int i = 0; i < targets.warmUps; ++i) {
        runOnce(app, errorsPath);
        runOnce(base, errorsPath);
    }
    // Alternate which goes first, so neither always follows the other.
    for (int i = 0; i < targets.runs; ++i) {
        Program& first = i % 2 ? base : app;
        Program& second = i % 2 ? app : base;
        first.runs.push_back(runOnce(first, errorsPath));
        second.runs.push_back(runOnce(second, errorsPath));
    }
    ::unlink(errorsPath.c_str());

    const std::vector<double> appTimes = column(app.runs, &Run::ms);
    const std::vector<double> baseTimes = column(base.runs, &Run::ms);
    const double appMs = median(appTimes), baseMs = median(baseTimes);
    const double appMb = median(column(app.runs, &Run::maxRssMb));
    const double baseMb = median(column(base.runs, &Run::maxRssMb));
    const double ratio = appMs / baseMs, extraMb = appMb - baseMb;
    bool met = true;

    std::printf("%s beside %s, spawn to exit, medians of %d runs each (%d warm-ups)\n", app.label.c_str(), base.label.c_str(),
                targets.runs, targets.warmUps);
    for (const Program* p : {&app, &base}) {
        const std::vector<double> t = column(p->runs, &Run::ms);
        std::printf("  %-24s %8.1f ms  (fastest %.1f, slowest %.1f)  peak %.1f MB\n", p->label.c_str(), median(t),
                    *std::min_element(t.begin(), t.end()), *std::max_element(t.begin(), t.end()),
                    median(column(p->runs, &Run::maxRssMb)));
    }
    if (targets.time > 0) {
        met = met && ratio <= targets.time;
        std::printf("  time ratio: %.2f  target <= %.2f  %s\n", ratio, targets.time, verdict(ratio <= targets.time));
    } else {
        std::printf("  time ratio: %.2f  (no target)\n", ratio);
    }
    if (targets.extraMb >= 0) {
        met = met && extraMb <= targets.extraMb;
        std::printf("  memory extra: %.1f MB  target <= %.1f MB  %s\n", extraMb, targets.extraMb,
                    verdict(extraMb <= targets.extraMb));
    }
    if (targets.maxMb >= 0) {
        met = met && appMb <= targets.maxMb;
        std::printf("  peak memory: %.1f MB  target <= %.1f MB  %s\n", appMb, targets.maxMb, verdict(appMb <= targets.maxMb));
    }
    return met ? 0 : 1;
}
