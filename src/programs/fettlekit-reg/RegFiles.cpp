// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fettlekit-reg/RegFiles.h"

#include "platform/files/WholeFile.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include "programs/fettlekit-reg/RegText.h"
#else
#include <sys/stat.h>
#endif

namespace fk::regcli {

// The store's own whole-file reads and writes: only a regular file is read,
// and a file is replaced whole beside itself.
int readFileWhole(const std::string& path, std::string& bytes) {
    files::FileStamp stamp;
    return files::readWholeFile(path, bytes, stamp);
}

int replaceFileWhole(const std::string& path, std::string_view bytes) {
    files::FileStamp stamp;
    return files::replaceFile(path, bytes, stamp);
}

#ifdef _WIN32
bool fileExists(const std::string& path) {
    Text text = wide(path);
    return GetFileAttributesW(std::wstring(text.begin(), text.end()).c_str()) != INVALID_FILE_ATTRIBUTES;
}
#else
bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}
#endif

std::string fileError(int error) {
    switch (error) {
    case ENOENT: case ENOTDIR: return "Path not found.\n";
    case EACCES: case EPERM: case EROFS: return "Access denied.\n";
    default: return files::fileErrorText(error) + "\n";
    }
}

}  // namespace fk::regcli
