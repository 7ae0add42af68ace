// The whole-file reads and writes of WholeFile.h on Windows, for the .reg
// files the store and the command line read and write. Paths are UTF-8.
#include "platform/files/WholeFile.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace fk::files {

namespace {

std::wstring wide(const std::string& path) {
    int n = ::MultiByteToWideChar(CP_UTF8, 0, path.data(), int(path.size()), nullptr, 0);
    std::wstring out(size_t(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, path.data(), int(path.size()), out.data(), n);
    return out;
}

int errnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND: case ERROR_PATH_NOT_FOUND: case ERROR_INVALID_NAME: return ENOENT;
    case ERROR_ACCESS_DENIED: case ERROR_SHARING_VIOLATION: case ERROR_WRITE_PROTECT: return EACCES;
    case ERROR_DISK_FULL: case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_NOT_ENOUGH_MEMORY: case ERROR_OUTOFMEMORY: return ENOMEM;
    default: return EIO;
    }
}

FileStamp stampOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info)) return {};
    FileStamp stamp;
    stamp.device = info.dwVolumeSerialNumber;
    stamp.inode = (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    stamp.size = static_cast<long long>((static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    stamp.seconds = static_cast<long long>(info.ftLastWriteTime.dwHighDateTime);
    stamp.nanoseconds = static_cast<long long>(info.ftLastWriteTime.dwLowDateTime);
    return stamp;
}

int writeAll(HANDLE file, std::string_view text) {
    while (!text.empty()) {
        DWORD chunk = DWORD(std::min<size_t>(text.size(), 1u << 30)), written = 0;
        if (!::WriteFile(file, text.data(), chunk, &written, nullptr)) return errnoOf(::GetLastError());
        text.remove_prefix(written);
    }
    return 0;
}

}  // namespace

std::string fileErrorText(int error) {
    if (error == NotRegularFile) return "it is not a regular file";
    if (error == ChangedWhileRead) return "another program was rewriting it";
    return std::strerror(error);
}

int readWholeFile(const std::string& path, std::string& text, FileStamp& stamp) {
    HANDLE file = ::CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = ::GetLastError();
        DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return EISDIR;
        return errnoOf(error);
    }
    int rc = 0;
    LARGE_INTEGER size{};
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileSizeEx(file, &size)) rc = NotRegularFile;
    if (rc == 0) {
        FileStamp before = stampOf(file);
        try {
            text.assign(size_t(size.QuadPart), '\0');
        } catch (const std::bad_alloc&) {
            rc = ENOMEM;
        }
        size_t got = 0;
        for (DWORD n = 1; rc == 0 && n && got < text.size(); got += n)
            if (!::ReadFile(file, text.data() + got, DWORD(std::min<size_t>(text.size() - got, 1u << 30)), &n, nullptr))
                rc = errnoOf(::GetLastError());
        if (rc == 0 && (got != text.size() || !(stampOf(file) == before))) rc = ChangedWhileRead;
        if (rc == 0) stamp = before;
    }
    ::CloseHandle(file);
    return rc;
}

FileStamp currentStamp(const std::string& path) {
    HANDLE file = ::CreateFileW(wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    FileStamp stamp = stampOf(file);
    ::CloseHandle(file);
    return stamp;
}

int replaceFile(const std::string& path, const std::vector<std::string_view>& pieces, FileStamp& stamp,
                const FileStamp* unchangedSince) {
    std::wstring target = wide(path);
    std::wstring temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
               std::to_wstring(::GetTickCount() + attempt) + L".fettlekit-tmp";
        file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) return errnoOf(::GetLastError());
    }
    if (file == INVALID_HANDLE_VALUE) return EEXIST;
    int rc = 0;
    for (auto piece : pieces)
        if (rc == 0) rc = writeAll(file, piece);
    if (rc == 0 && !::FlushFileBuffers(file)) rc = errnoOf(::GetLastError());
    ::CloseHandle(file);
    if (rc == 0 && unchangedSince && !(currentStamp(path) == *unchangedSince)) rc = ChangedWhileRead;
    if (rc == 0 && !::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        rc = errnoOf(::GetLastError());
    if (rc != 0) {
        ::DeleteFileW(temp.c_str());
        return rc;
    }
    stamp = currentStamp(path);
    return 0;
}

int replaceFile(const std::string& path, std::string_view text, FileStamp& stamp) {
    return replaceFile(path, std::vector<std::string_view>{text}, stamp);
}

}  // namespace fk::files
