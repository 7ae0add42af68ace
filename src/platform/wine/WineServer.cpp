// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wine/WineServer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <string_view>

namespace fk::wine {

Fd& Fd::operator=(Fd&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

Fd::~Fd() {
    if (fd_ >= 0) ::close(fd_);
}

namespace {

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

bool ours(int fd, mode_t type) {
    struct stat st {};
    return fd >= 0 && ::fstat(fd, &st) == 0 && (st.st_mode & S_IFMT) == type && st.st_uid == ::getuid();
}

// The holder of the lock of the server folder `serverName` in `folder`: its
// process id, 0 when we cannot name it, -1 when nobody holds it. Folders and
// files that are not ours, not what Wine makes or links are passed over: a
// FIFO or another user's lock would hang us or lie to us.
int lockHolderIn(const std::string& folder, const std::string& serverName) {
    struct stat seen {}, opened {};
    if (::stat((folder + "/" + serverName).c_str(), &seen) != 0) return -1;  // the usual case, in one call
    const int asPath = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    Fd top(::open(folder.c_str(), asPath));
    if (!ours(top.get(), S_IFDIR)) return -1;
    Fd server(::openat(top.get(), serverName.c_str(), asPath));
    if (!ours(server.get(), S_IFDIR)) return -1;
    if (::fstatat(server.get(), "lock", &seen, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(seen.st_mode)) return -1;
    Fd lock(::openat(server.get(), "lock", O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    if (!ours(lock.get(), S_IFREG) || ::fstat(lock.get(), &opened) != 0 || !sameFile(seen, opened)) return -1;
    struct flock query {};
    query.l_type = F_WRLCK;
    query.l_whence = SEEK_SET;
    if (::fcntl(lock.get(), F_GETLK, &query) != 0 || query.l_type == F_UNLCK) return -1;
    return query.l_pid > 0 ? query.l_pid : 0;
}

// A server in our own /tmp. Upstream Wine keeps its server folders in
// /tmp/.wine-<uid>; Debian's makes /tmp/wine-XXXXXX for each prefix.
int lockHolder(const std::string& serverName) {
    int holder = lockHolderIn("/tmp/.wine-" + std::to_string(::getuid()), serverName);
    DIR* tmp = holder < 0 ? ::opendir("/tmp") : nullptr;
    if (!tmp) return holder;
    while (dirent* entry = ::readdir(tmp)) {
        if (std::strncmp(entry->d_name, "wine-", 5) != 0) continue;
        if ((holder = lockHolderIn(std::string("/tmp/") + entry->d_name, serverName)) >= 0) break;
    }
    ::closedir(tmp);
    return holder;
}

// Up to 64 kB of a small regular file, or empty.
std::string readSmall(int dirFd, const char* path) {
    Fd fd(::openat(dirFd, path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    std::string text;
    char buf[4096];
    ssize_t n;
    while (text.size() < (1 << 16) && (n = ::read(fd.get(), buf, sizeof buf)) > 0) text.append(buf, size_t(n));
    return text;
}

// Whether the process whose current folder is the link `cwdLink` (in
// `dirFd`) works in a folder ending in `serverFolder` ("/server-..."), or in
// the prefix itself while it loads or saves the registry. A sandbox may
// mount the prefix elsewhere, so the prefix is told by its folder's name,
// then by device and inode.
bool worksFor(int dirFd, const std::string& cwdLink, const std::string& serverFolder, const std::string& prefixName,
              const struct stat& prefix) {
    char link[PATH_MAX];
    ssize_t n = ::readlinkat(dirFd, cwdLink.c_str(), link, sizeof link);
    if (n <= 0) return false;
    std::string_view cwd(link, size_t(n));
    if (cwd.ends_with(serverFolder)) return true;
    struct stat st {};
    return cwd.ends_with(prefixName) && ::fstatat(dirFd, cwdLink.c_str(), &st, 0) == 0 && sameFile(st, prefix);
}

// Takes hold of process `pid`: a pidfd first, then its /proc folder, which
// names the same process when the pidfd's process still lives afterwards.
bool hold(WineServer& server, int pid) {
    Fd pidfd(int(::syscall(SYS_pidfd_open, pid, 0)));
    if (!pidfd) return false;
    Fd dir(::open(("/proc/" + std::to_string(pid)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!ours(dir.get(), S_IFDIR) || ::syscall(SYS_pidfd_send_signal, pidfd.get(), 0, nullptr, 0) != 0) return false;
    server.pid = pid;
    server.pidfd = std::move(pidfd);
    server.procDir = std::move(dir);
    return true;
}

// A wineserver works in its server folder, so its current folder names the
// prefix it serves in any /tmp. Only the folder's link is read for most
// processes: one call each.
bool holdServerProcess(WineServer& server, const std::string& serverName, const std::string& prefixDir,
                       const struct stat& prefix) {
    DIR* proc = ::opendir("/proc");
    if (!proc) return false;
    char resolved[PATH_MAX];
    const std::string prefixPath = ::realpath(prefixDir.c_str(), resolved) ? resolved : prefixDir;
    const std::string prefixName = "/" + prefixPath.substr(prefixPath.rfind('/') + 1), serverFolder = "/" + serverName;
    bool held = false;
    for (dirent* entry; !held && (entry = ::readdir(proc));) {
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9') continue;
        const std::string id = entry->d_name;
        if (!worksFor(::dirfd(proc), id + "/cwd", serverFolder, prefixName, prefix)) continue;
        // Checked again once held: the id may have been reused meanwhile.
        WineServer candidate;
        held = hold(candidate, std::atoi(id.c_str())) &&
               readSmall(candidate.procDir.get(), "comm").starts_with("wineserver") &&
               worksFor(candidate.procDir.get(), "cwd", serverFolder, prefixName, prefix);
        if (held) server = std::move(candidate);
    }
    ::closedir(proc);
    return held;
}

constexpr struct {
    const char* name;
    int flag;
} Namespaces[] = {{"user", CLONE_NEWUSER}, {"mnt", CLONE_NEWNS},   {"pid", CLONE_NEWPID},
                  {"net", CLONE_NEWNET},   {"ipc", CLONE_NEWIPC},  {"uts", CLONE_NEWUTS},
                  {"cgroup", CLONE_NEWCGROUP}, {"time", CLONE_NEWTIME}};

// Which of the held server's namespaces and root differ from ours.
void compareWithOurs(WineServer& server) {
    struct stat mine {}, theirs {};
    for (const auto& ns : Namespaces) {
        const std::string path = std::string("ns/") + ns.name;
        if (::stat(("/proc/self/" + path).c_str(), &mine) != 0) continue;  // a kind this kernel lacks
        if (::fstatat(server.procDir.get(), path.c_str(), &theirs, 0) != 0 || !sameFile(mine, theirs))
            server.namespaces |= ns.flag;
    }
    const bool sameRoot =
        ::stat("/", &mine) == 0 && ::fstatat(server.procDir.get(), "root", &theirs, 0) == 0 && sameFile(mine, theirs);
    server.sandboxed = server.namespaces != 0 || !sameRoot;
}

}  // namespace

WineServer findWineServer(const std::string& prefixDir) {
    WineServer server;
    struct stat prefix {};
    if (::stat(prefixDir.c_str(), &prefix) != 0) return server;
    char name[64];
    std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(prefix.st_dev),
                  static_cast<unsigned long long>(prefix.st_ino));
    const int holder = lockHolder(name);
    if (holder >= 0) {
        server.running = true;
        // The lock says who serves; it is believed only while that process
        // still holds it once held by us.
        if (holder > 0 && hold(server, holder) && lockHolder(name) == holder) {
            compareWithOurs(server);
        } else {
            // Served from a process we cannot name: nothing can be run for it.
            server = WineServer{};
            server.running = server.sandboxed = true;
        }
        return server;
    }
    if (holdServerProcess(server, name, prefixDir, prefix)) {
        server.running = true;
        compareWithOurs(server);
    }
    return server;
}

}  // namespace fk::wine
