// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A .reg file's text as Wine's reg export writes it: UTF-16 LE with a byte
// order mark, CR LF, hex data wrapped at Wine's width. No Qt.
#include <cstdint>
#include <string>

namespace fk::regfile {

class RegFileWriter {
public:
    // A key's full path, "HKEY_CURRENT_USER\...".
    void key(const std::u16string& path);
    // Name and texts in code page 1252, as the registry's A calls give them.
    void value(const std::string& name, std::uint32_t type, const std::string& bytes);
    // Name in UTF-16 and texts in UTF-16LE, as the W calls give them.
    void value(const std::u16string& name, std::uint32_t type, const std::string& bytes);
    // The whole file.
    std::string bytes() const;

private:
    void hex(std::uint32_t type, size_t lineLength, const std::string& data);
    std::u16string out_;
};

}  // namespace fk::regfile
