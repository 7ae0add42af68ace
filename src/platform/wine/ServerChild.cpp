// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wine/ServerChild.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/close_range.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fk::wine {

namespace {

// What stops the child before the program runs, reported as a number.
enum Step : int { EnterNamespaces = 1, EnterRoot, DropPrivileges, ForkInside, StandardFiles, Run };

// No capabilities now or after exec, none to regain, and no new
// privileges from set-user-ID or file capabilities. Async-signal-safe.
bool dropPrivileges() {
    if (::prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0) != 0 && errno != EINVAL) return false;
    bool bounded = true;
    for (int cap = 0; cap < 64; ++cap)
        if (::prctl(PR_CAPBSET_DROP, cap, 0, 0, 0) != 0 && errno != EINVAL) bounded = false;
    // Without the right to drop them, only a root program would get them back.
    if (!bounded && ::geteuid() == 0) return false;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3]{};
    return ::syscall(SYS_capset, &header, none) == 0 && ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0;
}

// Waits for the program started in the server's PID namespace and ends as
// it ended. Holds no file of ours meanwhile.
[[noreturn]] void waitAndMirror(pid_t program) {
    ::close_range(0, ~0U, 0);
    int status = 0;
    while (::waitpid(program, &status, 0) < 0 && errno == EINTR) {}
    ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
}

reg::Problem describe(int step, int error, const WineServer& server, const std::vector<std::string>& programs) {
    using Why = reg::Problem::Why;
    reg::Problem problem = reg::Problem::of(reg::Problem::Why::None, {}, error, long(server.pid));
    switch (step) {
    case EnterNamespaces: problem.why = Why::NoNamespaces; break;
    case EnterRoot: problem.why = Why::NoRoot; break;
    case DropPrivileges: problem.why = Why::PrivilegesKept; break;
    case ForkInside: problem.why = Why::NoProcessInside; break;
    case StandardFiles: problem.why = Why::ChildPipes; break;
    default:
        problem.why = Why::CannotRun;
        for (size_t i = 0; i < programs.size(); ++i) problem.path += (i ? "\n" : "") + programs[i];
    }
    return problem;
}

}  // namespace

ChildStart startChild(const WineServer& server, const std::vector<std::string>& programs,
                      const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                      int input, int output) {
    ChildStart result;
    Fd root(server.sandboxed ? ::openat(server.procDir.get(), "root", O_PATH | O_DIRECTORY | O_CLOEXEC) : -1);
    Fd quiet(::open("/dev/null", O_WRONLY | O_CLOEXEC));
    int report[2];
    if ((server.sandboxed && !root) || !quiet || ::pipe2(report, O_CLOEXEC) != 0) {
        result.error = reg::Problem::of(reg::Problem::Why::ChildNotPrepared, {}, errno);
        return result;
    }
    // Everything the child needs is made before fork: after it, only
    // async-signal-safe calls until exec.
    std::vector<std::string> texts = programs;
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    texts.insert(texts.end(), environment.begin(), environment.end());
    std::vector<char*> argv(arguments.size() + 2, nullptr), envp(environment.size() + 1, nullptr);
    for (size_t i = 0; i < arguments.size(); ++i) argv[i + 1] = texts[programs.size() + i].data();
    for (size_t i = 0; i < environment.size(); ++i) envp[i] = texts[programs.size() + arguments.size() + i].data();
    const bool ownPids = server.namespaces & CLONE_NEWPID;

    pid_t pid = ::fork();
    const int forkError = errno;
    if (pid == 0) {
        auto stop = [&](Step step) {
            int why[2] = {step, errno};
            ssize_t ignored = ::write(report[1], why, sizeof why);
            (void)ignored;
            ::_exit(127);
        };
        if (server.sandboxed) {
            if (server.namespaces && ::setns(server.pidfd.get(), server.namespaces) != 0) stop(EnterNamespaces);
            if (::fchdir(root.get()) != 0 || ::chroot(".") != 0) stop(EnterRoot);
        }
        if (!dropPrivileges()) stop(DropPrivileges);
        // Entering a PID namespace places only our children in it.
        if (ownPids) {
            pid_t inside = ::fork();
            if (inside < 0) stop(ForkInside);
            if (inside > 0) waitAndMirror(inside);
            // Killing our child ends the program; a race with that kill
            // leaves it to end when its input does.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0);
        }
        ::setsid();
        if (::dup2(input, 0) < 0 || ::dup2(output, 1) < 0 || ::dup2(quiet.get(), 2) < 0) stop(StandardFiles);
        if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) stop(StandardFiles);
        for (size_t i = 0; i < programs.size(); ++i) {
            argv[0] = texts[i].data();
            ::execve(argv[0], argv.data(), envp.data());
        }
        stop(Run);
    }
    ::close(report[1]);
    int why[2] = {0, forkError};
    ssize_t got = 0;
    if (pid > 0)
        while ((got = ::read(report[0], why, sizeof why)) < 0 && errno == EINTR) {}
    ::close(report[0]);
    if (pid < 0) {
        result.error = reg::Problem::of(reg::Problem::Why::WineNotStarted, {}, forkError);
    } else if (got == ssize_t(sizeof why)) {
        result.error = describe(why[0], why[1], server, programs);
        ::waitpid(pid, nullptr, 0);
    } else {
        result.pid = pid;
    }
    return result;
}

}  // namespace fk::wine
