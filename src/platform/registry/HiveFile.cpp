#include "HiveFile.h"

#include "WineServer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fk::reg::hive {

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

int syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    int rc = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return rc;
}

}  // namespace

int readWholeFile(const std::string& path, std::string& text, FileStamp& stamp) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        int rc = S_ISDIR(st.st_mode) ? EISDIR : errno ? errno : EINVAL;
        ::close(fd);
        return rc;
    }
    text.clear();
    text.reserve(size_t(st.st_size));
    char buf[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int rc = errno;
            ::close(fd);
            return rc;
        }
        if (n == 0) break;
        text.append(buf, size_t(n));
    }
    stamp = stampFrom(st);
    stamp.size = static_cast<long long>(text.size());
    ::close(fd);
    return 0;
}

namespace {
// Mapped, not copied. The index reads the file once, front to back: pages
// are mapped a few megabytes ahead at once (far cheaper than a fault each)
// and, in a big file, those well behind let go, so the process never holds
// the whole of it.
class MappedText final : public SourceText {
public:
    MappedText(void* at, size_t size) : at_(static_cast<char*>(at)), size_(size) {}
    ~MappedText() override { ::munmap(at_, size_); }
    std::string_view text() const override { return {at_, size_}; }

    void reached(size_t at) override {
        constexpr size_t Window = 4 << 20, KeptWhole = 16 << 20;
        if (at + Window / 2 >= ready_ && ready_ < size_) {
            size_t to = std::min(size_, ready_ + Window);
            ::madvise(at_ + ready_, to - ready_, MADV_POPULATE_READ);  // only a hint: faults do the same
            ready_ = to;
        }
        // A small file stays: a save writes it out again from here.
        if (size_ <= KeptWhole) return;
        size_t behind = at > Window ? (at - Window) & ~size_t(0xFFFF) : 0;
        if (behind > dropped_) {
            ::madvise(at_ + dropped_, behind - dropped_, MADV_DONTNEED);
            dropped_ = behind;
        }
    }

private:
    char* at_;
    size_t size_;
    size_t ready_ = 0, dropped_ = 0;
};

struct EmptyText final : SourceText {
    std::string_view text() const override { return {}; }
};
}  // namespace

std::unique_ptr<SourceText> mapWholeFile(const std::string& path, FileStamp& stamp, int& error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : errno ? errno : EINVAL;
        ::close(fd);
        return nullptr;
    }
    std::unique_ptr<SourceText> text;
    if (st.st_size == 0) {
        text = std::make_unique<EmptyText>();
    } else {
        void* at = ::mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (at == MAP_FAILED) {
            error = errno;
            ::close(fd);
            return nullptr;
        }
        text = std::make_unique<MappedText>(at, size_t(st.st_size));
    }
    ::close(fd);
    stamp = stampFrom(st);
    error = 0;
    return text;
}

FileStamp currentStamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return stampFrom(st);
}

int replaceFile(const std::string& path, const std::vector<std::string_view>& pieces, FileStamp& stamp) {
    std::string folder = folderOf(path);
    auto slash = path.find_last_of('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = folder + "/." + base + ".fettlekit-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return errno;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    int rc = 0;
    for (size_t i = 0; rc == 0 && i < pieces.size(); ++i) rc = writeAll(fd, pieces[i]);
    if (rc == 0 && ::fsync(fd) != 0) rc = errno;
    if (rc == 0 && ::rename(temp.c_str(), path.c_str()) != 0) rc = errno;
    if (rc != 0) {
        ::close(fd);
        ::unlink(temp.c_str());
        return rc;
    }
    // Our own file's stamp, whatever another program puts at the path next.
    struct stat written {};
    if (::fstat(fd, &written) == 0) stamp = stampFrom(written);
    else stamp = {};
    ::close(fd);
    syncFolder(folder);
    return 0;
}

int replaceFile(const std::string& path, std::string_view text, FileStamp& stamp) {
    return replaceFile(path, std::vector<std::string_view>{text}, stamp);
}

WriterLock::WriterLock(const std::string& hivePath) {
    std::string lockPath = hivePath + ".fettlekit-lock";
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        error_ = errno;
        ::close(fd_);
        fd_ = -1;
        return;
    }
}

WriterLock::~WriterLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

bool wineServesPrefix(const std::string& hivePath) { return wine::findWineServer(folderOf(hivePath)).running; }

}  // namespace fk::reg::hive
