// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the Wine hive reader and writer. Whatever the
// input, nothing may crash; a file that reads must save to text that reads
// back to the same keys and saves to the same bytes; a file whose sections
// are already in Wine's order must save unchanged; and edits made the way
// the registry backend makes them must survive a save and a read. Read
// lazily (indexed, sections read when asked), a file must give the same
// keys, the same bytes and the same verdict, damage included.
#include "platform/hive/HiveDocument.h"
#include "platform/hive/HiveText.h"
#include "text/Utf16.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace hive = fk::reg::hive;

namespace {

std::string described(const hive::ParseError& e) {
    return "line " + std::to_string(e.line) + ": " + fk::reg::englishText(e.what, e.excerpt);
}

std::string printable(std::u16string_view name) { return hive::escapeText(name, ""); }

std::string pathOf(const hive::Key& key) {
    if (!key.parent) return "(root)";
    std::string path = printable(key.name);
    for (const hive::Key* k = key.parent; k->parent; k = k->parent) path = printable(k->name) + "\\" + path;
    return path;
}

// Says what broke, with the text concerned (or where two texts part), and stops.
[[noreturn]] void fail(const std::string& what, std::string_view first = {}, std::string_view second = {}) {
    std::fprintf(stderr, "\nHIVE FUZZ FAILURE: %s\n", what.c_str());
    size_t at = 0;
    while (!second.empty() && at < first.size() && at < second.size() && first[at] == second[at]) ++at;
    if (!second.empty()) std::fprintf(stderr, "first difference at byte %zu\n", at);
    for (std::string_view text : {first, second})
        if (!text.empty())
            std::fprintf(stderr, "---- %zu bytes ----\n%.*s\n", text.size(), int(std::min<size_t>(text.size(), 4000)),
                         text.data());
    std::abort();
}

// Picks edits from the input's own bytes, so every input stays a plain hive
// file and the corpus needs nothing else.
class Chooser {
public:
    explicit Chooser(std::string_view bytes) : bytes_(bytes), pos_(bytes.size() / 2) {}

    std::uint8_t byte() {
        if (bytes_.empty()) return 0;
        if (pos_ >= bytes_.size()) pos_ = 0;
        return std::uint8_t(bytes_[pos_++]);
    }
    std::uint32_t below(std::uint32_t n) { return n ? (std::uint32_t(byte()) << 8 | byte()) % n : 0; }
    std::uint32_t u32() { return std::uint32_t(byte()) | std::uint32_t(byte()) << 8 | std::uint32_t(byte()) << 16 | std::uint32_t(byte()) << 24; }
    std::uint64_t u64() { return std::uint64_t(u32()) << 32 | u32(); }
    std::string bytes(size_t n) {
        std::string out;
        for (size_t i = 0; i < n; ++i) out.push_back(char(byte()));
        return out;
    }
    // Mostly the input's own characters, sometimes any 16-bit unit.
    std::u16string name(size_t maxLength) {
        std::u16string out;
        size_t n = below(std::uint32_t(maxLength) + 1);
        for (size_t i = 0; i < n; ++i) {
            std::uint8_t b = byte();
            out.push_back(b & 1 ? char16_t(b | byte() << 8) : char16_t(b >> 1 | 0x20));
        }
        return out;
    }

private:
    std::string_view bytes_;
    size_t pos_;
};

void collect(hive::Key& key, std::vector<hive::Key*>& out) {
    out.push_back(&key);
    for (auto& sub : key.subkeys) collect(*sub, out);
}

void sectionOrder(const hive::Key& key, std::vector<int>& out) {
    if (key.sectionIndex >= 0) out.push_back(key.sectionIndex);
    for (auto& sub : key.subkeys) sectionOrder(*sub, out);
}

// The '#' lines without their ends: the last line of a file may have none.
std::vector<std::string_view> optionTexts(const hive::Key& key) {
    std::vector<std::string_view> out;
    for (std::string_view line : key.otherOptions) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
        out.push_back(line);
    }
    return out;
}

// Compares what was meant to be saved (`want`) with what was read back.
void compareKeys(const hive::Key& want, const hive::Key& got, std::string_view saved, const std::string& stage) {
    std::string where = stage + ": " + pathOf(want);
    // A kept section may spell its key otherwise than the path that first
    // made it (tests/fuzz/repro/key-spelling.reg); the key is still the same.
    if (!hive::sameName(want.name, got.name)) fail("key name changed at " + where + " -> " + pathOf(got), saved);
    // A key that only holds subkeys may be saved without a section, as Wine
    // does; then its time stamp and the '#' lines Wine ignores are gone.
    if (got.sectionIndex >= 0) {
        if (want.modified != got.modified)
            fail("time stamp of " + where + ": " + std::to_string(want.modified) + " read back as " + std::to_string(got.modified), saved);
        if (optionTexts(want) != optionTexts(got)) fail("option lines of " + where + " changed", saved);
    }
    if (want.keyClass != got.keyClass) fail("class of " + where + " changed", saved);
    if (want.link != got.link) fail("link flag of " + where + " changed", saved);
    if (want.values.size() != got.values.size())
        fail("key " + where + " had " + std::to_string(want.values.size()) + " values, read back " + std::to_string(got.values.size()), saved);
    for (size_t i = 0; i < want.values.size(); ++i) {
        const auto& a = want.values[i];
        const auto& b = got.values[i];
        std::string value = where + " value \"" + printable(a.name) + "\"";
        if (a.name != b.name) fail(value + " read back named \"" + printable(b.name) + "\"", saved);
        if (a.type != b.type) fail(value + " type " + std::to_string(a.type) + " read back as " + std::to_string(b.type), saved);
        if (a.data != b.data) fail(value + " data changed", a.data, b.data);
    }
    if (want.subkeys.size() != got.subkeys.size())
        fail("key " + where + " had " + std::to_string(want.subkeys.size()) + " subkeys, read back " + std::to_string(got.subkeys.size()), saved);
    for (size_t i = 0; i < want.subkeys.size(); ++i) compareKeys(*want.subkeys[i], *got.subkeys[i], saved, stage);
}

// Saves, reads back, compares, and checks the saved text is a fixed point.
std::string saveAndCheck(const hive::Document& doc, const char* stage) {
    std::string saved = doc.save().joined();
    auto pieces = doc.save();
    if (pieces.size() != saved.size()) fail(std::string(stage) + ": the saved pieces count other than their joined bytes");
    hive::ParseError error;
    auto again = hive::Document::parse(saved, error);
    if (!again)
        fail(std::string(stage) + ": saved text does not read: " + described(error), saved);
    compareKeys(doc.root(), again->root(), saved, stage);
    std::string resaved = again->save().joined();
    if (resaved != saved) fail(std::string(stage) + ": saving what was read back gives other bytes", saved, resaved);
    return saved;
}

bool sameError(const hive::ParseError& a, const hive::ParseError& b) { return a.line == b.line && a.what == b.what && a.excerpt == b.excerpt; }



std::vector<std::u16string> partsOf(const hive::Key& key) {
    std::vector<std::u16string> parts;
    for (const hive::Key* k = &key; k->parent; k = k->parent) parts.insert(parts.begin(), k->name);
    return parts;
}

// Indexed, some keys looked up and read on the way, then checked: as a whole read.
void checkLazyRead(std::string_view input, hive::Document* whole, const hive::ParseError& wholeError) {
    hive::ParseError error;
    auto lazy = hive::Document::index(std::string(input), error);
    if (!lazy) {
        if (whole || !sameError(error, wholeError))
            fail("the index refused a file the whole read " + (whole ? std::string("took") : described(wholeError)) +
                 ": " + described(error));
        return;
    }
    // Look every other key up by its path, as a lookup would, some listing
    // their subkeys too, and read its section.
    std::vector<hive::Key*> keys;
    if (whole) collect(whole->root(), keys);
    for (size_t i = 0; i < keys.size(); i += 2) {
        hive::Key* found = lazy->find(partsOf(*keys[i]));
        if (!found) fail("a lazy read does not find " + pathOf(*keys[i]));
        if (i % 3 == 0) lazy->open(*found);
        if (found->open && found->subkeys.size() != keys[i]->subkeys.size())
            fail("a lazy read lists other subkeys of " + pathOf(*keys[i]));
        hive::ParseError loadError;
        if (!lazy->load(*found, loadError)) fail("a section of a sound file did not read: " + described(loadError));
        if (found->values.size() != keys[i]->values.size()) fail("a lazy read gives other values of " + pathOf(*keys[i]));
    }
    // A second index trusting the first must come to the same verdict.
    hive::ParseError againError;
    auto again = hive::Document::index(std::string(input), againError);
    if (!again) fail("the same text indexed twice gave different verdicts");
    bool changedOk = again->checkChangedSince(*lazy, againError) && again->check(againError);
    bool checked = lazy->check(error);
    if (checked != bool(whole) || changedOk != bool(whole))
        fail("a lazy read and a whole read disagree on whether the file is sound: " + described(error));
    if (!whole) {
        if (!sameError(error, wholeError))
            fail("a lazy read names " + described(error) + ", a whole read " + described(wholeError));
        return;
    }
    std::string saved = whole->save().joined();
    if (lazy->save().joined() != saved) fail("a lazy read saves otherwise than a whole read", saved, lazy->save().joined());
    if (again->save().joined() != saved) fail("a re-index saves otherwise than a whole read", saved, again->save().joined());
}

constexpr std::uint32_t Types[] = {1, 2, 7, 3, 4, 0, 11, 8};

void setValue(hive::Key& key, Chooser& pick) {
    std::u16string name = pick.name(6);
    std::uint32_t type = pick.byte() % 9 < 8 ? Types[pick.byte() % 8] : pick.u32();
    std::string data;
    std::uint8_t shape = pick.byte();
    if ((type == 1 || type == 2 || type == 7) && shape % 3) {
        // A well-formed text with its zero, the way texts are usually stored.
        std::u16string units = pick.name(24);
        units.push_back(0);
        data = fk::text::bytesFromUtf16(units);
    } else if (type == 4 && shape % 3) {
        data = pick.bytes(4);
    } else {
        data = pick.bytes(pick.below(200));
    }
    hive::Value* value = key.findValue(name);
    if (!value) value = &key.addValue(name);
    value->type = type;
    value->data = std::move(data);
    value->raw.clear();
    hive::Document::touch(key, pick.u64());
}

void deleteValue(hive::Key& key, Chooser& pick) {
    if (key.values.empty()) return;
    std::u16string name = key.values[pick.below(std::uint32_t(key.values.size()))].name;
    if (!key.removeValue(name)) fail("a listed value " + pathOf(key) + " \"" + printable(name) + "\" could not be removed");
    if (key.findValue(name)) fail("a removed value is still found");
    hive::Document::touch(key, pick.u64());
}

void createKey(hive::Key& parent, Chooser& pick) {
    std::u16string name;
    for (char16_t c : pick.name(12))
        if (c != u'\\') name.push_back(c);
    if (name.empty() || parent.findSubkey(name)) return;
    hive::Ticks now = pick.u64();
    hive::Document::touch(parent, now);
    hive::Key& key = parent.addSubkey(name);
    hive::Document::touch(key, now);
    if (pick.byte() % 4 == 0) key.keyClass = pick.name(8);
    if (parent.findSubkey(name) != &key) fail("a new key is not found under " + pathOf(parent));
}

void deleteLeafKey(hive::Key& key, Chooser& pick) {
    if (!key.parent || !key.subkeys.empty()) return;
    hive::Key& owner = *key.parent;
    for (auto it = owner.subkeys.begin(); it != owner.subkeys.end(); ++it) {
        if (it->get() == &key) {
            owner.subkeys.erase(it);
            hive::Document::touch(owner, pick.u64());
            return;
        }
    }
    fail("a key is missing from its parent's list");
}

void edit(hive::Document& doc, Chooser& pick) {
    int count = 1 + pick.byte() % 6;
    for (int i = 0; i < count; ++i) {
        std::vector<hive::Key*> keys;
        collect(doc.root(), keys);
        // The root stands for HKEY_CURRENT_USER; values go in its subkeys.
        hive::Key& key = *keys[keys.size() > 1 ? 1 + pick.below(std::uint32_t(keys.size() - 1)) : 0];
        switch (pick.byte() % 8) {
        case 0: case 1: case 2: setValue(key, pick); break;
        case 3: case 4: deleteValue(key, pick); break;
        case 5: case 6: createKey(key, pick); break;
        default: deleteLeafKey(key, pick); break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    hive::ParseError error;
    auto doc = hive::Document::parse(input, error);
    checkLazyRead(input, doc.get(), error);
    if (!doc) {
        // An empty file has no line to name.
        size_t lines = input.empty() || input.back() == '\n' ? 0 : 1;
        for (char c : input) lines += c == '\n';
        bool lineOk = input.empty() ? error.line == 0 : error.line >= 1 && size_t(error.line) <= lines;
        if (!lineOk || error.what == fk::reg::Damage::None)
            fail("a rejected file gets line " + std::to_string(error.line) + " of " + std::to_string(lines) + ": \"" + described(error) + "\"");
        return 0;
    }

    // Reading a text handed over must give the same document as reading a copy.
    hive::ParseError ownedError;
    auto owned = hive::Document::parseOwned(std::string(input), ownedError);
    if (!owned) fail("a file that reads from a copy does not read when handed over: " + described(ownedError));

    std::string saved = saveAndCheck(*doc, "unchanged");
    if (owned->save().joined() != saved) fail("a handed-over file saves otherwise than a copied one", saved, owned->save().joined());
    std::vector<int> order;
    sectionOrder(doc->root(), order);
    bool inOrder = true;
    for (size_t i = 0; i < order.size(); ++i) inOrder = inOrder && order[i] == int(i);
    if (inOrder && saved != input) fail("a file already in order did not save unchanged", input, saved);

    Chooser pick(input);
    edit(*doc, pick);
    saveAndCheck(*doc, "edited");
    return 0;
}
