// Start-up to the first painted main window, and the memory it takes, beside
// a bare Qt window of the same size shown and closed the same way. Each run
// is a fresh process timed from spawn to exit; the two alternate so that a
// busy moment on the machine falls on both. Prints medians and the peak
// resident size of each, and exits 1 when either target is missed.
//
//   bench_startup FETTLEKIT HIVE BARE_WINDOW [RUNS] [WARM_UPS]
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

constexpr double TimeTarget = 1.3;      // times the bare window
constexpr double MemoryTargetMb = 15.0;  // more than the bare window
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
    const char* label;
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
        std::fprintf(stderr, "bench_startup: %s ended with %s %d; its errors:\n", program.label,
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_startup FETTLEKIT HIVE BARE_WINDOW [RUNS] [WARM_UPS]\n");
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 20;
    const int warmUps = argc > 5 ? std::max(0, std::atoi(argv[5])) : 2;
    struct sigaction onAlarm {};
    onAlarm.sa_handler = killRunningChild;  // no SA_RESTART: wait4 wakes up
    ::sigaction(SIGALRM, &onAlarm, nullptr);

    Program app{"fettlekit", {argv[1], "--registry", argv[2], "--quit-when-shown"}, {}};
    Program bare{"bare window", {argv[3]}, {}};
    char errorsPattern[] = "/tmp/fk-bench-startup-XXXXXX";
    const int errorsFd = ::mkstemp(errorsPattern);
    if (errorsFd < 0) return 2;
    ::close(errorsFd);
    const std::string errorsPath = errorsPattern;

    for (int i = 0; i < warmUps; ++i) {
        runOnce(app, errorsPath);
        runOnce(bare, errorsPath);
    }
    // Alternate which goes first, so neither always follows the other.
    for (int i = 0; i < runs; ++i) {
        Program& first = i % 2 ? bare : app;
        Program& second = i % 2 ? app : bare;
        first.runs.push_back(runOnce(first, errorsPath));
        second.runs.push_back(runOnce(second, errorsPath));
    }
    ::unlink(errorsPath.c_str());

    const std::vector<double> appTimes = column(app.runs, &Run::ms);
    const std::vector<double> bareTimes = column(bare.runs, &Run::ms);
    const double appMs = median(appTimes), bareMs = median(bareTimes);
    const double appMb = median(column(app.runs, &Run::maxRssMb));
    const double bareMb = median(column(bare.runs, &Run::maxRssMb));
    const double ratio = appMs / bareMs, extraMb = appMb - bareMb;
    const bool timeMet = ratio <= TimeTarget, memoryMet = extraMb <= MemoryTargetMb;

    std::printf("start-up to the first painted window, spawn to exit, medians of %d runs each (%d warm-ups)\n",
                runs, warmUps);
    std::printf("  fettlekit:   %8.1f ms  (fastest %.1f, slowest %.1f)\n", appMs,
                *std::min_element(appTimes.begin(), appTimes.end()),
                *std::max_element(appTimes.begin(), appTimes.end()));
    std::printf("  bare window: %8.1f ms  (fastest %.1f, slowest %.1f)\n", bareMs,
                *std::min_element(bareTimes.begin(), bareTimes.end()),
                *std::max_element(bareTimes.begin(), bareTimes.end()));
    std::printf("  startup ratio: %.2f  target <= %.2f  %s\n", ratio, TimeTarget, verdict(timeMet));
    std::printf("peak resident memory (ru_maxrss), medians\n");
    std::printf("  fettlekit:   %8.1f MB\n", appMb);
    std::printf("  bare window: %8.1f MB\n", bareMb);
    std::printf("  memory extra: %.1f MB  target <= %.1f MB  %s\n", extraMb, MemoryTargetMb, verdict(memoryMet));
    return timeMet && memoryMet ? 0 : 1;
}
