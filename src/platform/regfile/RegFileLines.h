#pragma once
// The lines of a .reg file, one at a time, as UTF-16 text.
#include <string>
#include <string_view>

namespace fk::regfile {

// The file's lines in turn: they end at CR, LF or CR LF, and a NUL ends a
// line's text, as in reg. An ANSI file's first two bytes are taken as they
// are, unconverted, as reg reads them on their own.
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
    bool ended(size_t lineEnd, std::u16string& line);
    static void cut(std::u16string& line);

    std::string_view bytes_;
    bool unicode_;
    size_t at_;
    bool first_ = true, done_ = false;
};

}  // namespace fk::regfile
