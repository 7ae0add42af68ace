#include "WineBridge.h"

#include "BridgeProtocol.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string_view>
#include <vector>

extern char** environ;

namespace fk::bridge {

namespace {

using Clock = std::chrono::steady_clock;

// How long one answer may take. The first one covers Wine starting the
// program; later ones are one registry call each.
constexpr auto StartTimeout = std::chrono::seconds(60);
constexpr auto CallTimeout = std::chrono::seconds(15);

// Writes to a pipe whose reader is gone without the process dying of
// SIGPIPE: the signal is blocked for this thread while writing and a
// pending one of our making is taken back, so the write just fails.
bool writeAll(int fd, const char* data, std::size_t size) {
    sigset_t pipeOnly, old;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    sigset_t pending;
    sigpending(&pending);
    const bool alreadyPending = sigismember(&pending, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeOnly, &old);
    bool ok = true;
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        data += n;
        size -= std::size_t(n);
    }
    if (!ok && errno == EPIPE && !alreadyPending) {
        timespec zero{0, 0};
        sigtimedwait(&pipeOnly, nullptr, &zero);
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    return ok;
}

class WineTransport final : public Transport {
public:
    WineTransport(pid_t pid, int toBridge, int fromBridge) : pid_(pid), to_(toBridge), from_(fromBridge) {}
    ~WineTransport() override {
        // Closing its input ends the bridge; wait a little, then make sure.
        closeFd(to_);
        closeFd(from_);
        if (pid_ > 0 && !waitExit(std::chrono::seconds(3))) {
            ::kill(pid_, SIGKILL);
            waitExit(std::chrono::seconds(3));
        }
    }

    bool exchange(const std::string& request, std::string& reply) override {
        if (failed_) return false;
        std::string frame = frameHeader(std::uint32_t(request.size())) + request;
        auto deadline = Clock::now() + (answered_ ? CallTimeout : StartTimeout);
        unsigned char header[4];
        if (!writeAll(to_, frame.data(), frame.size()) || !readAll(header, 4, deadline)) return fail();
        std::uint32_t size = frameSize(header);
        if (size > MaxFrame) return fail();
        reply.assign(size, '\0');
        if (!readAll(reply.data(), size, deadline)) return fail();
        answered_ = true;
        return true;
    }

    pid_t pid() const { return pid_; }

private:
    bool fail() {
        failed_ = true;
        return false;
    }

    // Reads exactly `size` bytes, watching that the bridge still lives: Wine's
    // own service processes may hold the pipe open after it ends.
    bool readAll(void* data, std::size_t size, Clock::time_point deadline) {
        auto* p = static_cast<char*>(data);
        while (size > 0) {
            pollfd wait{from_, POLLIN, 0};
            int ready = ::poll(&wait, 1, 100);
            if (ready < 0 && errno != EINTR) return false;
            if (ready <= 0) {
                if (exited() || Clock::now() > deadline) return false;
                continue;
            }
            ssize_t n = ::read(from_, p, size);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            p += n;
            size -= std::size_t(n);
        }
        return true;
    }

    bool exited() {
        if (pid_ <= 0) return true;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return true;
        }
        return false;
    }

    bool waitExit(std::chrono::milliseconds limit) {
        auto end = Clock::now() + limit;
        while (!exited()) {
            if (Clock::now() > end) return false;
            ::usleep(20000);
        }
        return true;
    }

    static void closeFd(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }

    pid_t pid_;
    int to_, from_;
    bool answered_ = false;
    bool failed_ = false;
};

std::string whichOf(const std::vector<std::string>& programs) {
    std::string list;
    for (const auto& program : programs) list += (list.empty() ? "" : " or ") + program;
    return list;
}

// The namespaces to enter to reach a sandboxed server: its user namespace
// when it differs from ours (a sandbox made without root), then its mount
// namespace. Closed on destruction.
struct SandboxEntry {
    int user = -1, mount = -1;
    std::string error;
    ~SandboxEntry() {
        if (user >= 0) ::close(user);
        if (mount >= 0) ::close(mount);
    }
};

void openSandbox(const wine::WineServer& server, SandboxEntry& entry) {
    const std::string ns = "/proc/" + std::to_string(server.pid) + "/ns/";
    struct stat ours {}, theirs {};
    if (::stat("/proc/self/ns/user", &ours) == 0 && ::stat((ns + "user").c_str(), &theirs) == 0 &&
        (ours.st_dev != theirs.st_dev || ours.st_ino != theirs.st_ino))
        entry.user = ::open((ns + "user").c_str(), O_RDONLY | O_CLOEXEC);
    entry.mount = ::open((ns + "mnt").c_str(), O_RDONLY | O_CLOEXEC);
    if (entry.mount < 0)
        entry.error = "cannot open the mount namespace of wineserver " + std::to_string(server.pid) + ": " +
                      std::strerror(errno);
}

}  // namespace

BridgeStart startWineBridge(const std::string& prefix, const std::string& bridgeExe, const wine::WineServer& server) {
    BridgeStart result;
    const char* wineEnv = std::getenv("FETTLEKIT_WINE");
    const std::string wine = wineEnv && *wineEnv ? wineEnv : "wine";
    // In a sandbox, the sandbox's own Wine: ours may be missing in there, or
    // speak another version of the server's protocol.
    std::vector<std::string> programs;
    if (server.sandboxed && !(wineEnv && *wineEnv)) programs = wine::wineProgramsFor(server);
    const std::string where = "wineserver " + std::to_string(server.pid) + ", which runs with a /tmp of its own";

    std::string winePrefix = prefix;
    SandboxEntry sandbox;
    if (server.sandboxed) {
        winePrefix = wine::prefixSeenBy(server, prefix);
        if (winePrefix.empty()) {
            result.error = "the prefix has no path that " + where + ", can see";
            return result;
        }
        if (!wine::sameFileFor(server, bridgeExe)) {
            result.error = bridgeExe + " cannot be seen by " + where;
            return result;
        }
        openSandbox(server, sandbox);
        if (!sandbox.error.empty()) {
            result.error = sandbox.error;
            return result;
        }
    }

    // To the bridge, from it, and the child's report of a failed start.
    int pipes[3][2];
    for (int i = 0; i < 3; ++i) {
        if (::pipe2(pipes[i], O_CLOEXEC) == 0) continue;
        result.error = std::string("cannot make a pipe: ") + std::strerror(errno);
        for (int j = 0; j < i; ++j) {
            ::close(pipes[j][0]);
            ::close(pipes[j][1]);
        }
        return result;
    }
    int* toBridge = pipes[0];
    int* fromBridge = pipes[1];
    int* report = pipes[2];
    // Everything the child needs is made before fork: after it, only
    // async-signal-safe calls until exec.
    // In a sandbox, Wine runs with the sandbox's environment, as its own
    // programs do.
    std::vector<std::string> environment = {"WINEPREFIX=" + winePrefix, "WINEDEBUG=-all"};
    std::vector<std::string> inherited;
    if (server.sandboxed) {
        inherited = wine::environmentOf(server);
    } else {
        for (char** e = environ; *e; ++e) inherited.emplace_back(*e);
    }
    for (auto& entry : inherited) {
        if (!entry.starts_with("WINEPREFIX=") && !entry.starts_with("WINEDEBUG="))
            environment.push_back(std::move(entry));
    }
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string arg0 = wine, arg1 = bridgeExe;
    char* argv[] = {arg0.data(), arg1.data(), nullptr};

    pid_t pid = ::fork();
    const int forkError = errno;
    if (pid == 0) {
        // What stops the child before exec goes back as one number: the
        // step, then errno. Exec closes the pipe, which says it started.
        auto stop = [&](int step) {
            int why[2] = {step, errno};
            ssize_t ignored = ::write(report[1], why, sizeof why);
            (void)ignored;
            ::_exit(127);
        };
        if (sandbox.user >= 0 && ::setns(sandbox.user, CLONE_NEWUSER) != 0) stop(1);
        if (sandbox.mount >= 0 && ::setns(sandbox.mount, CLONE_NEWNS) != 0) stop(2);
        ::dup2(toBridge[0], 0);
        ::dup2(fromBridge[1], 1);
        int quiet = ::open("/dev/null", O_WRONLY);
        if (quiet >= 0) ::dup2(quiet, 2);
        for (auto& program : programs) {
            argv[0] = program.data();
            ::execve(argv[0], argv, envp.data());
        }
        if (programs.empty()) ::execvpe(argv[0], argv, envp.data());
        stop(3);
    }
    ::close(toBridge[0]);
    ::close(fromBridge[1]);
    ::close(report[1]);
    int why[2] = {0, forkError};
    ssize_t got = 0;
    if (pid > 0)
        while ((got = ::read(report[0], why, sizeof why)) < 0 && errno == EINTR) {}
    ::close(report[0]);
    if (pid < 0 || got == ssize_t(sizeof why)) {
        std::string step = pid < 0 ? "cannot start Wine"
                           : why[0] == 1 ? "cannot enter the user namespace of " + where
                           : why[0] == 2 ? "cannot enter the mount namespace of " + where
                                         : "cannot run " + (programs.empty() ? wine : whichOf(programs) + " in there");
        result.error = step + ": " + std::strerror(why[1]);
        if (pid > 0) ::waitpid(pid, nullptr, 0);
        ::close(toBridge[1]);
        ::close(fromBridge[0]);
        return result;
    }
    auto registry = std::make_unique<BridgeRegistry>(std::make_unique<WineTransport>(pid, toBridge[1], fromBridge[0]));
    if (!registry->hello()) {
        result.error = "the bridge " + bridgeExe + " did not answer under " + wine;
        return result;
    }
    result.registry = std::move(registry);
    return result;
}

std::string findBridgeExe() {
    namespace fs = std::filesystem;
    if (const char* env = std::getenv("FETTLEKIT_BRIDGE"); env && *env) return fs::exists(env) ? env : "";
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    fs::path beside = self.parent_path() / "fettlekit-bridge.exe";
    if (fs::exists(beside, error)) return beside.string();
#ifdef FK_BRIDGE_FROM_BIN
    // Where the package puts it, relative to the installed program.
    fs::path installed = (self.parent_path() / FK_BRIDGE_FROM_BIN / "fettlekit-bridge.exe").lexically_normal();
    if (fs::exists(installed, error)) return installed.string();
#endif
    return {};
}

int bridgeProcessId(const BridgeRegistry& registry) {
    auto* wine = dynamic_cast<const WineTransport*>(&registry.transport());
    return wine ? int(wine->pid()) : -1;
}

}  // namespace fk::bridge
