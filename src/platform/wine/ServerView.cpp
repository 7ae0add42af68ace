// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wine/ServerView.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <string_view>

extern char** environ;

namespace fk::wine {

namespace {

// Where programs are looked for when no PATH says, as the shell does.
const std::string DefaultPath = "/usr/local/bin:/usr/bin:/bin";

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The variables the server was started with: those of the sandbox's own
// programs. Up to 1 MB.
std::vector<std::string> environmentOf(const WineServer& server) {
    std::vector<std::string> entries;
    Fd fd(::openat(server.procDir.get(), "environ", O_RDONLY | O_CLOEXEC));
    std::string text;
    char buf[4096];
    ssize_t n;
    while (fd && text.size() < (1 << 20) && (n = ::read(fd.get(), buf, sizeof buf)) > 0) text.append(buf, size_t(n));
    for (size_t at = 0; at < text.size();) {
        size_t end = std::min(text.find('\0', at), text.size());
        if (end > at) entries.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return entries;
}

std::string variable(const std::vector<std::string>& environment, std::string_view name) {
    for (const auto& entry : environment)
        if (entry.size() > name.size() && entry.starts_with(name) && entry[name.size()] == '=')
            return entry.substr(name.size() + 1);
    return {};
}

std::vector<std::string> entriesOf(const std::string& list) {
    std::vector<std::string> entries;
    for (size_t at = 0; at <= list.size();) {
        size_t end = std::min(list.find(':', at), list.size());
        // A relative entry would be looked up wherever the program stands.
        if (end > at && list[at] == '/') entries.push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return entries;
}

std::string joined(const std::vector<std::string>& entries) {
    std::string list;
    for (const auto& entry : entries) list += (list.empty() ? "" : ":") + entry;
    return list;
}

}  // namespace

bool statFor(const WineServer& server, const std::string& path, struct stat& st) {
    if (!server.sandboxed) return ::stat(path.c_str(), &st) == 0;
    if (!server.procDir || !path.starts_with('/')) return false;
    Fd root(::openat(server.procDir.get(), "root", O_PATH | O_DIRECTORY | O_CLOEXEC));
    open_how how{};
    how.flags = O_PATH | O_CLOEXEC;
    how.resolve = RESOLVE_IN_ROOT | RESOLVE_NO_MAGICLINKS;
    Fd file(root ? int(::syscall(SYS_openat2, root.get(), path.c_str(), &how, sizeof how)) : -1);
    return file && ::fstat(file.get(), &st) == 0;
}

bool sameFileFor(const WineServer& server, const std::string& path) {
    struct stat ours {}, theirs {};
    return ::stat(path.c_str(), &ours) == 0 && statFor(server, path, theirs) && sameFile(ours, theirs);
}

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
        if (statFor(server, candidate, seen) && sameFile(seen, prefix)) return candidate;
    }
    return {};
}

std::vector<std::string> environmentFor(const WineServer& server, const std::string& winePrefix) {
    std::vector<std::string> environment = {"WINEPREFIX=" + winePrefix, "WINEDEBUG=-all"};
    if (!server.sandboxed) {
        for (char** entry = environ; *entry; ++entry) {
            std::string_view text(*entry);
            if (!text.starts_with("WINEPREFIX=") && !text.starts_with("WINEDEBUG=")) environment.emplace_back(text);
        }
        return environment;
    }
    const auto theirs = environmentOf(server);
    if (std::string home = variable(theirs, "HOME"); home.starts_with('/')) environment.push_back("HOME=" + home);
    std::string path = joined(entriesOf(variable(theirs, "PATH")));
    environment.push_back("PATH=" + (path.empty() ? DefaultPath : path));
    if (std::string libraries = joined(entriesOf(variable(theirs, "LD_LIBRARY_PATH"))); !libraries.empty())
        environment.push_back("LD_LIBRARY_PATH=" + libraries);
    // The locale sets the code page of Wine's text calls, as for the
    // sandbox's own programs; a name with a slash would be a folder to load.
    for (const char* name : {"LANG", "LC_ALL", "LC_CTYPE"})
        if (std::string value = variable(theirs, name); !value.empty() && value.find('/') == std::string::npos)
            environment.push_back(name + ("=" + value));
    return environment;
}

std::vector<std::string> wineProgramsFor(const WineServer& server, const std::string& chosen,
                                         const std::vector<std::string>& environment) {
    std::vector<std::string> programs;
    if (chosen.empty() && server.sandboxed && server.procDir) {
        // The same Wine as the server's: ours may be missing in there, or
        // speak another version of the server's protocol.
        char exe[PATH_MAX], root[PATH_MAX];
        ssize_t n = ::readlinkat(server.procDir.get(), "exe", exe, sizeof exe);
        std::string_view self(exe, n > 0 ? size_t(n) : 0);
        // Both links read as paths in its mount namespace: make the program's
        // one a path in its root.
        ssize_t r = ::readlinkat(server.procDir.get(), "root", root, sizeof root);
        std::string_view top(root, r > 1 ? size_t(r) : 0);
        if (!top.empty() && self.starts_with(top) && self.substr(top.size()).starts_with('/'))
            self.remove_prefix(top.size());
        if (auto slash = self.rfind('/'); slash != std::string_view::npos && slash > 0) {
            programs.push_back(std::string(self.substr(0, slash)) + "/wine");
            programs.push_back(std::string(self.substr(0, slash)) + "/wine64");
        }
    }
    const std::string name = chosen.empty() ? "wine" : chosen;
    if (name.find('/') != std::string::npos) {
        programs.push_back(name);
        return programs;
    }
    const std::string path = variable(environment, "PATH");
    for (const auto& folder : entriesOf(path.empty() ? DefaultPath : path)) programs.push_back(folder + "/" + name);
    return programs;
}

}  // namespace fk::wine
