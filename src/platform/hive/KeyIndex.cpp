// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/KeyIndex.h"
#include "platform/hive/HiveText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace fk::reg::hive {

namespace {

// A key line is one that starts with '['; no other line does, as texts
// keep their line ends escaped.
size_t nextKeyLine(std::string_view text, size_t from) {
    for (;;) {
        size_t at = text.find('[', from);
        if (at == std::string_view::npos) return text.size();
        if (at == 0 || text[at - 1] == '\n') return at;
        from = at + 1;
    }
}

// The end of a line's content, before its end-of-line characters.
size_t contentEnd(std::string_view text, size_t at, size_t end) {
    size_t eol = text.find('\n', at);
    eol = std::min(eol == std::string_view::npos ? text.size() : eol, end);
    while (eol > at && (text[eol - 1] == '\n' || text[eol - 1] == '\r')) --eol;
    return eol;
}

// A path's parts: `path` is followed in its text by the closing ']'.
std::vector<std::u16string> splitEscaped(std::string_view path) {
    std::u16string whole;
    size_t pos = 0;
    unescapeText(std::string_view(path.data(), path.size() + 1), pos, ']', whole);
    return splitPath(whole);
}

// A plain path compared as Wine orders it: by part, each in lower case.
int comparePlain(std::string_view a, std::string_view b) {
    // Neighbouring lines mostly share a long stretch, taken eight bytes at a
    // time; separators pair up alike in it.
    size_t i = 0, n = std::min(a.size(), b.size());
    for (std::uint64_t x, y; i + 8 <= n; i += 8) {
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y) break;
    }
    while (i < n && a[i] == b[i]) ++i;
    size_t j = i;
    for (; i < a.size() && j < b.size(); ++i, ++j) {
        // A separator is written "\\" and sorts before any character.
        int x = a[i] == '\\' ? (++i, 0) : (a[i] >= 'A' && a[i] <= 'Z') ? a[i] + 32 : a[i];
        int y = b[j] == '\\' ? (++j, 0) : (b[j] >= 'A' && b[j] <= 'Z') ? b[j] + 32 : b[j];
        if (x != y) return x - y;
    }
    return int(i < a.size()) - int(j < b.size());
}

}  // namespace

bool KeyIndex::fail(ParseError& error, size_t at, Damage what, std::string_view excerpt) const {
    error.line = 1 + int(std::count(text_.begin(), text_.begin() + long(at), '\n'));
    error.what = what;
    error.excerpt = excerpt.substr(0, ExcerptLength);
    return false;
}

bool KeyIndex::build(std::string_view text, size_t from, ParseError& error) {
    text_ = text;
    lines_.clear();
    splitLine_ = size_t(-1);
    reserveLines();
    // Where the lines stop being in order, noted while each is at hand.
    std::vector<size_t> runs{0};
    size_t at = from;
    while (at < text_.size()) {
        size_t end = nextKeyLine(text_, at + 1);
        KeyLine line;
        if (!readLine(at, end, line, error)) return false;
        line.fileIndex = int(lines_.size());
        if (!lines_.empty() && !before(lines_.back(), line)) runs.push_back(lines_.size());
        lines_.push_back(line);
        at = end;
    }
    return putInOrder(std::move(runs), error);
}

// Room for a key line every hundred bytes or so, at once and in large
// pages: growing the list page by page faulted as often as it read a key.
// Only what is used is ever touched.
void KeyIndex::reserveLines() {
    lines_.reserve(text_.size() / 128 + 16);
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t Large = 2u << 20;
    auto at = reinterpret_cast<std::uintptr_t>(lines_.data());
    std::uintptr_t begin = (at + Large - 1) & ~(Large - 1), end = (at + lines_.capacity() * sizeof(KeyLine)) & ~(Large - 1);
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

bool KeyIndex::before(const KeyLine& a, const KeyLine& b) const {
    return comparePaths(text_.substr(a.start + 1, a.pathLength), a.plain, text_.substr(b.start + 1, b.pathLength), b.plain) < 0;
}

// Finds the unescaped ']' (any escape's next character is never one) and
// checks what follows it: nothing but the key's time in seconds.
bool KeyIndex::readLine(size_t at, size_t end, KeyLine& line, ParseError& error) const {
    size_t eol = contentEnd(text_, at, end), pos = at + 1;
    bool plain = true, partStart = true;
    for (; pos < eol && text_[pos] != ']'; ++pos) {
        char c = text_[pos];
        if (c == '\\') {
            if (++pos >= eol) break;
            if (text_[pos] != '\\' || partStart) plain = false;
            partStart = true;
            continue;
        }
        if (c < 0x20 || c > 0x7E) plain = false;
        partStart = false;
    }
    if (pos >= eol) return fail(error, at, Damage::KeyNotClosed);
    line.start = at;
    line.end = end;
    line.pathLength = std::uint32_t(pos - at - 1);
    line.plain = plain && !partStart;
    std::string_view rest = text_.substr(pos + 1, eol - pos - 1);
    size_t digits = rest.find_first_not_of(" \t");
    if (digits != std::string_view::npos) {
        size_t stop = rest.find_first_not_of("0123456789", digits);
        if (stop == digits || !onlySpaceFrom(rest, stop == std::string_view::npos ? rest.size() : stop))
            return fail(error, at, Damage::AfterKeyName);
    }
    return true;
}

// Wine writes keys in order; a file that lists them otherwise is sorted
// here, keeping each section's place in the file.
bool KeyIndex::putInOrder(std::vector<size_t> runs, ParseError& error) {
    auto before = [this](const KeyLine& a, const KeyLine& b) { return this->before(a, b); };
    if (runs.size() == 1) return true;
    // Mostly a few runs in order, as when keys were added at the end: merged
    // pairwise, which keeps lines of the same key in file order.
    runs.push_back(lines_.size());
    while (runs.size() > 2) {
        std::vector<size_t> merged;
        for (size_t k = 0; k + 1 < runs.size(); k += 2) {
            merged.push_back(runs[k]);
            if (k + 2 < runs.size())
                std::inplace_merge(lines_.begin() + long(runs[k]), lines_.begin() + long(runs[k + 1]), lines_.begin() + long(runs[k + 2]), before);
        }
        merged.push_back(lines_.size());
        runs = std::move(merged);
    }
    // Of the keys listed twice, the one seen again first in the file is named.
    const KeyLine* again = nullptr;
    for (size_t i = 1; i < lines_.size(); ++i)
        if (!before(lines_[i - 1], lines_[i]) && (!again || lines_[i].fileIndex < again->fileIndex)) again = &lines_[i];
    if (!again) return true;
    return fail(error, again->start, Damage::KeyTwice, text_.substr(again->start + 1, again->pathLength));
}

int KeyIndex::comparePaths(std::string_view a, bool aPlain, std::string_view b, bool bPlain) {
    if (aPlain && bPlain) return comparePlain(a, b);
    auto x = splitEscaped(a), y = splitEscaped(b);
    for (size_t i = 0; i < x.size() && i < y.size(); ++i)
        if (int order = compareNames(x[i], y[i])) return order;
    return int(x.size()) - int(y.size());
}

std::pair<size_t, size_t> KeyIndex::plainPart(size_t i, size_t depth) const {
    // Its only escapes are separators, each "\\\\" between two names.
    std::string_view p = path(i);
    size_t begin = 0;
    for (size_t d = 0; d < depth; ++d) {
        size_t separator = p.find("\\\\", begin);
        if (separator == std::string_view::npos) return {std::string_view::npos, 0};
        begin = separator + 2;
    }
    size_t end = p.find("\\\\", begin);
    return {begin, end == std::string_view::npos ? p.size() : end};
}

const std::vector<std::u16string>& KeyIndex::partsOf(size_t i) const {
    if (splitLine_ != i) {
        splitParts_ = splitEscaped(path(i));
        splitLine_ = i;
    }
    return splitParts_;
}

std::u16string KeyIndex::part(size_t i, size_t depth) const {
    if (!lines_[i].plain) {
        auto& parts = partsOf(i);
        return depth < parts.size() ? parts[depth] : std::u16string();
    }
    auto [begin, end] = plainPart(i, depth);
    if (begin == std::string_view::npos) return {};
    std::string_view name = path(i).substr(begin, end - begin);
    return std::u16string(name.begin(), name.end());
}

bool KeyIndex::hasPart(size_t i, size_t depth) const {
    if (!lines_[i].plain) return depth < partsOf(i).size();
    return plainPart(i, depth).first != std::string_view::npos;
}

size_t KeyIndex::depth(size_t i) const {
    if (!lines_[i].plain) return partsOf(i).size();
    std::string_view p = path(i);
    size_t parts = 1;
    for (size_t at = 0; (at = p.find("\\\\", at)) != std::string_view::npos; at += 2) ++parts;
    return parts;
}

int KeyIndex::comparePart(size_t i, size_t depth, std::u16string_view name) const {
    if (!lines_[i].plain) return compareNames(partsOf(i)[depth], name);
    auto [begin, end] = plainPart(i, depth);
    std::string_view part = path(i).substr(begin, end - begin);
    scratch_.assign(part.begin(), part.end());
    return compareNames(scratch_, name);
}

std::pair<size_t, size_t> KeyIndex::run(size_t begin, size_t end, size_t depth, std::u16string_view name) const {
    auto order = [&](size_t i) { return comparePart(i, depth, name); };
    // Opening a key walks its runs in turn, each starting at `begin`.
    size_t lo = begin < end && order(begin) < 0 ? begin + 1 : begin, hi = lo == begin ? begin : end;
    while (lo < hi) {
        size_t mid = lo + (hi - lo) / 2;
        if (order(mid) < 0) lo = mid + 1;
        else hi = mid;
    }
    size_t first = lo;
    if (first == end || order(first) != 0) return {first, first};
    // Mostly a run of one key and its few subkeys: look near before halving.
    lo = first + 1;
    hi = end;
    for (size_t step = 1; lo < hi; step *= 2) {
        size_t probe = first + step;
        if (probe >= hi) break;
        if (order(probe) > 0) {
            hi = probe;
            break;
        }
        lo = probe + 1;
    }
    while (lo < hi) {
        size_t mid = lo + (hi - lo) / 2;
        if (order(mid) <= 0) lo = mid + 1;
        else hi = mid;
    }
    return {first, lo};
}

// A section's body runs from its key line to the end of its last non-blank
// line; the blank lines after it are its tail.
void KeyIndex::split(size_t i, Original& body, Original& tail) const {
    size_t start = lines_[i].start, end = lines_[i].end, last = end;
    while (last > start && std::string_view(" \t\r\n").find(text_[last - 1]) != std::string_view::npos) --last;
    size_t lineEnd = text_.find('\n', last);
    size_t bodyEnd = lineEnd == std::string_view::npos ? text_.size() : lineEnd + 1;
    body = text_.substr(start, bodyEnd - start);
    tail = text_.substr(bodyEnd, end - bodyEnd);
}

Ticks KeyIndex::lineStamp(size_t i) const {
    size_t pos = lines_[i].start + 2 + lines_[i].pathLength;
    while (pos < lines_[i].end && (text_[pos] == ' ' || text_[pos] == '\t')) ++pos;
    // As strtoull reads it: too many digits give the largest number.
    unsigned long long seconds = 0;
    for (; pos < lines_[i].end && text_[pos] >= '0' && text_[pos] <= '9'; ++pos) {
        unsigned d = unsigned(text_[pos] - '0');
        if (seconds > (~0ull - d) / 10) {
            seconds = ~0ull;
            break;
        }
        seconds = seconds * 10 + d;
    }
    return Ticks(seconds) * TicksPerSecond + TicksFrom1601To1970;
}

}  // namespace fk::reg::hive
