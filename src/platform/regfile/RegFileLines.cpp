// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regfile/RegFileLines.h"

#include "text/Cp1252.h"
#include "text/Utf16.h"

#include <algorithm>
#include <cstdint>

namespace fk::regfile {

using Text = std::u16string;

namespace {

// reg's first buffer, in units; it doubles when a line fills it.
constexpr size_t FirstBuffer = 4096;

}  // namespace

size_t Lines::read(size_t to, size_t count) {
    const size_t unit = unicode_ ? 2 : 1;
    count = std::min(count, (bytes_.size() - std::min(at_, bytes_.size())) / unit);
    for (size_t i = 0; i < count; ++i, at_ += unit)
        buffer_[to + i] = unicode_ ? text::utf16UnitAt(bytes_, at_) : char16_t(std::uint8_t(bytes_[at_]));
    return count;
}

bool Lines::next(Text& line) {
    if (done_) return false;
    if (buffer_.empty()) buffer_.assign(FirstBuffer, u'\0');
    for (;;) {
        size_t end = next_;
        while (buffer_[end] && buffer_[end] != u'\r' && buffer_[end] != u'\n') ++end;
        const bool found = buffer_[end] != u'\0';
        if (!found) {
            // The text from next_ to its zero is kept; the rest of the block goes.
            const size_t length = end - next_;
            std::copy(buffer_.begin() + long(next_), buffer_.begin() + long(end), buffer_.begin());
            if (buffer_.size() - length < 3) buffer_.resize(buffer_.size() * 2);
            const size_t count = read(length, buffer_.size() - length - 1);
            buffer_[length + count] = u'\0';
            next_ = 0;
            if (count) continue;
            done_ = true;
            end = length;
        }
        Text units(buffer_.begin() + long(next_), buffer_.begin() + long(end));
        if (found) next_ = end + (buffer_[end] == u'\r' && buffer_[end + 1] == u'\n' ? 2 : 1);
        line.clear();
        if (!unicode_ && first_) line = {char16_t(std::uint8_t(bytes_[0])), char16_t(std::uint8_t(bytes_[1]))};
        first_ = false;
        if (unicode_) {
            line += units;
        } else {
            std::string ansi(units.begin(), units.end());
            line += text::cp1252ToUtf16(ansi);
        }
        return true;
    }
}

}  // namespace fk::regfile
