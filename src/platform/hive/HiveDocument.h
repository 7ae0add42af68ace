// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wine's registry text format ("WINE REGISTRY Version 2"): a tree of keys
// read from and written back to the hive file. Sections and values that
// nobody changed keep their original text, so an edit touches only the key
// it concerns and an unchanged file saves to the very same bytes. A file is
// indexed (its key lines found) and a key made and its section read only
// when asked for.
#include "platform/hive/HiveTree.h"
#include "platform/hive/HiveWriter.h"
#include "platform/registry/Problem.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fk::reg::hive {

class KeyIndex;

struct ParseError {
    int line = 0;  // 1-based
    Damage what = Damage::None;
    std::string excerpt;  // the text named, cut short
};
inline constexpr size_t ExcerptLength = 40;

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

}  // namespace fk::reg::hive
