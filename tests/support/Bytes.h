// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file's bytes, read and written whole.
#include <fstream>
#include <sstream>
#include <string>

namespace fk::test {

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace fk::test
