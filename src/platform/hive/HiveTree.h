// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys and values of a hive in memory, in Wine's order of names. Values
// and sections nobody changed keep their original text.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fk::reg::hive {

// 100 ns ticks since 1601, like a Windows FILETIME.
using Ticks = std::uint64_t;
inline constexpr Ticks TicksFrom1601To1970 = 116444736000000000ull;
inline constexpr Ticks TicksPerSecond = 10000000ull;
Ticks nowTicks();

// A stretch of the text a document was read from, which the document keeps.
struct Original : std::string_view {
    Original() = default;
    Original(std::string_view text) : std::string_view(text) {}
    void clear() { *this = {}; }
};

struct Value {
    std::u16string name;  // empty: the default value "@"
    std::uint32_t type = 0;
    std::string data;     // the stored bytes; texts as UTF-16LE
    Original raw;         // the value's text as read; empty once changed
};

struct Key {
    std::u16string name;
    Key* parent = nullptr;
    size_t depth = 0;  // parts of its path: 0 for the root
    std::vector<std::unique_ptr<Key>> subkeys;  // in Wine's order
    std::vector<Value> values;                  // in Wine's order
    Ticks modified = 0;
    std::optional<std::u16string> keyClass;
    bool link = false;
    std::vector<std::string> otherOptions;      // '#' lines Wine's format does not define

    // Original text of the key's section: `body` from the key line to its last
    // non-blank line, `tail` the blank lines after it. Empty once changed.
    Original body;
    Original tail;
    int sectionIndex = -1;  // position of the section in the file read, -1 if none
    bool changed = false;
    // Indexed, not read: values, options and time stamp still lie in `body`,
    // the stamp that of the key line.
    bool unread = false;

    // The document's index lines [linesBegin, linesEnd) hold the key's own
    // line (`line`, the first, or -1) and those of all keys below it. Until
    // the key is open, `subkeys` holds only those asked for so far.
    size_t linesBegin = 0, linesEnd = 0;
    long line = -1;
    bool open = true;

    bool hasSubkeys() const { return !subkeys.empty() || (!open && linesEnd > linesBegin + (line >= 0)); }
    // Among the subkeys made so far.
    Key* findSubkey(std::u16string_view name) const;
    Value* findValue(std::u16string_view name);
    // Inserts where Wine keeps it; the name must be new and the key open.
    Key& addSubkey(std::u16string name);
    Value& addValue(std::u16string name);
    Value& addValue(Value&& value);
    bool removeValue(std::u16string_view name);
};

// Wine's order of names: case-insensitive, compared in lower case.
int compareNames(std::u16string_view a, std::u16string_view b);
bool sameName(std::u16string_view a, std::u16string_view b);

// Splits a key path at backslashes, skipping empty parts.
std::vector<std::u16string> splitPath(std::u16string_view path);

}  // namespace fk::reg::hive
