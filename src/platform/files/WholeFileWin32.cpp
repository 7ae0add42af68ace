// SPDX-License-Identifier: GPL-3.0-or-later
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

StagedFile::StagedFile(const std::string& path, const std::vector<std::string_view>& pieces,
                       const FileStamp* unchangedSince)
    : target_(path), pieces_(pieces), checkStamp_(unchangedSince != nullptr),
      unchangedSince_(unchangedSince ? *unchangedSince : FileStamp{}) {
    std::string temp;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = path + "." + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount() + attempt) +
               ".fettlekit-tmp";
        file = ::CreateFileW(wide(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) {
            error_ = errnoOf(::GetLastError());
            return;
        }
    }
    if (file == INVALID_HANDLE_VALUE) {
        error_ = EEXIST;
        return;
    }
    temp_ = temp;
    for (auto piece : pieces)
        if (error_ == 0) error_ = writeAll(file, piece);
    if (error_ == 0 && !::FlushFileBuffers(file)) error_ = errnoOf(::GetLastError());
    ::CloseHandle(file);
}

StagedFile::~StagedFile() {
    if (!temp_.empty()) ::DeleteFileW(wide(temp_).c_str());
}

int StagedFile::commit(FileStamp& stamp) {
    if (error_) return error_;
    if (checkStamp_ && !(currentStamp(target_) == unchangedSince_)) return ChangedWhileRead;
    if (!::MoveFileExW(wide(temp_).c_str(), wide(target_).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return errnoOf(::GetLastError());
    temp_.clear();
    stamp = currentStamp(target_);
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

}  // namespace fk::files
