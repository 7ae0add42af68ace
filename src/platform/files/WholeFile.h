// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole files on disk: reading one version of a file, noticing another
// program's change, and replacing it whole or not at all.

#include <cerrno>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#ifndef _WIN32
#include <csignal>
#endif

namespace fk::files {

// Identifies one version of the file; a rename or rewrite changes it.
struct FileStamp {
    unsigned long long device = 0, inode = 0;
    long long size = -1, seconds = 0, nanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// What the reads below answer, besides an open's or a read's errno, for a
// path that names no regular file (a FIFO, a device, a socket): found at
// once, without waiting for a writer or reading without end. A folder
// gives EISDIR.
inline constexpr int NotRegularFile = EINVAL;
// ...and for a file that another program kept rewriting while it was read:
// what was read is not one version of it.
inline constexpr int ChangedWhileRead = EAGAIN;
// Says what those two and any other errno mean, for a message.
std::string fileErrorText(int error);

// 0 or an errno (above). Reads a copy: the file may change or shrink
// afterwards without harm.
int readWholeFile(const std::string& path, std::string& text, FileStamp& stamp);
#ifndef _WIN32
// The same into the room `room(size)` gives (nullptr: no memory).
int readFileInto(const std::string& path, FileStamp& stamp, const std::function<char*(size_t)>& room);
#endif
FileStamp currentStamp(const std::string& path);  // size -1 when missing

// The one way a whole file is written: the new text goes beside the file,
// is flushed, and is renamed over it; then the folder is flushed. A
// symbolic link is written through: the file it names is replaced, beside
// itself, and the link stays. A file with more than one hard link is
// written in place (as Wine does), so that every name keeps it: the new
// text is first written and flushed beside it, then over the file, which
// is cut to size and flushed; should that fail part way, the old text is
// put back, and failing that the new one stays beside it.
// On failure (an errno) the old file is left as it was and nothing is left
// beside it. `stamp` is that of the file written. With `unchangedSince`,
// a file that another program changed since that stamp is left alone:
// ChangedWhileRead.
int replaceFile(const std::string& path, const std::vector<std::string_view>& pieces, FileStamp& stamp,
                const FileStamp* unchangedSince = nullptr);
int replaceFile(const std::string& path, std::string_view text, FileStamp& stamp);

// replaceFile in two steps, for bulk work over several files: every new
// text is written and flushed beside its file first, so that a full disk
// or a failed write on any of them leaves them all as they were; then each
// goes in place. One never put in place leaves nothing beside its file.
// `pieces` must outlive it.
class StagedFile {
public:
    StagedFile(const std::string& path, const std::vector<std::string_view>& pieces,
               const FileStamp* unchangedSince = nullptr);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    // 0, or why the new text could not be written (an errno).
    int error() const { return error_; }
    // Puts the new text in place, as replaceFile does: 0 or an errno, the
    // file as it was on failure.
    int commit(FileStamp& stamp);

private:
    std::string target_, temp_;  // temp_ empty once nothing is left beside the file
    std::vector<std::string_view> pieces_;
    bool checkStamp_ = false;
    FileStamp unchangedSince_;
    int fd_ = -1;
    int error_ = 0;
    bool inPlace_ = false;
};

#ifndef _WIN32
// How long a writer waits for another to finish before giving up.
inline constexpr std::chrono::milliseconds LockWait{5000};

// Holds the writers' lock file beside the file (beside the file a link
// names) while it lives, and the file itself when it has more than one
// hard link. Waits at most `wait` for another writer.
class WriterLock {
public:
    explicit WriterLock(const std::string& path, std::chrono::milliseconds wait = LockWait);
    ~WriterLock();
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;
    // 0 when held; EWOULDBLOCK when another writer held it all along,
    // NotRegularFile when the lock's path is no file.
    int error() const { return error_; }

private:
    int fd_ = -1, fileFd_ = -1;
    int error_ = 0;
};

// Holds back Ctrl+C, SIGTERM and the like while it lives, so that a save
// under way ends whole (and leaves nothing beside the file) before they
// take effect.
class SignalsHeld {
public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t before_;  // the thread's own mask
};

#endif

}  // namespace fk::files
