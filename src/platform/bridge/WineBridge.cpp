// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bridge/WineBridge.h"

#include "platform/bridge/BridgeProtocol.h"
#include "platform/wine/ServerChild.h"
#include "platform/wine/ServerView.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fk::bridge {

namespace {

using Clock = std::chrono::steady_clock;
using Why = reg::Problem::Why;

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

// A copy of the bridge inside the prefix, for a sandbox that sees neither
// where it is installed nor our /tmp, but must see the prefix. Removed when
// dropped: a started bridge keeps running from its own open file.
class PrefixCopy {
public:
    PrefixCopy() = default;
    PrefixCopy(const PrefixCopy&) = delete;
    PrefixCopy& operator=(const PrefixCopy&) = delete;
    ~PrefixCopy() {
        if (!path_.empty()) ::unlink(path_.c_str());
    }

    // The copy's path as `server` sees it, with `seenPrefix` the prefix's;
    // empty with `error` set when there is none.
    std::string make(const std::string& prefix, const std::string& seenPrefix, const std::string& exe,
                     const wine::WineServer& server, reg::Problem& error) {
        wine::Fd in(::open(exe.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat from {}, made {}, seen {};
        if (!in || ::fstat(in.get(), &from) != 0 || !S_ISREG(from.st_mode)) {
            error = reg::Problem::of(Why::BridgeUnreadable, exe, in ? 0 : errno);
            return {};
        }
        std::string path = prefix + "/.fettlekit-bridge-XXXXXX.exe";
        wine::Fd out(::mkostemps(path.data(), 4, O_CLOEXEC));
        if (!out) {
            error = reg::Problem::of(Why::BridgeNotCopied, prefix, errno);
            return {};
        }
        path_ = path;
        char buf[65536];
        ssize_t n;
        while ((n = ::read(in.get(), buf, sizeof buf)) > 0)
            if (!writeAll(out.get(), buf, std::size_t(n))) n = -1;
        const std::string name = path.substr(path.rfind('/'));
        if (n < 0 || ::fstat(out.get(), &made) != 0) {
            error = reg::Problem::of(Why::BridgeNotCopied, prefix, errno);
        } else if (!wine::statFor(server, seenPrefix + name, seen) || seen.st_dev != made.st_dev ||
                   seen.st_ino != made.st_ino) {
            error = reg::Problem::of(Why::CopyUnseen, {}, 0, long(server.pid));
        } else {
            return seenPrefix + name;
        }
        return {};
    }

private:
    std::string path_;
};

}  // namespace

BridgeStart startWineBridge(const std::string& prefix, const std::string& bridgeExe, const wine::WineServer& server) {
    BridgeStart result;
    if (server.sandboxed && !server.pidfd) {
        result.error.why = Why::ServerUnnamed;
        return result;
    }
    // In a sandbox, every path is the sandbox's own.
    std::string winePrefix = prefix, exe = bridgeExe;
    PrefixCopy copy;
    if (server.sandboxed) {
        winePrefix = wine::prefixSeenBy(server, prefix);
        if (winePrefix.empty()) {
            result.error = reg::Problem::of(Why::PrefixUnseen, {}, 0, long(server.pid));
            return result;
        }
        if (!wine::sameFileFor(server, bridgeExe)) {
            exe = copy.make(prefix, winePrefix, bridgeExe, server, result.error);
            if (exe.empty()) return result;
        }
    }
    const auto environment = wine::environmentFor(server, winePrefix);
    const char* chosen = std::getenv("FETTLEKIT_WINE");
    const auto programs = wine::wineProgramsFor(server, chosen ? chosen : "", environment);

    // To the bridge and from it.
    int pipes[2][2];
    for (int i = 0; i < 2; ++i) {
        if (::pipe2(pipes[i], O_CLOEXEC) == 0) continue;
        result.error = reg::Problem::of(Why::NoPipe, {}, errno);
        if (i == 1) {
            ::close(pipes[0][0]);
            ::close(pipes[0][1]);
        }
        return result;
    }
    wine::ChildStart child = wine::startChild(server, programs, {exe}, environment, pipes[0][0], pipes[1][1]);
    ::close(pipes[0][0]);
    ::close(pipes[1][1]);
    if (child.pid < 0) {
        result.error = child.error;
        ::close(pipes[0][1]);
        ::close(pipes[1][0]);
        return result;
    }
    auto registry =
        std::make_unique<BridgeRegistry>(std::make_unique<WineTransport>(child.pid, pipes[0][1], pipes[1][0]));
    if (!registry->hello()) {
        result.error = reg::Problem::of(Why::BridgeSilent, exe);
        return result;
    }
    result.registry = std::move(registry);
    return result;
}

std::string findBridgeExe() {
    namespace fs = std::filesystem;
    std::error_code error;  // a folder we may not read hides the bridge, it does not end the program
    if (const char* env = std::getenv("FETTLEKIT_BRIDGE"); env && *env) return fs::exists(env, error) ? env : "";
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

}  // namespace fk::bridge
