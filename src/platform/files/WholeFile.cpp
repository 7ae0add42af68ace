// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/WholeFile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <pthread.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fk::files {

namespace {

FileStamp stampFrom(const struct stat& st) {
    return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
            static_cast<long long>(st.st_size), static_cast<long long>(st.st_mtim.tv_sec),
            static_cast<long long>(st.st_mtim.tv_nsec)};
}

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The path with every symbolic link at its end followed: the file that
// gets written. A loop of links is left for open() to refuse.
std::string followLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        char target[PATH_MAX];
        ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if (n <= 0 || size_t(n) >= sizeof target) break;
        std::string to(target, size_t(n));
        path = to[0] == '/' ? to : folderOf(path) + "/" + to;
    }
    return path;
}

int writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        text.remove_prefix(size_t(n));
    }
    return 0;
}

int writePieces(int fd, const std::vector<std::string_view>& pieces) {
    for (auto piece : pieces)
        if (int rc = writeAll(fd, piece)) return rc;
    return 0;
}

int syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    int rc = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return rc;
}

// Opens without waiting on a FIFO's writer, and only a regular file: fd or -errno.
int openRegular(const std::string& path, int flags, struct stat& st) {
    int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -errno;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        int rc = S_ISDIR(st.st_mode) ? EISDIR : NotRegularFile;
        ::close(fd);
        return -rc;
    }
    return fd;
}

// Exactly `size` bytes from the start, and then the end of the file.
int readExactly(int fd, char* out, size_t size) {
    size_t got = 0;
    char probe = 0;
    while (got <= size) {
        ssize_t n = got < size ? ::pread(fd, out + got, size - got, off_t(got)) : ::pread(fd, &probe, 1, off_t(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return got == size ? 0 : ChangedWhileRead;
        if (got == size) return ChangedWhileRead;  // it grew
        got += size_t(n);
    }
    return 0;
}

// A copy of a regular file as one version of it: read again when another
// program rewrote it meanwhile (as cp and editors do, in place), a few
// times at most. `room(size)` gives where the bytes go.
template <typename Room>
int readCopy(const std::string& path, FileStamp& stamp, Room room) {
    struct stat before {};
    int fd = openRegular(path, O_RDONLY, before);
    if (fd < 0) return -fd;
    int rc = ChangedWhileRead;
    for (int attempt = 0; attempt < 4 && rc == ChangedWhileRead; ++attempt) {
        if (attempt) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20 * attempt));
            if (::fstat(fd, &before) != 0) break;
        }
        char* at = nullptr;
        try {
            at = room(size_t(before.st_size));
        } catch (const std::bad_alloc&) {
        }
        if (!at) {
            rc = ENOMEM;
            break;
        }
        rc = readExactly(fd, at, size_t(before.st_size));
        struct stat after {};
        if (rc == 0 && (::fstat(fd, &after) != 0 || !(stampFrom(after) == stampFrom(before)) ||
                        after.st_ctim.tv_sec != before.st_ctim.tv_sec || after.st_ctim.tv_nsec != before.st_ctim.tv_nsec))
            rc = ChangedWhileRead;
    }
    ::close(fd);
    if (rc == 0) stamp = stampFrom(before);
    return rc;
}

// A name beside `path` for the new text, made with the umask's permissions.
int makeTemporary(const std::string& path, std::string& temp) {
    auto slash = path.find_last_of('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string stem = folderOf(path) + "/." + base + ".fettlekit-";
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned long long seed = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                              (static_cast<unsigned long long>(::getpid()) << 32);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = stem;
        for (int i = 0; i < 6; ++i, seed = seed * 6364136223846793005ull + 1442695040888963407ull)
            temp += Letters[(seed >> 33) % (sizeof Letters - 1)];
        int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd >= 0 ? fd : -errno;
    }
    return -EEXIST;
}

// Over the file itself, which other names share: after the new text is
// safe beside it. The old text is read first, to be put back on failure.
int writeInPlace(const std::string& target, const std::string& temp, const std::vector<std::string_view>& pieces,
                 size_t size, FileStamp& stamp) {
    struct stat st {};
    int fd = openRegular(target, O_RDWR, st);
    if (fd < 0) return -fd;
    std::string old;
    FileStamp ignored;
    int rc = readCopy(target, ignored, [&old](size_t n) { return old.resize(n), old.data(); });
    // Room for the longer text first, so that a full disk stops us before we start.
    if (rc == 0 && size > old.size() && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(size)) != 0 &&
        errno != EOPNOTSUPP)
        rc = errno;
    bool started = false;
    if (rc == 0 && ::lseek(fd, 0, SEEK_SET) == 0) {
        started = true;
        rc = writePieces(fd, pieces);
        if (rc == 0 && ::ftruncate(fd, off_t(size)) != 0) rc = errno;
        if (rc == 0 && ::fsync(fd) != 0) rc = errno;
    }
    bool keepTemp = false;
    if (rc && started) {
        keepTemp = ::lseek(fd, 0, SEEK_SET) != 0 || writeAll(fd, old) || ::ftruncate(fd, off_t(old.size())) != 0 ||
                   ::fsync(fd) != 0;
        if (keepTemp) std::fprintf(stderr, "fettlekit: %s is half written; its new text is in %s\n", target.c_str(), temp.c_str());
    }
    struct stat written {};
    if (rc == 0) stamp = ::fstat(fd, &written) == 0 ? stampFrom(written) : FileStamp{};
    ::close(fd);
    if (!keepTemp) ::unlink(temp.c_str());
    return rc;
}

}  // namespace

std::string fileErrorText(int error) {
    if (error == NotRegularFile) return "it is not a regular file";
    if (error == ChangedWhileRead) return "another program was rewriting it";
    return std::strerror(error);
}

int readFileInto(const std::string& path, FileStamp& stamp, const std::function<char*(size_t)>& room) {
    return readCopy(path, stamp, room);
}

int readWholeFile(const std::string& path, std::string& text, FileStamp& stamp) {
    return readCopy(path, stamp, [&text](size_t size) {
        text.assign(size, '\0');
        return text.data();
    });
}

FileStamp currentStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return stampFrom(st);
}

StagedFile::StagedFile(const std::string& path, const std::vector<std::string_view>& pieces,
                       const FileStamp* unchangedSince)
    : target_(followLinks(path)), pieces_(pieces), checkStamp_(unchangedSince != nullptr),
      unchangedSince_(unchangedSince ? *unchangedSince : FileStamp{}) {
    fd_ = makeTemporary(target_, temp_);
    if (fd_ < 0) {
        error_ = -fd_;
        temp_.clear();
        return;
    }
    struct stat old {};
    const bool existed = ::stat(target_.c_str(), &old) == 0;
    if (existed) ::fchmod(fd_, old.st_mode & 07777);
    inPlace_ = existed && S_ISREG(old.st_mode) && old.st_nlink > 1;
    error_ = writePieces(fd_, pieces_);
    if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
}

StagedFile::~StagedFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

int StagedFile::commit(FileStamp& stamp) {
    if (error_) return error_;
    if (checkStamp_ && !(currentStamp(target_) == unchangedSince_)) return ChangedWhileRead;
    if (inPlace_) {
        ::close(std::exchange(fd_, -1));
        size_t size = 0;
        for (auto piece : pieces_) size += piece.size();
        // It leaves the new text beside the file itself, or nothing.
        return writeInPlace(target_, std::exchange(temp_, {}), pieces_, size, stamp);
    }
    if (::rename(temp_.c_str(), target_.c_str()) != 0) return errno;
    temp_.clear();
    // Our own file's stamp, whatever another program puts at the path next.
    struct stat written {};
    stamp = ::fstat(fd_, &written) == 0 ? stampFrom(written) : FileStamp{};
    syncFolder(folderOf(target_));
    return 0;
}

int replaceFile(const std::string& path, const std::vector<std::string_view>& pieces, FileStamp& stamp,
                const FileStamp* unchangedSince) {
    StagedFile staged(path, pieces, unchangedSince);
    return staged.commit(stamp);
}

int replaceFile(const std::string& path, std::string_view text, FileStamp& stamp) {
    return replaceFile(path, std::vector<std::string_view>{text}, stamp);
}

namespace {

// flock, tried until `deadline`: 0, EWOULDBLOCK or another errno.
int lockBy(int fd, std::chrono::steady_clock::time_point deadline) {
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return 0;
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return errno;
        auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return EWOULDBLOCK;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
        pause = std::min(pause * 2, std::chrono::milliseconds(10));
    }
}

}  // namespace

WriterLock::WriterLock(const std::string& path, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    const std::string target = followLinks(path);
    fd_ = ::open((target + ".fettlekit-lock").c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    struct stat st {};
    if (fd_ < 0) error_ = errno;
    else if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) error_ = NotRegularFile;
    else error_ = lockBy(fd_, deadline);
    // Writers that reach the file through other names share no lock file,
    // only the file itself.
    if (error_ == 0) {
        fileFd_ = openRegular(target, O_RDONLY, st);
        if (fileFd_ >= 0 && st.st_nlink > 1) error_ = lockBy(fileFd_, deadline);
    }
}

WriterLock::~WriterLock() {
    // Closing releases the locks.
    if (fileFd_ >= 0) ::close(fileFd_);
    if (fd_ >= 0) ::close(fd_);
}

SignalsHeld::SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) sigaddset(&held, signal);
    ::pthread_sigmask(SIG_BLOCK, &held, &before_);
}

SignalsHeld::~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &before_, nullptr); }

}  // namespace fk::files
