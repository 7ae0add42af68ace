// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the hive's header and, when asked for, a key's section: its
// values and options.
#include "platform/hive/HiveDocument.h"

#include <string_view>
#include <utility>
#include <vector>

namespace fk::reg::hive {

class Parser {
public:
    Parser(std::string_view text, ParseError& error) : text_(text), error_(error) {}

    // The signature and the header's lines, up to the first key line.
    bool readHeader(size_t& firstKey, Original& body, Original& tail);
    // The values and options of the section in [start, end) into `into`:
    // its key, or a scratch key when only checking.
    bool readSection(size_t start, size_t end, Key& into);

private:
    struct Lines {
        std::string_view text;
        size_t next = 0;
        size_t last = std::string_view::npos;  // start of the line taken last
        bool done() const { return next >= text.size(); }
        std::string_view take();
    };

    bool fail(Damage what, std::string_view excerpt = {});
    bool readLines(size_t end);
    bool readOption(std::string_view text, std::string_view line);
    Value* readValue(std::string_view text);
    bool readData(std::string_view data, Value& value);
    bool readHex(std::string_view s, std::string& out);

    std::string_view text_;
    Lines lines_{text_};
    ParseError& error_;
    Key* key_ = nullptr;
    std::u16string scratch_;  // reused, so most lines allocate nothing for it
};

}  // namespace fk::reg::hive
