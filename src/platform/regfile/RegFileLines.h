// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of a .reg file, one at a time, as UTF-16 text.
#include <string>
#include <string_view>
#include <vector>

namespace fk::regfile {

// The file's lines in turn, as reg reads them: they end at CR, LF or CR LF.
// reg reads the file in blocks into a buffer it takes as text ending at the
// first NUL, so a NUL ends a line's text and drops what follows it in the
// same block: the line goes on with the next block (or ends with the file).
// An ANSI file's first two bytes are taken as they are, unconverted, as reg
// reads them on their own.
class Lines {
public:
    explicit Lines(std::string_view bytes) : bytes_(bytes), unicode_(isUnicode(bytes)), at_(2) {}
    static bool isUnicode(std::string_view b) {
        return b.size() >= 2 && static_cast<unsigned char>(b[0]) == 0xFF && static_cast<unsigned char>(b[1]) == 0xFE;
    }
    bool unicode() const { return unicode_; }
    // The next line, without its end; false after the last.
    bool next(std::u16string& line);

private:
    // Up to `count` more units of the file at the buffer's `to`.
    size_t read(size_t to, size_t count);

    std::string_view bytes_;
    bool unicode_;
    size_t at_;  // in the file
    bool first_ = true, done_ = false;
    // reg's buffer: units (bytes, or UTF-16 units), the text ending at a zero.
    std::vector<char16_t> buffer_;
    size_t next_ = 0;
};

}  // namespace fk::regfile
