#include "HiveFormat.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace fk::reg::hive {

namespace {

constexpr std::string_view Signature = "WINE REGISTRY Version 2";

char16_t lower(char16_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return char16_t(c + 32);
    if (c >= 0x100 && c <= 0x137) return (c % 2 == 0 && c != 0x130) ? char16_t(c + 1) : c;
    if (c >= 0x139 && c <= 0x148) return (c % 2 == 1) ? char16_t(c + 1) : c;
    if (c >= 0x14A && c <= 0x177) return (c % 2 == 0) ? char16_t(c + 1) : c;
    if (c == 0x178) return 0xFF;
    if (c >= 0x179 && c <= 0x17E) return (c % 2 == 1) ? char16_t(c + 1) : c;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return char16_t(c + 32);
    if (c >= 0x410 && c <= 0x42F) return char16_t(c + 32);
    if (c >= 0x400 && c <= 0x40F) return char16_t(c + 80);
    return c;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

bool isHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int hexValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }
bool isOctal(char16_t c) { return c >= '0' && c <= '7'; }

// The text of a line without its end-of-line characters.
std::string_view content(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

// One character of plain text: UTF-8 when it is valid, else the byte itself.
char16_t takePlain(std::string_view s, size_t& pos, std::u16string& out) {
    auto b = uint8_t(s[pos]);
    if (b < 0x80) { ++pos; return b; }
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t cp = b & (0x3F >> extra);
    bool ok = extra > 0;
    for (int i = 1; ok && i <= extra; ++i) {
        if (pos + i >= s.size() || (uint8_t(s[pos + i]) & 0xC0) != 0x80) ok = false;
        else cp = (cp << 6) | (uint8_t(s[pos + i]) & 0x3F);
    }
    if (!ok) { ++pos; return b; }
    pos += size_t(extra) + 1;
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(char16_t(0xD800 + (cp >> 10)));
        return char16_t(0xDC00 + (cp & 0x3FF));
    }
    return char16_t(cp);
}

// Reads an escaped text from `pos` up to the unescaped `end` character,
// which it skips. False when the line ends first.
bool parseText(std::string_view s, size_t& pos, char end, std::u16string& out) {
    while (pos < s.size() && s[pos] != end) {
        // Most text is plain ASCII: take a run of it at once.
        size_t run = pos;
        while (run < s.size() && uint8_t(s[run]) < 0x80 && s[run] != '\\' && s[run] != end) ++run;
        if (run > pos) {
            out.append(s.begin() + long(pos), s.begin() + long(run));
            pos = run;
            continue;
        }
        if (s[pos] != '\\') { out.push_back(takePlain(s, pos, out)); continue; }
        if (++pos >= s.size()) return false;
        char c = s[pos];
        switch (c) {
        case 'a': out.push_back(7); ++pos; break;
        case 'b': out.push_back(8); ++pos; break;
        case 'e': out.push_back(27); ++pos; break;
        case 'f': out.push_back(12); ++pos; break;
        case 'n': out.push_back(10); ++pos; break;
        case 'r': out.push_back(13); ++pos; break;
        case 't': out.push_back(9); ++pos; break;
        case 'v': out.push_back(11); ++pos; break;
        case 'x': {
            ++pos;
            char16_t v = 0;
            for (int i = 0; i < 4 && pos < s.size() && isHex(s[pos]); ++i, ++pos) v = char16_t(v * 16 + hexValue(s[pos]));
            out.push_back(v);
            break;
        }
        default:
            if (isOctal(char16_t(c))) {
                char16_t v = 0;
                for (int i = 0; i < 3 && pos < s.size() && isOctal(char16_t(s[pos])); ++i, ++pos)
                    v = char16_t(v * 8 + (s[pos] - '0'));
                out.push_back(v);
            } else {
                out.push_back(takePlain(s, pos, out));
            }
        }
    }
    if (pos >= s.size()) return false;
    ++pos;
    return true;
}

bool onlySpaceFrom(std::string_view s, size_t pos) {
    return s.find_first_not_of(" \t", pos) == std::string_view::npos;
}

struct Lines {
    std::string_view text;
    size_t next = 0;
    int number = 0;
    bool done() const { return next >= text.size(); }
    std::string_view take() {
        size_t end = text.find('\n', next);
        end = end == std::string_view::npos ? text.size() : end + 1;
        auto line = text.substr(next, end - next);
        next = end;
        ++number;
        return line;
    }
};

class Parser {
public:
    Parser(std::string_view text, Key& root, ParseError& error) : lines_{text}, root_(root), error_(error) {}

    bool fail(std::string what) {
        error_.line = lines_.number;
        error_.what = std::move(what);
        return false;
    }

    bool run(Original& headerBody, Original& headerTail, int& sectionCount) {
        if (lines_.done()) return fail("the file is empty, not a Wine registry");
        auto first = content(lines_.take());
        if (first != Signature) {
            if (first.starts_with("WINE REGISTRY Version"))
                return fail("unsupported registry version: \"" + std::string(first) + "\"");
            return fail("not a Wine registry file (the first line must be \"WINE REGISTRY Version 2\")");
        }
        // A section's body runs from its key line to the end of its last
        // non-blank line; the blank lines after it are its tail.
        Original* body = &headerBody;
        Original* tail = &headerTail;
        size_t sectionStart = 0, contentEnd = lines_.next;
        auto close = [&](size_t end) {
            *body = lines_.text.substr(sectionStart, contentEnd - sectionStart);
            *tail = lines_.text.substr(contentEnd, end - contentEnd);
        };
        while (!lines_.done()) {
            size_t lineStart = lines_.next;
            auto line = lines_.take();
            auto text = content(line);
            if (isBlank(line)) continue;
            if (text[0] == '[') {
                close(lineStart);
                if (!readKeyLine(text)) return false;
                key_->sectionIndex = sectionCount++;
                body = &key_->body;
                tail = &key_->tail;
                sectionStart = lineStart;
            } else if (text[0] == '#') {
                if (!readOption(text, line)) return false;
            } else if (text[0] == '"' || text[0] == '@') {
                Value* value = readValue(text);
                if (!value) return false;
                value->raw = lines_.text.substr(lineStart, lines_.next - lineStart);
            } else if (text[0] != ';') {
                return fail("unrecognised line \"" + std::string(text.substr(0, 40)) + "\"");
            }
            contentEnd = lines_.next;
        }
        close(lines_.text.size());
        return true;
    }

private:
    bool readKeyLine(std::string_view text) {
        size_t pos = 1;
        scratch_.clear();
        if (!parseText(text, pos, ']', scratch_)) return fail("key name without its closing \"]\"");
        size_t digits = text.find_first_not_of(" \t", pos);
        if (digits != std::string_view::npos) {
            size_t end = text.find_first_not_of("0123456789", digits);
            if (end == digits || !onlySpaceFrom(text, end == std::string_view::npos ? text.size() : end))
                return fail("unexpected text after the key name");
        }
        Key* key = findOrAdd(scratch_);
        if (key->sectionIndex >= 0) return fail("key [" + std::string(text.substr(1, pos - 2)) + "] appears twice");
        key->modified = TicksFrom1601To1970;
        if (digits != std::string_view::npos) {
            unsigned long long seconds = std::strtoull(std::string(text.substr(digits)).c_str(), nullptr, 10);
            key->modified = Ticks(seconds) * TicksPerSecond + TicksFrom1601To1970;
        }
        key_ = key;
        return true;
    }

    // Files list keys in order, so a key line mostly repeats the previous
    // one's leading parts: those are matched by their exact text first.
    Key* findOrAdd(std::u16string_view name) {
        Key* key = &root_;
        size_t depth = 0, start = 0;
        bool samePrefix = true;
        while (start <= name.size()) {
            size_t end = name.find(u'\\', start);
            if (end == std::u16string_view::npos) end = name.size();
            if (end > start) {
                auto part = name.substr(start, end - start);
                if (samePrefix && depth < previous_.size() && previous_[depth].first == part) {
                    key = previous_[depth].second;
                } else {
                    samePrefix = false;
                    Key* sub = key->findSubkey(part);
                    key = sub ? sub : &key->addSubkey(std::u16string(part));
                    previous_.resize(depth);
                    previous_.emplace_back(std::u16string(part), key);
                }
                ++depth;
            }
            start = end + 1;
        }
        previous_.resize(depth);
        return key;
    }

    bool readOption(std::string_view text, std::string_view line) {
        if (!key_) return true;  // "#arch=" and the like belong to the header
        if (text.starts_with("#time=")) {
            auto digits = text.substr(6);
            while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t')) digits.remove_suffix(1);
            if (digits.empty() || digits.size() > 16 || !std::all_of(digits.begin(), digits.end(), isHex))
                return fail("bad time stamp \"" + std::string(text) + "\"");
            Ticks t = 0;
            for (char c : digits) t = t * 16 + Ticks(hexValue(c));
            key_->modified = t;
        } else if (text.starts_with("#class=\"")) {
            size_t pos = 8;
            std::u16string cls;
            if (!parseText(text, pos, '"', cls) || !onlySpaceFrom(text, pos)) return fail("bad key class");
            key_->keyClass = cls;
        } else if (text.starts_with("#link")) {
            key_->link = true;
        } else {
            key_->otherOptions.emplace_back(line);
        }
        return true;
    }

    Value* readValue(std::string_view text) {
        if (!key_) return fail("a value before the first key"), nullptr;
        Value value;
        size_t pos = 1;
        if (text[0] == '"') {
            scratch_.clear();
            if (!parseText(text, pos, '"', scratch_)) return fail("value name without its closing quote"), nullptr;
            value.name = scratch_;
        }
        if (pos >= text.size() || text[pos] != '=') return fail("missing \"=\" after the value name"), nullptr;
        ++pos;
        // Files list values in order: one comparison with the last mostly settles it.
        auto& values = key_->values;
        bool last = values.empty() || compareNames(values.back().name, value.name) < 0;
        if (!last && key_->findValue(value.name)) return fail("the value appears twice in its key"), nullptr;
        if (!readData(text.substr(pos), value)) return nullptr;
        if (!last) return &key_->addValue(std::move(value));
        if (values.empty()) values.reserve(8);
        return &values.emplace_back(std::move(value));
    }

    bool readData(std::string_view data, Value& value) {
        std::uint32_t textType = 0;
        size_t skip = 0;
        if (data.starts_with("\"")) { textType = 1; skip = 1; }
        else if (data.starts_with("str:\"")) { textType = 1; skip = 5; }
        else if (data.starts_with("str(2):\"")) { textType = 2; skip = 8; }
        else if (data.starts_with("str(7):\"")) { textType = 7; skip = 8; }
        if (textType) {
            scratch_.clear();
            size_t pos = skip;
            if (!parseText(data, pos, '"', scratch_)) return fail("text without its closing quote");
            if (!onlySpaceFrom(data, pos)) return fail("unexpected text after the closing quote");
            scratch_.push_back(0);
            value.type = textType;
            value.data = bytesFromUtf16(scratch_);
            return true;
        }
        if (data.starts_with("dword:")) {
            auto digits = data.substr(6);
            size_t n = 0;
            std::uint32_t v = 0;
            while (n < digits.size() && isHex(digits[n])) v = v * 16 + std::uint32_t(hexValue(digits[n++]));
            if (n == 0 || n > 8 || !onlySpaceFrom(digits, n)) return fail("bad dword \"" + std::string(data) + "\"");
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
            if (pos == start || data.substr(pos, 2) != "):") return fail("bad value type \"" + std::string(data.substr(0, 12)) + "\"");
            value.type = type;
            pos += 2;
        } else {
            return fail("unknown value type \"" + std::string(data.substr(0, 12)) + "\"");
        }
        return readHex(data.substr(pos), value.data);
    }

    // Bytes "xx,xx,..." where a final backslash continues on the next line.
    bool readHex(std::string_view s, std::string& out) {
        for (;;) {
            size_t pos = s.find_first_not_of(" \t");
            while (pos != std::string_view::npos && pos < s.size() && isHex(s[pos])) {
                size_t start = pos;
                int v = 0;
                while (pos < s.size() && isHex(s[pos]) && pos - start < 2) v = v * 16 + hexValue(s[pos++]);
                if (pos < s.size() && isHex(s[pos])) return fail("bad byte in hex data");
                out.push_back(char(v));
                pos = s.find_first_not_of(" \t", pos);
                if (pos != std::string_view::npos && s[pos] == ',') pos = s.find_first_not_of(" \t", pos + 1);
            }
            if (pos == std::string_view::npos) return true;
            if (s[pos] != '\\' || !onlySpaceFrom(s, pos + 1)) return fail("bad hex data");
            if (lines_.done()) return fail("hex data continues past the end of the file");
            s = content(lines_.take());
        }
    }

    Lines lines_;
    Key& root_;
    ParseError& error_;
    Key* key_ = nullptr;
    std::vector<std::pair<std::u16string, Key*>> previous_;
    std::u16string scratch_;  // reused, so most lines allocate nothing for it
};

void appendHex(std::string& out, unsigned v, int width) {
    char buf[24];
    std::snprintf(buf, sizeof buf, width ? "%08x" : "%x", v);
    out += buf;
}

bool hasOwnSection(const Key& key) {
    return !key.values.empty() || key.subkeys.empty() || key.keyClass || key.link;
}

void appendPath(std::string& out, const Key& key) {
    if (key.parent && key.parent->parent) {
        appendPath(out, *key.parent);
        out += "\\\\";
    }
    out += escapeText(key.name, "[]");
}

std::string freshBody(const Key& key) {
    std::string out = "[";
    if (key.parent) appendPath(out, key);
    out += "] ";
    out += std::to_string(unsigned((key.modified - TicksFrom1601To1970) / TicksPerSecond));
    out += "\n#time=";
    appendHex(out, unsigned(key.modified >> 32), 0);
    appendHex(out, unsigned(key.modified), 8);
    out += '\n';
    if (key.keyClass) out += "#class=\"" + escapeText(*key.keyClass, "\"\"") + "\"\n";
    if (key.link) out += "#link\n";
    // A line kept as read lacks its end when it was the file's last.
    auto addLine = [&out](std::string_view line) {
        out += line;
        if (line.empty() || line.back() != '\n') out += '\n';
    };
    for (auto& option : key.otherOptions) addLine(option);
    for (auto& value : key.values) {
        if (value.raw.empty()) out += formatValue(value);
        else addLine(value.raw);
    }
    return out;
}

struct Writer {
    SavedText out;
    int previousIndex = -1;  // the header counts as the section before the first one
    std::string_view previousTail;

    void add(const Key& key) {
        bool keepSection = !key.changed && key.sectionIndex >= 0;
        // The root has no section of its own unless the file gave it one.
        bool fresh = key.parent || key.changed;
        if (keepSection || (fresh && hasOwnSection(key))) {
            bool adjacent = key.sectionIndex >= 0 && key.sectionIndex == previousIndex + 1;
            out.add(adjacent ? previousTail : std::string_view("\n"));
            if (keepSection) out.add(key.body);
            else out.addOwned(freshBody(key));
            previousIndex = key.sectionIndex >= 0 ? key.sectionIndex : -2;
            previousTail = key.tail;
        }
        for (auto& sub : key.subkeys) add(*sub);
    }
};

}  // namespace

Ticks nowTicks() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return Ticks(ts.tv_sec) * TicksPerSecond + Ticks(ts.tv_nsec) / 100 + TicksFrom1601To1970;
}

int compareNames(std::u16string_view a, std::u16string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int d = int(lower(a[i])) - int(lower(b[i]));
        if (d) return d;
    }
    return int(a.size()) - int(b.size());
}

bool sameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && compareNames(a, b) == 0;
}

std::vector<std::u16string> splitPath(std::u16string_view path) {
    std::vector<std::u16string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

Key* Key::findSubkey(std::u16string_view name) const {
    // Files list keys in order: a new name mostly sorts after them all.
    if (subkeys.empty() || compareNames(subkeys.back()->name, name) < 0) return nullptr;
    auto it = std::lower_bound(subkeys.begin(), subkeys.end(), name,
                               [](const std::unique_ptr<Key>& k, std::u16string_view n) { return compareNames(k->name, n) < 0; });
    return it != subkeys.end() && sameName((*it)->name, name) ? it->get() : nullptr;
}

Key& Key::addSubkey(std::u16string name) {
    auto it = subkeys.empty() || compareNames(subkeys.back()->name, name) < 0
                  ? subkeys.end()
                  : std::lower_bound(subkeys.begin(), subkeys.end(), name, [](const std::unique_ptr<Key>& k, std::u16string_view n) {
                        return compareNames(k->name, n) < 0;
                    });
    auto key = std::make_unique<Key>();
    key->name = std::move(name);
    key->parent = this;
    return **subkeys.insert(it, std::move(key));
}

namespace {
bool valueBefore(const Value& v, std::u16string_view name) { return compareNames(v.name, name) < 0; }
}  // namespace

Value* Key::findValue(std::u16string_view name) {
    auto it = std::lower_bound(values.begin(), values.end(), name, valueBefore);
    return it != values.end() && sameName(it->name, name) ? &*it : nullptr;
}

Value& Key::addValue(std::u16string name) {
    Value value;
    value.name = std::move(name);
    return addValue(std::move(value));
}

Value& Key::addValue(Value&& value) {
    // Files list values in order, so most land at the end.
    if (values.empty() || compareNames(values.back().name, value.name) < 0) return values.emplace_back(std::move(value));
    auto it = std::upper_bound(values.begin(), values.end(), value.name,
                               [](std::u16string_view n, const Value& v) { return compareNames(n, v.name) < 0; });
    return *values.insert(it, std::move(value));
}

bool Key::removeValue(std::u16string_view name) {
    Value* value = findValue(name);
    if (!value) return false;
    values.erase(values.begin() + (value - values.data()));
    return true;
}

std::unique_ptr<Document> Document::parse(std::string_view text, ParseError& error) {
    return parseOwned(std::string(text), error);
}

std::unique_ptr<Document> Document::parseOwned(std::string&& text, ParseError& error) {
    std::unique_ptr<Document> doc(new Document);
    doc->source_ = std::move(text);
    if (!doc->read(error)) return nullptr;
    return doc;
}

bool Document::read(ParseError& error) {
    Parser parser(source_, root_, error);
    return parser.run(headerBody_, headerTail_, sectionCount_);
}

SavedText Document::save() const {
    Writer writer;
    writer.out.add(headerBody_);
    writer.previousTail = headerTail_;
    writer.add(root_);
    bool lastKept = writer.previousIndex == sectionCount_ - 1;
    if (lastKept) writer.out.add(writer.previousTail);
    return std::move(writer.out);
}

void SavedText::add(std::string_view piece) {
    if (piece.empty()) return;
    size_ += piece.size();
    if (!pieces_.empty() && pieces_.back().data() + pieces_.back().size() == piece.data()) {
        pieces_.back() = {pieces_.back().data(), pieces_.back().size() + piece.size()};
        return;
    }
    pieces_.push_back(piece);
}

void SavedText::addOwned(std::string piece) {
    add(owned_.emplace_back(std::move(piece)));
}

std::string SavedText::joined() const {
    std::string out;
    out.reserve(size_);
    for (auto piece : pieces_) out += piece;
    return out;
}

Key* Document::find(const std::vector<std::u16string>& path) {
    Key* key = &root_;
    for (auto& part : path) {
        key = key->findSubkey(part);
        if (!key) return nullptr;
    }
    return key;
}

void Document::touch(Key& key, Ticks when) {
    key.modified = when;
    key.changed = true;
    key.body.clear();
}

std::string escapeText(std::u16string_view text, std::string_view quotes) {
    static constexpr char Escapes[] = ".......abtnvfr.............e....";
    std::string out;
    out.reserve(text.size());
    char buf[16];
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        bool more = i + 1 < text.size();
        if (c > 127) {
            bool hexNext = more && text[i + 1] < 128 && isHex(char(text[i + 1]));
            std::snprintf(buf, sizeof buf, hexNext ? "\\x%04x" : "\\x%x", unsigned(c));
            out += buf;
        } else if (c < 32) {
            if (Escapes[c] != '.') {
                out += '\\';
                out += Escapes[c];
            } else {
                bool octalNext = more && isOctal(text[i + 1]);
                std::snprintf(buf, sizeof buf, octalNext ? "\\%03o" : "\\%o", unsigned(c));
                out += buf;
            }
        } else {
            if (c == '\\' || quotes.find(char(c)) != std::string_view::npos) out += '\\';
            out += char(c);
        }
    }
    return out;
}

std::string formatValue(const Value& value) {
    std::string out = value.name.empty() ? "@=" : "\"" + escapeText(value.name, "\"\"") + "\"=";
    const auto& d = value.data;
    switch (value.type) {
    case 1: case 2: case 7:
        // Only a text ending in its zero is written as text.
        if (d.size() >= 2 && d.size() % 2 == 0 && d[d.size() - 1] == 0 && d[d.size() - 2] == 0) {
            if (value.type != 1) out += value.type == 2 ? "str(2):" : "str(7):";
            auto text = utf16FromBytes(d);
            text.pop_back();
            out += '"' + escapeText(text, "\"\"") + "\"\n";
            return out;
        }
        break;
    case 4:
        if (d.size() == 4) {
            out += "dword:";
            appendHex(out, unsigned(uint8_t(d[0])) | unsigned(uint8_t(d[1])) << 8 | unsigned(uint8_t(d[2])) << 16 |
                               unsigned(uint8_t(d[3])) << 24, 8);
            out += '\n';
            return out;
        }
        break;
    }
    if (value.type == 3) {
        out += "hex:";
    } else {
        out += "hex(";
        appendHex(out, value.type, 0);
        out += "):";
    }
    // Wine wraps after column 76, counting from the start of the line.
    size_t count = out.size();
    char buf[4];
    for (size_t i = 0; i < d.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", unsigned(uint8_t(d[i])));
        out += buf;
        count += 2;
        if (i + 1 < d.size()) {
            out += ',';
            if (++count > 76) {
                out += "\\\n  ";
                count = 2;
            }
        }
    }
    out += '\n';
    return out;
}

std::u16string utf16FromBytes(std::string_view bytes) {
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = char16_t(uint8_t(bytes[2 * i]) | (uint8_t(bytes[2 * i + 1]) << 8));
    return out;
}

std::string bytesFromUtf16(std::u16string_view text) {
    std::string out(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        out[2 * i] = char(text[i] & 0xFF);
        out[2 * i + 1] = char(text[i] >> 8);
    }
    return out;
}

}  // namespace fk::reg::hive
