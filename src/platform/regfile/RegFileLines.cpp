#include "platform/regfile/RegFileLines.h"

#include "text/Cp1252.h"
#include "text/Utf16.h"

#include <cstdint>

namespace fk::regfile {

using Text = std::u16string;

bool Lines::next(Text& line) {
    if (done_) return false;
    line.clear();
    if (!unicode_ && first_) line = {char16_t(std::uint8_t(bytes_[0])), char16_t(std::uint8_t(bytes_[1]))};
    first_ = false;
    if (unicode_) {
        for (; at_ + 1 < bytes_.size(); at_ += 2) {
            char16_t c = text::utf16UnitAt(bytes_, at_);
            if (c == u'\r' || c == u'\n') return ended(c == u'\r' && text::utf16UnitAt(bytes_, at_ + 2) == u'\n' ? 4 : 2, line);
            line += c;
        }
    } else {
        size_t end = bytes_.find_first_of("\r\n", at_);
        if (end != std::string_view::npos) {
            line += text::cp1252ToUtf16(bytes_.substr(at_, end - at_));
            at_ = end;
            return ended(bytes_[end] == '\r' && end + 1 < bytes_.size() && bytes_[end + 1] == '\n' ? 2 : 1, line);
        }
        if (at_ < bytes_.size()) line += text::cp1252ToUtf16(bytes_.substr(at_));
    }
    done_ = true;
    cut(line);
    return true;
}

bool Lines::ended(size_t lineEnd, Text& line) {
    at_ += lineEnd;
    cut(line);
    return true;
}

void Lines::cut(Text& line) {
    size_t nul = line.find(u'\0');
    if (nul != Text::npos) line.resize(nul);
}

}  // namespace fk::regfile
