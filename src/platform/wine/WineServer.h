// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a wineserver serves a prefix, wherever that server's /tmp is. A
// sandboxed Wine front-end starts its server with a /tmp of its own, where
// a lookup in ours would never see it; a plain `wine` of ours would then
// start a second server on the same prefix. Linux only.
#include <string>
#include <utility>

namespace fk::wine {

// A file descriptor, closed when dropped.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Fd& operator=(Fd&& other) noexcept;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd();
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

struct WineServer {
    bool running = false;
    // The server's process when it is known: held from the moment it was
    // found, so that its id can never name another process later.
    int pid = 0;
    Fd pidfd;
    Fd procDir;  // its /proc folder, bound to that same process
    // It runs in namespaces or a root of its own (`namespaces` holds the
    // CLONE_NEW* flags of those that differ from ours): a program started
    // for it must run in there, with no more reach than it has. Set with no
    // process when the server cannot be reached at all.
    bool sandboxed = false;
    int namespaces = 0;
};

// `prefixDir` is followed through links: a server keeps a lock in the folder
// named after the prefix folder's device and inode. Looks in our /tmp, in
// the server folders we own, then at the current folder of each of the
// user's processes (a wineserver works in its server folder). Opens nothing
// that another user controls and nothing but regular files, so it never
// blocks. Cheap enough to run before every write.
WineServer findWineServer(const std::string& prefixDir);

}  // namespace fk::wine
