#pragma once
// Wine's registry text format ("WINE REGISTRY Version 2"): a tree of keys
// read from and written back to the hive file. Sections and values that
// nobody changed keep their original text, so an edit touches only the key
// it concerns and an unchanged file saves to the very same bytes. A file is
// indexed (its key lines found) and a key made and its section read only
// when asked for.
#include <cstdint>
#include <deque>
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

// The characters of the file's escapes and the space its lines may end in.
inline bool isHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
inline int hexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }
inline bool isOctal(char16_t c) { return c >= '0' && c <= '7'; }
inline bool onlySpaceFrom(std::string_view s, size_t pos) {
    return s.find_first_not_of(" \t", pos) == std::string_view::npos;
}

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

class KeyIndex;

struct ParseError {
    int line = 0;  // 1-based
    std::string what;
};

// A saved file as pieces in order: stretches of the original text, used in
// place and joined where they follow each other, and sections written afresh.
class SavedText {
public:
    SavedText() = default;
    SavedText(SavedText&&) = default;
    SavedText& operator=(SavedText&&) = default;
    SavedText(const SavedText&) = delete;  // the pieces point into it
    SavedText& operator=(const SavedText&) = delete;

    void add(std::string_view piece);
    void addOwned(std::string piece);
    const std::vector<std::string_view>& pieces() const { return pieces_; }
    size_t size() const { return size_; }
    std::string joined() const;

private:
    std::vector<std::string_view> pieces_;
    std::deque<std::string> owned_;  // a deque keeps their addresses
    size_t size_ = 0;
};

// The text a document reads and keeps pointing into: a string, or a copy
// of the file read whole.
class SourceText {
public:
    virtual ~SourceText() = default;
    virtual std::string_view text() const = 0;
};

class Document {
public:
    // Originals point into the document's own text: it never moves.
    Document(const Document&) = delete;
    ~Document();
    Document& operator=(const Document&) = delete;

    // Reads a whole hive file; on failure returns nothing and fills `error`.
    static std::unique_ptr<Document> parse(std::string_view text, ParseError& error);
    // The same, keeping `text` itself rather than a copy.
    static std::unique_ptr<Document> parseOwned(std::string&& text, ParseError& error);
    // Reads the header and the key lines only: every section stays unread
    // until load() or check(). Damage inside a section is not seen yet.
    static std::unique_ptr<Document> index(std::string&& text, ParseError& error);
    static std::unique_ptr<Document> index(std::unique_ptr<SourceText> text, ParseError& error);

    // Reads an unread key's section; a key read already is left as it is.
    bool load(Key& key, ParseError& error);
    // The subkey of that name, made from the index when first asked for.
    Key* child(Key& parent, std::u16string_view name);
    // Makes all of a key's subkeys, as listing or changing them needs.
    void open(Key& key);
    // Reads every section not known to be sound, keeping nothing, and names
    // the first damaged line in the file. A save must not run before it.
    bool check(ParseError& error);
    // For a newer read of the file `earlier` was read from: takes as sound
    // the sections whose text equals a sound one of `earlier`, and checks
    // those that are new or changed, so that only what another program
    // wrote is read again. Sections unread in both stay so.
    bool checkChangedSince(const Document& earlier, ParseError& error);

    // Valid while the document lives and is not changed.
    SavedText save() const;
    std::string serialise() const { return save().joined(); }

    Key& root() { return root_; }
    const Key& root() const { return root_; }
    // The file's lines before its first key, as read.
    std::string_view header() const { return headerBody_; }
    Key* find(const std::vector<std::u16string>& path);
    // Marks a key changed now: new time stamps, section written afresh.
    // An unread key must be loaded first.
    static void touch(Key& key, Ticks when);

private:
    Document();
    bool read(ParseError& error);
    bool loadAll(ParseError& error);
    std::unique_ptr<Key> make(Key& parent, size_t begin, size_t end, size_t depth);

    std::unique_ptr<SourceText> kept_;
    std::string_view source_;  // the text read, which the originals point into
    std::unique_ptr<KeyIndex> index_;
    std::vector<char> sound_;  // by index line: its section is known to read cleanly
    Key root_;
    Original headerBody_;
    Original headerTail_;
    int sectionCount_ = 0;
};

// Wine's escaping of a name or text, `quotes` being the characters that
// need a backslash besides the backslash itself.
std::string escapeText(std::u16string_view text, std::string_view quotes);
// Reads an escaped text from `pos` up to the unescaped `end` character,
// which it skips. False when the text ends first.
bool unescapeText(std::string_view s, size_t& pos, char end, std::u16string& out);
// A value line as Wine writes it, ending in '\n'.
std::string formatValue(const Value& value);

std::u16string utf16FromBytes(std::string_view bytes);
std::string bytesFromUtf16(std::u16string_view text);

}  // namespace fk::reg::hive
