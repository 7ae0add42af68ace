#include "RegFiles.h"

#include "RegText.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include "HiveFile.h"

#include <sys/stat.h>
#endif

namespace fk::regcli {

#ifdef _WIN32

namespace {

std::wstring widePath(const std::string& path) {
    Text text = wide(path);
    return {text.begin(), text.end()};
}

int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND: case ERROR_PATH_NOT_FOUND: case ERROR_INVALID_NAME: return ENOENT;
    case ERROR_ACCESS_DENIED: case ERROR_SHARING_VIOLATION: case ERROR_WRITE_PROTECT: return EACCES;
    case ERROR_DISK_FULL: case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    default: return EIO;
    }
}

}  // namespace

int readFileWhole(const std::string& path, std::string& bytes) {
    HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return errnoOf(GetLastError());
    int rc = GetFileType(file) == FILE_TYPE_DISK ? 0 : EINVAL;
    bytes.clear();
    char buffer[1 << 16];
    while (!rc) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) rc = errnoOf(GetLastError());
        else if (!got) break;
        else bytes.append(buffer, got);
    }
    CloseHandle(file);
    return rc;
}

int replaceFileWhole(const std::string& path, std::string_view bytes) {
    const std::wstring target = widePath(path);
    const std::wstring temporary = target + L".fettlekit-part";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return errnoOf(GetLastError());
    DWORD put = 0;
    bool ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &put, nullptr) && put == bytes.size() &&
              FlushFileBuffers(file);
    DWORD error = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (ok && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ok = false, error = GetLastError();
    if (!ok) DeleteFileW(temporary.c_str());
    return ok ? 0 : errnoOf(error);
}

bool fileExists(const std::string& path) { return GetFileAttributesW(widePath(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

#else

int readFileWhole(const std::string& path, std::string& bytes) {
    reg::hive::FileStamp stamp;
    return reg::hive::readWholeFile(path, bytes, stamp);
}

int replaceFileWhole(const std::string& path, std::string_view bytes) {
    reg::hive::FileStamp stamp;
    return reg::hive::replaceFile(path, bytes, stamp);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

#endif

std::string fileError(int error) {
    switch (error) {
    case ENOENT: case ENOTDIR: return "Path not found.\n";
    case EACCES: case EPERM: case EROFS: return "Access denied.\n";
    default: return std::string(std::strerror(error)) + "\n";
    }
}

}  // namespace fk::regcli
