#pragma once
// Reading the hive's text in two steps: one pass over the whole file finds
// the header and every key line, and each key's section (its values and
// options) is read only when it is asked for.
#include "HiveFormat.h"

#include <string_view>
#include <utility>
#include <vector>

namespace fk::reg::hive {

class Parser {
public:
    Parser(std::string_view text, ParseError& error) : text_(text), error_(error) {}

    // The signature, the header and the key lines: keys made under `root`,
    // each section kept as text and marked unread.
    bool index(Key& root, Original& headerBody, Original& headerTail, int& sectionCount, SourceText* source = nullptr);
    // The values and options of `key`'s section (indexed from this text)
    // into `into`: the key itself, or a scratch key when only checking.
    bool readSection(const Key& key, Key& into);

private:
    struct Lines {
        std::string_view text;
        size_t next = 0;
        size_t last = std::string_view::npos;  // start of the line taken last
        bool done() const { return next >= text.size(); }
        std::string_view take();
    };

    bool fail(std::string what);
    size_t nextKeyLine(size_t from) const;
    void keepText(size_t start, size_t end, Original& body, Original& tail) const;
    bool readLines(size_t end);
    bool readKeyLine(std::string_view text);
    Key* findOrAdd(std::u16string_view name);
    bool readOption(std::string_view text, std::string_view line);
    Value* readValue(std::string_view text);
    bool readData(std::string_view data, Value& value);
    bool readHex(std::string_view s, std::string& out);

    std::string_view text_;
    Lines lines_{text_};
    ParseError& error_;
    Key* root_ = nullptr;
    Key* key_ = nullptr;
    std::vector<Key*> previous_;  // the last key line's keys, outermost first
    std::u16string scratch_;  // reused, so most lines allocate nothing for it
};

}  // namespace fk::reg::hive
