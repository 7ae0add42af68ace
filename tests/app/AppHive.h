#pragma once
// A user.reg in a temporary folder, written for one test, and what a fresh
// open of it finds afterwards.
#include "HiveRegistry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace fk::testing {

// Key blocks in Wine's format; `path` uses single backslashes.
inline std::string hiveKey(std::string path, const std::string& values = {}) {
    std::string escaped;
    for (char c : path) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return "[" + escaped + "] 1700000000\n#time=1d9f0c6b1a2b3c4\n" + values + "\n";
}

inline std::string hiveText(const std::string& keys) {
    return "WINE REGISTRY Version 2\n"
           ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
           "#arch=win32\n\n" +
           keys;
}

class AppHive {
public:
    explicit AppHive(const std::string& keys) {
        path_ = dir_.filePath(QStringLiteral("user.reg")).toStdString();
        std::ofstream(path_, std::ios::binary) << hiveText(keys);
    }

    const std::string& path() const { return path_; }

    std::string fileText() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Whether a fresh open of the file finds the key.
    bool hasKey(const std::string& path) const {
        auto opened = reg::openHiveRegistry(path_);
        if (!opened.registry) {
            ADD_FAILURE() << "hive no longer opens: " << opened.error;
            return false;
        }
        reg::Key key = 0;
        if (opened.registry->RegOpenKeyExA(reg::CurrentUser, path.c_str(), 0, reg::KeyRead, &key) != reg::Success)
            return false;
        opened.registry->RegCloseKey(key);
        return true;
    }

    // A REG_DWORD as a fresh open of the file finds it.
    std::optional<std::int32_t> storedNumber(const std::string& keyPath, const std::string& name) const {
        auto opened = reg::openHiveRegistry(path_);
        if (!opened.registry) return std::nullopt;
        reg::Key key = 0;
        if (opened.registry->RegOpenKeyExA(reg::CurrentUser, keyPath.c_str(), 0, reg::KeyRead, &key) != reg::Success)
            return std::nullopt;
        std::uint32_t type = 0;
        std::uint32_t value = 0;
        std::uint32_t size = 4;
        const long status = opened.registry->RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                                              reinterpret_cast<std::uint8_t*>(&value), &size);
        opened.registry->RegCloseKey(key);
        if (status != reg::Success || type != reg::TypeDword) return std::nullopt;
        return std::int32_t(value);
    }

private:
    QTemporaryDir dir_;
    std::string path_;
};

}  // namespace fk::testing
