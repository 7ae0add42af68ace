// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The key lines of a hive file, found in one pass over its bytes and kept
// in Wine's order of paths, so that a key's subkeys and their sections are
// a run of lines found by binary search. Nothing of a section but its key
// line is read here.
#include "platform/hive/HiveDocument.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fk::reg::hive {

struct KeyLine {
    size_t start = 0;  // the '[' of the key line
    size_t end = 0;    // where the next key line (or the file) starts
    std::uint32_t pathLength = 0;  // bytes of the escaped path after '['
    int fileIndex = 0;             // the section's position in the file
    bool plain = false;  // printable ASCII whose only escapes are separators
};

class KeyIndex {
public:
    // Indexes the key lines of `text` from `from`, checking each for form
    // and no key for appearing twice.
    bool build(std::string_view text, size_t from, ParseError& error);

    size_t size() const { return lines_.size(); }
    const KeyLine& operator[](size_t i) const { return lines_[i]; }
    std::string_view text() const { return text_; }
    std::string_view path(size_t i) const { return text_.substr(lines_[i].start + 1, lines_[i].pathLength); }
    // Whole text of a section, from its key line up to the next one.
    std::string_view section(size_t i) const { return text_.substr(lines_[i].start, lines_[i].end - lines_[i].start); }
    void split(size_t i, Original& body, Original& tail) const;
    Ticks lineStamp(size_t i) const;

    // Part `depth` of line i's path, unescaped: empty when it has no such
    // part. A plain path is not split for it; another is split once while
    // asked about in turn.
    std::u16string part(size_t i, size_t depth) const;
    bool hasPart(size_t i, size_t depth) const;
    // Compares part `depth` of line i, which must have it, with `name`.
    int comparePart(size_t i, size_t depth, std::u16string_view name) const;
    size_t depth(size_t i) const;

    // Where the lines under a key (by its path's parts) that start with the
    // part `name` at `depth` lie within [begin, end): an empty range if none.
    std::pair<size_t, size_t> run(size_t begin, size_t end, size_t depth, std::u16string_view name) const;

    // Wine's order of two escaped paths, `plain` as for KeyLine.
    static int comparePaths(std::string_view a, bool aPlain, std::string_view b, bool bPlain);

private:
    void reserveLines();
    bool fail(ParseError& error, size_t at, Damage what, std::string_view excerpt = {}) const;
    bool readLine(size_t at, size_t end, KeyLine& line, ParseError& error) const;
    bool putInOrder(std::vector<size_t> runs, ParseError& error);
    bool before(const KeyLine& a, const KeyLine& b) const;

    // [begin, end) of part `depth` within a plain path; begin npos if none.
    std::pair<size_t, size_t> plainPart(size_t i, size_t depth) const;
    const std::vector<std::u16string>& partsOf(size_t i) const;

    std::string_view text_;
    std::vector<KeyLine> lines_;
    mutable size_t splitLine_ = size_t(-1);  // the path split last, kept
    mutable std::vector<std::u16string> splitParts_;
    mutable std::u16string scratch_;
};

}  // namespace fk::reg::hive
