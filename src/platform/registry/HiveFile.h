#pragma once
// The hive file on disk: reading it, noticing another program's change,
// replacing it whole or not at all, and telling whether Wine serves it.
#include "HiveFormat.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fk::reg::hive {

// Identifies one version of the file; a rename or rewrite changes it.
struct FileStamp {
    unsigned long long device = 0, inode = 0;
    long long size = -1, seconds = 0, nanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

// 0 or an errno.
int readWholeFile(const std::string& path, std::string& text, FileStamp& stamp);
FileStamp currentStamp(const std::string& path);  // size -1 when missing

// The file mapped into memory for reading, or nothing and an errno. Others
// replace the hive by renaming a new file over it, which leaves the mapped
// one as it was.
std::unique_ptr<SourceText> mapWholeFile(const std::string& path, FileStamp& stamp, int& error);

// Writes beside the file, flushes, renames over it and flushes the folder.
// On failure (an errno) the old file is left as it was and nothing is left
// beside it. `stamp` is that of the file written.
int replaceFile(const std::string& path, const std::vector<std::string_view>& pieces, FileStamp& stamp);
int replaceFile(const std::string& path, std::string_view text, FileStamp& stamp);

// Holds the writers' lock file beside the hive while it lives.
class WriterLock {
public:
    explicit WriterLock(const std::string& hivePath);
    ~WriterLock();
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;
    int error() const { return error_; }  // 0 when held

private:
    int fd_ = -1;
    int error_ = 0;
};

// True while a wineserver serves the prefix that holds the hive, in our
// /tmp or in a sandbox's own.
bool wineServesPrefix(const std::string& hivePath);

}  // namespace fk::reg::hive
