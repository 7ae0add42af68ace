#include "WineServer.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>
#include <vector>

namespace fk::wine {

namespace {

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

bool lockHeld(const std::string& lockPath) {
    int fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    bool held = ::fcntl(fd, F_GETLK, &fl) == 0 && fl.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

// Up to 1 MB of a small file, or empty.
std::string readSmall(int dirFd, const std::string& path) {
    int fd = ::openat(dirFd, path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    std::string text;
    char buf[4096];
    ssize_t n;
    while (text.size() < (1 << 20) && (n = ::read(fd, buf, sizeof buf)) > 0) text.append(buf, size_t(n));
    ::close(fd);
    return text;
}

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}

// A server in our own /tmp. Upstream Wine keeps its server folders in
// /tmp/.wine-<uid>; Debian's makes /tmp/wine-XXXXXX and names it in the
// prefix's "wineserver" file.
bool servesFromOurTmp(const std::string& prefixDir, const std::string& serverName) {
    std::vector<std::string> locks{"/tmp/.wine-" + std::to_string(::getuid()) + "/" + serverName + "/lock"};
    std::string named = trimmed(readSmall(AT_FDCWD, prefixDir + "/wineserver"));
    if (!named.empty() && named.find('/') == std::string::npos)
        locks.push_back("/tmp/" + named + "/" + serverName + "/lock");
    glob_t found{};
    if (::glob(("/tmp/wine-*/" + serverName + "/lock").c_str(), 0, nullptr, &found) == 0)
        for (size_t i = 0; i < found.gl_pathc; ++i) locks.emplace_back(found.gl_pathv[i]);
    ::globfree(&found);
    for (auto& lock : locks)
        if (lockHeld(lock)) return true;
    return false;
}

// A wineserver works in its server folder, so its current folder names the
// prefix it serves in any /tmp; it works in the prefix itself while it loads
// or saves the registry (for good when /tmp allows no programs). Only the
// folder's link is read for most processes: one call each.
int serverProcess(const std::string& serverName, const std::string& prefixDir, const struct stat& prefix) {
    DIR* proc = ::opendir("/proc");
    if (!proc) return 0;
    const int procFd = ::dirfd(proc);
    const std::string suffix = "/" + serverName;
    char resolved[PATH_MAX];
    const std::string prefixPath = ::realpath(prefixDir.c_str(), resolved) ? resolved : prefixDir;
    const uid_t uid = ::getuid();
    int found = 0;
    char link[PATH_MAX];
    while (dirent* entry = ::readdir(proc)) {
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9') continue;
        char cwdLink[64];
        std::snprintf(cwdLink, sizeof cwdLink, "%s/cwd", entry->d_name);
        ssize_t n = ::readlinkat(procFd, cwdLink, link, sizeof link);
        if (n <= 0) continue;
        std::string_view cwd(link, size_t(n));
        struct stat st {};
        if (cwd != prefixPath && !cwd.ends_with(suffix)) continue;
        if (cwd == prefixPath && (::fstatat(procFd, cwdLink, &st, 0) != 0 || !sameFile(st, prefix))) continue;
        const std::string pid = entry->d_name;
        if (::fstatat(procFd, pid.c_str(), &st, 0) != 0 || st.st_uid != uid) continue;
        if (readSmall(procFd, pid + "/comm").rfind("wineserver", 0) != 0) continue;
        found = std::atoi(pid.c_str());
        break;
    }
    ::closedir(proc);
    return found;
}

bool statIn(const WineServer& server, const std::string& path, struct stat& st) {
    std::string seen = server.sandboxed ? "/proc/" + std::to_string(server.pid) + "/root" + path : path;
    return ::stat(seen.c_str(), &st) == 0;
}

}  // namespace

WineServer findWineServer(const std::string& prefixDir) {
    WineServer server;
    struct stat prefix {};
    if (::stat(prefixDir.c_str(), &prefix) != 0) return server;
    char name[64];
    std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(prefix.st_dev),
                  static_cast<unsigned long long>(prefix.st_ino));
    if (servesFromOurTmp(prefixDir, name)) {
        server.running = true;
        return server;
    }
    server.pid = serverProcess(name, prefixDir, prefix);
    if (server.pid == 0) return server;
    server.running = true;
    struct stat ours {};
    struct stat theirs {};
    const std::string ns = "/proc/" + std::to_string(server.pid) + "/ns/mnt";
    server.sandboxed =
        ::stat("/proc/self/ns/mnt", &ours) != 0 || ::stat(ns.c_str(), &theirs) != 0 || !sameFile(ours, theirs);
    return server;
}

std::vector<std::string> environmentOf(const WineServer& server) {
    std::vector<std::string> entries;
    const std::string environment = readSmall(AT_FDCWD, "/proc/" + std::to_string(server.pid) + "/environ");
    for (size_t at = 0; at < environment.size();) {
        size_t end = std::min(environment.find('\0', at), environment.size());
        if (end > at) entries.push_back(environment.substr(at, end - at));
        at = end + 1;
    }
    return entries;
}

namespace {

std::string variable(const std::vector<std::string>& environment, std::string_view name) {
    for (const auto& entry : environment)
        if (entry.size() > name.size() && entry.starts_with(name) && entry[name.size()] == '=')
            return entry.substr(name.size() + 1);
    return {};
}

}  // namespace

std::string prefixSeenBy(const WineServer& server, const std::string& prefixDir) {
    if (!server.sandboxed) return prefixDir;
    struct stat prefix {};
    if (::stat(prefixDir.c_str(), &prefix) != 0) return {};
    const auto environment = environmentOf(server);
    std::string winePrefix = variable(environment, "WINEPREFIX");
    if (winePrefix.empty()) {
        std::string home = variable(environment, "HOME");
        if (!home.empty()) winePrefix = home + "/.wine";
    }
    for (const std::string& candidate : {winePrefix, prefixDir}) {
        struct stat seen {};
        if (!candidate.empty() && candidate[0] == '/' && statIn(server, candidate, seen) && sameFile(seen, prefix))
            return candidate;
    }
    return {};
}

std::vector<std::string> wineProgramsFor(const WineServer& server) {
    std::vector<std::string> programs;
    char exe[PATH_MAX];
    ssize_t n = ::readlink(("/proc/" + std::to_string(server.pid) + "/exe").c_str(), exe, sizeof exe);
    std::string_view self(exe, n > 0 ? size_t(n) : 0);
    if (auto slash = self.rfind('/'); slash != std::string_view::npos) {
        programs.push_back(std::string(self.substr(0, slash)) + "/wine");
        programs.push_back(std::string(self.substr(0, slash)) + "/wine64");
    }
    const std::string path = variable(environmentOf(server), "PATH");
    for (size_t at = 0; at <= path.size();) {
        size_t end = std::min(path.find(':', at), path.size());
        if (end > at && path[at] == '/') programs.push_back(path.substr(at, end - at) + "/wine");
        at = end + 1;
    }
    return programs;
}

bool sameFileFor(const WineServer& server, const std::string& path) {
    struct stat ours {};
    struct stat theirs {};
    return ::stat(path.c_str(), &ours) == 0 && statIn(server, path, theirs) && sameFile(ours, theirs);
}

}  // namespace fk::wine
