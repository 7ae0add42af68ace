// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wine/WinePath.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <vector>

namespace fk::wine {

namespace {

namespace fs = std::filesystem;

struct Drive {
    char letter;
    dev_t device;
    ino_t inode;
};

// The prefix's drives whose folders exist, a: to z:. Folders are compared by
// device and inode, as Wine does, so links to one folder give one answer.
std::vector<Drive> drivesOf(const std::string& prefixDir) {
    std::vector<Drive> drives;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const std::string link = prefixDir + "/dosdevices/" + letter + ":";
        struct stat info {};
        if (::stat(link.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            drives.push_back({letter, info.st_dev, info.st_ino});
    }
    return drives;
}

std::optional<char> driveOf(const fs::path& folder, const std::vector<Drive>& drives) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return std::nullopt;
    for (const Drive& drive : drives)
        if (drive.device == info.st_dev && drive.inode == info.st_ino) return drive.letter;
    return std::nullopt;
}

std::string backslashed(const fs::path& relative) {
    std::string out;
    for (const auto& part : relative) {
        if (part.empty() || part == ".") continue;
        out += '\\';
        out += part.string();
    }
    return out;
}

}  // namespace

std::string windowsPathFor(const std::string& unixPath, const std::string& prefixDir) {
    const fs::path file = fs::absolute(unixPath).lexically_normal();
    const std::vector<Drive> drives = drivesOf(prefixDir);
    // Walk up from the file until a folder is a drive's root.
    for (fs::path folder = file;; folder = folder.parent_path()) {
        if (auto letter = driveOf(folder, drives)) {
            std::string path{char(*letter - 'a' + 'A'), ':'};
            std::string rest = backslashed(file.lexically_relative(folder));
            return path + (rest.empty() ? "\\" : rest);
        }
        if (folder == folder.root_path()) break;
    }
    return "\\\\?\\unix" + backslashed(file.relative_path());
}

}  // namespace fk::wine
