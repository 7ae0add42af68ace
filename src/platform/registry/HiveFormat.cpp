#include "HiveFormat.h"

#include "HiveParser.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace fk::reg::hive {

namespace {

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

bool isHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isOctal(char16_t c) { return c >= '0' && c <= '7'; }

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
    auto doc = index(std::move(text), error);
    if (!doc || !doc->loadAll(error)) return nullptr;
    return doc;
}

namespace {
struct StringText final : SourceText {
    explicit StringText(std::string&& s) : kept(std::move(s)) {}
    std::string_view text() const override { return kept; }
    std::string kept;
};
}  // namespace

std::unique_ptr<Document> Document::index(std::string&& text, ParseError& error) {
    return index(std::make_unique<StringText>(std::move(text)), error);
}

std::unique_ptr<Document> Document::index(std::unique_ptr<SourceText> text, ParseError& error) {
    std::unique_ptr<Document> doc(new Document);
    doc->kept_ = std::move(text);
    doc->source_ = doc->kept_->text();
    if (!doc->read(error)) return nullptr;
    return doc;
}

bool Document::read(ParseError& error) {
    Parser parser(source_, error);
    return parser.index(root_, headerBody_, headerTail_, sectionCount_, kept_.get());
}

namespace {
void collectSections(Key& key, std::vector<Key*>& out) {
    if (key.sectionIndex >= 0) out[size_t(key.sectionIndex)] = &key;
    for (auto& sub : key.subkeys) collectSections(*sub, out);
}
}  // namespace

// Keys by their place in the file; null where a key was deleted since.
std::vector<Key*> Document::sectionsInOrder() {
    std::vector<Key*> out(size_t(sectionCount_), nullptr);
    collectSections(root_, out);
    return out;
}

bool Document::loadAll(ParseError& error) {
    Parser parser(source_, error);
    for (Key* key : sectionsInOrder()) {
        if (!key || !key->unread) continue;
        if (!parser.readSection(*key, *key)) return false;
        key->unread = false;
        key->checked = true;
    }
    return true;
}

bool Document::load(Key& key, ParseError& error) {
    if (!key.unread) return true;
    Parser parser(source_, error);
    Ticks lineStamp = key.modified;
    if (!parser.readSection(key, key)) {
        // Half a section must not pass for the whole: forget what was read.
        key.modified = lineStamp;
        key.values.clear();
        key.otherOptions.clear();
        key.keyClass.reset();
        key.link = false;
        return false;
    }
    key.unread = false;
    key.checked = true;
    return true;
}

bool Document::check(ParseError& error) { return checkAll(sectionsInOrder(), error); }

// Checks the unread sections among `keys`, which are in file order.
bool Document::checkAll(std::vector<Key*> keys, ParseError& error) {
    Parser parser(source_, error);
    Key scratch;
    for (Key* key : keys) {
        if (!key || !key->unread || key->checked) continue;
        scratch.values.clear();
        scratch.otherOptions.clear();
        if (!parser.readSection(*key, scratch)) return false;
        key->checked = true;
    }
    return true;
}

namespace {
bool sound(const Key& key) { return key.sectionIndex >= 0 && !key.changed && (!key.unread || key.checked); }

// Both lists are in Wine's order: one walk pairs keys of the same name.
// Sections with no equal in `before` go to `fresh`.
void compareSections(Key& now, const Key* before, std::vector<Key*>& fresh) {
    if (now.unread && !now.checked) {
        bool same = before && before->sectionIndex >= 0 && !before->changed && now.body == before->body &&
                    now.tail == before->tail;
        if (!same) fresh.push_back(&now);
        else if (sound(*before)) now.checked = true;
    }
    size_t j = 0;
    for (auto& sub : now.subkeys) {
        const Key* match = nullptr;
        if (before) {
            auto& others = before->subkeys;
            // Mostly the very same name, which needs no case folding.
            if (j < others.size() && others[j]->name == sub->name) {
                match = others[j++].get();
            } else {
                while (j < others.size() && compareNames(others[j]->name, sub->name) < 0) ++j;
                if (j < others.size() && sameName(others[j]->name, sub->name)) match = others[j++].get();
            }
        }
        compareSections(*sub, match, fresh);
    }
}
}  // namespace

bool Document::checkChangedSince(const Document& earlier, ParseError& error) {
    std::vector<Key*> fresh;
    compareSections(root_, &earlier.root_, fresh);
    std::sort(fresh.begin(), fresh.end(), [](Key* a, Key* b) { return a->sectionIndex < b->sectionIndex; });
    return checkAll(std::move(fresh), error);
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
