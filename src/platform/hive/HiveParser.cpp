// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/HiveParser.h"
#include "platform/hive/HiveText.h"
#include "text/Utf16.h"

#include <algorithm>
#include <cstdlib>

namespace fk::reg::hive {

namespace {

constexpr std::string_view Signature = "WINE REGISTRY Version 2";

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}


// The text of a line without its end-of-line characters.
std::string_view content(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

}  // namespace


std::string_view Parser::Lines::take() {
    size_t end = text.find('\n', next);
    end = end == std::string_view::npos ? text.size() : end + 1;
    auto line = text.substr(next, end - next);
    last = next;
    next = end;
    return line;
}

bool Parser::fail(Damage what, std::string_view excerpt) {
    // Lines are counted only here: a file read without fault never needs them.
    error_.line = lines_.last == std::string_view::npos
                      ? 0
                      : 1 + int(std::count(text_.begin(), text_.begin() + long(lines_.last), '\n'));
    error_.what = what;
    error_.excerpt = excerpt.substr(0, ExcerptLength);
    return false;
}

bool Parser::readHeader(size_t& firstKey, Original& body, Original& tail) {
    if (lines_.done()) return fail(Damage::Empty);
    auto first = content(lines_.take());
    if (first != Signature) {
        if (first.starts_with("WINE REGISTRY Version"))
            return fail(Damage::UnsupportedVersion, first);
        return fail(Damage::NotWineRegistry);
    }
    firstKey = text_.size();
    for (size_t at = text_.find('[', lines_.next); at != std::string_view::npos; at = text_.find('[', at + 1)) {
        if (text_[at - 1] == '\n') {
            firstKey = at;
            break;
        }
    }
    key_ = nullptr;
    if (!readLines(firstKey)) return false;
    // The header's blank lines before the first key are its tail.
    size_t last = firstKey;
    while (last > 0 && std::string_view(" \t\r\n").find(text_[last - 1]) != std::string_view::npos) --last;
    size_t lineEnd = text_.find('\n', last);
    size_t bodyEnd = lineEnd == std::string_view::npos ? text_.size() : lineEnd + 1;
    body = text_.substr(0, bodyEnd);
    tail = text_.substr(bodyEnd, firstKey - bodyEnd);
    return true;
}

bool Parser::readSection(size_t start, size_t end, Key& into) {
    lines_.next = start;
    lines_.take();  // the key line, read by the index
    key_ = &into;
    return readLines(end);
}

// The lines up to `end`, none of them a key line, into the current key.
bool Parser::readLines(size_t end) {
    while (lines_.next < end) {
        size_t lineStart = lines_.next;
        auto line = lines_.take();
        if (isBlank(line)) continue;
        auto text = content(line);
        if (text[0] == '#') {
            if (!readOption(text, line)) return false;
        } else if (text[0] == '"' || text[0] == '@') {
            Value* value = readValue(text);
            if (!value) return false;
            value->raw = text_.substr(lineStart, lines_.next - lineStart);
        } else if (text[0] != ';') {
            return fail(Damage::UnrecognisedLine, text);
        }
    }
    return true;
}

bool Parser::readOption(std::string_view text, std::string_view line) {
    if (!key_) return true;  // "#arch=" and the like belong to the header
    if (text.starts_with("#time=")) {
        auto digits = text.substr(6);
        while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t')) digits.remove_suffix(1);
        if (digits.empty() || digits.size() > 16 || !std::all_of(digits.begin(), digits.end(), isHex))
            return fail(Damage::BadTimeStamp, text);
        Ticks t = 0;
        for (char c : digits) t = t * 16 + Ticks(hexValue(c));
        key_->modified = t;
    } else if (text.starts_with("#class=\"")) {
        size_t pos = 8;
        std::u16string cls;
        if (!unescapeText(text, pos, '"', cls) || !onlySpaceFrom(text, pos)) return fail(Damage::BadKeyClass);
        key_->keyClass = cls;
    } else if (text.starts_with("#link")) {
        key_->link = true;
    } else {
        key_->otherOptions.emplace_back(line);
    }
    return true;
}


Value* Parser::readValue(std::string_view text) {
    if (!key_) return fail(Damage::ValueBeforeKey), nullptr;
    Value value;
    size_t pos = 1;
    if (text[0] == '"') {
        scratch_.clear();
        if (!unescapeText(text, pos, '"', scratch_)) return fail(Damage::NameNotClosed), nullptr;
        value.name = scratch_;
    }
    if (pos >= text.size() || text[pos] != '=') return fail(Damage::NoEquals), nullptr;
    ++pos;
    // Files list values in order: one comparison with the last mostly settles it.
    auto& values = key_->values;
    bool last = values.empty() || compareNames(values.back().name, value.name) < 0;
    if (!last && key_->findValue(value.name)) return fail(Damage::ValueTwice), nullptr;
    if (!readData(text.substr(pos), value)) return nullptr;
    if (!last) return &key_->addValue(std::move(value));
    if (values.empty()) values.reserve(8);
    return &values.emplace_back(std::move(value));
}


bool Parser::readData(std::string_view data, Value& value) {
    std::uint32_t textType = 0;
    size_t skip = 0;
    if (data.starts_with("\"")) { textType = 1; skip = 1; }
    else if (data.starts_with("str:\"")) { textType = 1; skip = 5; }
    else if (data.starts_with("str(2):\"")) { textType = 2; skip = 8; }
    else if (data.starts_with("str(7):\"")) { textType = 7; skip = 8; }
    if (textType) {
        scratch_.clear();
        size_t pos = skip;
        if (!unescapeText(data, pos, '"', scratch_)) return fail(Damage::TextNotClosed);
        if (!onlySpaceFrom(data, pos)) return fail(Damage::AfterText);
        scratch_.push_back(0);
        value.type = textType;
        value.data = text::bytesFromUtf16(scratch_);
        return true;
    }
    if (data.starts_with("dword:")) {
        auto digits = data.substr(6);
        size_t n = 0;
        std::uint32_t v = 0;
        while (n < digits.size() && isHex(digits[n])) v = v * 16 + std::uint32_t(hexValue(digits[n++]));
        if (n == 0 || n > 8 || !onlySpaceFrom(digits, n)) return fail(Damage::BadDword, data);
        value.type = 4;
        value.data = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        return true;
    }
    size_t pos = 0;
    if (data.starts_with("hex:")) {
        value.type = 3;
        pos = 4;
    } else if (data.starts_with("hex(")) {
        pos = 4;
        std::uint32_t type = 0;
        size_t start = pos;
        while (pos < data.size() && isHex(data[pos]) && pos - start < 8) type = type * 16 + std::uint32_t(hexValue(data[pos++]));
        if (pos == start || data.substr(pos, 2) != "):") return fail(Damage::BadValueType, data.substr(0, 12));
        value.type = type;
        pos += 2;
    } else {
        return fail(Damage::UnknownValueType, data.substr(0, 12));
    }
    return readHex(data.substr(pos), value.data);
}


// Bytes "xx,xx,..." where a final backslash continues on the next line.
bool Parser::readHex(std::string_view s, std::string& out) {
    for (;;) {
        size_t pos = s.find_first_not_of(" \t");
        while (pos != std::string_view::npos && pos < s.size() && isHex(s[pos])) {
            size_t start = pos;
            int v = 0;
            while (pos < s.size() && isHex(s[pos]) && pos - start < 2) v = v * 16 + hexValue(s[pos++]);
            if (pos < s.size() && isHex(s[pos])) return fail(Damage::BadHexByte);
            out.push_back(char(v));
            pos = s.find_first_not_of(" \t", pos);
            if (pos != std::string_view::npos && s[pos] == ',') pos = s.find_first_not_of(" \t", pos + 1);
        }
        if (pos == std::string_view::npos) return true;
        if (s[pos] != '\\' || !onlySpaceFrom(s, pos + 1)) return fail(Damage::BadHex);
        if (lines_.done()) return fail(Damage::HexPastEnd);
        s = content(lines_.take());
    }
}


}  // namespace fk::reg::hive
