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

}  // namespace

BridgeStart startWineBridge(const std::string& prefix, const std::string& bridgeExe) {
    BridgeStart result;
    const char* wineEnv = std::getenv("FETTLEKIT_WINE");
    const std::string wine = wineEnv && *wineEnv ? wineEnv : "wine";

    int toBridge[2], fromBridge[2];
    if (::pipe2(toBridge, O_CLOEXEC) != 0) {
        result.error = std::string("cannot make a pipe: ") + std::strerror(errno);
        return result;
    }
    if (::pipe2(fromBridge, O_CLOEXEC) != 0) {
        result.error = std::string("cannot make a pipe: ") + std::strerror(errno);
        ::close(toBridge[0]);
        ::close(toBridge[1]);
        return result;
    }
    // Everything the child needs is made before fork: after it, only
    // async-signal-safe calls until exec.
    std::vector<std::string> environment = {"WINEPREFIX=" + prefix, "WINEDEBUG=-all"};
    for (char** e = environ; *e; ++e) {
        std::string_view entry(*e);
        if (!entry.starts_with("WINEPREFIX=") && !entry.starts_with("WINEDEBUG=")) environment.emplace_back(entry);
    }
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string arg0 = wine, arg1 = bridgeExe;
    char* argv[] = {arg0.data(), arg1.data(), nullptr};

    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(toBridge[0], 0);
        ::dup2(fromBridge[1], 1);
        int quiet = ::open("/dev/null", O_WRONLY);
        if (quiet >= 0) ::dup2(quiet, 2);
        ::execvpe(argv[0], argv, envp.data());
        ::_exit(127);
    }
    ::close(toBridge[0]);
    ::close(fromBridge[1]);
    if (pid < 0) {
        result.error = std::string("cannot start Wine: ") + std::strerror(errno);
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
