// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/HiveDocument.h"

#include "platform/hive/HiveParser.h"
#include "platform/hive/KeyIndex.h"

#include <algorithm>
#include <cstdio>

namespace fk::reg::hive {

namespace {

struct StringText final : SourceText {
    explicit StringText(std::string&& s) : kept(std::move(s)) {}
    std::string_view text() const override { return kept; }
    std::string kept;
};

}  // namespace

Document::Document() : index_(std::make_unique<KeyIndex>()) {}

// Key by key: a chain of keys as deep as a file can make would use up the
// stack, key after key, in their own destructors.
Document::~Document() {
    std::vector<std::unique_ptr<Key>> left = std::move(root_.subkeys);
    while (!left.empty()) {
        std::unique_ptr<Key> key = std::move(left.back());
        left.pop_back();
        for (auto& sub : key->subkeys) left.push_back(std::move(sub));
    }
}

std::unique_ptr<Document> Document::parse(std::string_view text, ParseError& error) {
    return parseOwned(std::string(text), error);
}

std::unique_ptr<Document> Document::parseOwned(std::string&& text, ParseError& error) {
    auto doc = index(std::move(text), error);
    if (!doc || !doc->loadAll(error)) return nullptr;
    return doc;
}

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
    size_t firstKey = 0;
    Parser parser(source_, error);
    if (!parser.readHeader(firstKey, headerBody_, headerTail_)) return false;
    if (!index_->build(source_, firstKey, error)) return false;
    sectionCount_ = int(index_->size());
    sound_.assign(index_->size(), 0);
    root_.linesEnd = index_->size();
    root_.open = root_.linesEnd == 0;
    if (root_.linesEnd > 0 && index_->depth(0) == 0) {
        // "[]": the root's own section.
        auto made = make(root_, 0, root_.linesEnd, 0);
        root_.line = made->line;
        root_.sectionIndex = made->sectionIndex;
        root_.body = made->body;
        root_.tail = made->tail;
        root_.modified = made->modified;
        root_.unread = true;
        root_.open = root_.linesEnd == 1;
    }
    return true;
}

// A key for the index lines [begin, end) below `parent`, whose part at
// `depth` names it; its own line comes first if it has one.
std::unique_ptr<Key> Document::make(Key& parent, size_t begin, size_t end, size_t depth) {
    auto key = std::make_unique<Key>();
    if (depth > 0) key->name = index_->part(begin, depth - 1);
    key->parent = &parent;
    key->depth = depth;
    key->linesBegin = begin;
    key->linesEnd = end;
    if (!index_->hasPart(begin, depth)) {
        key->line = long(begin);
        key->sectionIndex = (*index_)[begin].fileIndex;
        index_->split(begin, key->body, key->tail);
        key->modified = index_->lineStamp(begin);
        key->unread = true;
    }
    key->open = end == begin + (key->line >= 0);
    return key;
}

Key* Document::child(Key& parent, std::u16string_view name) {
    if (Key* key = parent.findSubkey(name)) return key;
    if (parent.open) return nullptr;
    size_t depth = parent.depth;
    auto [begin, end] = index_->run(parent.linesBegin + (parent.line >= 0), parent.linesEnd, depth, name);
    if (begin == end) return nullptr;
    auto key = make(parent, begin, end, depth + 1);
    auto& subs = parent.subkeys;
    auto at = std::lower_bound(subs.begin(), subs.end(), begin, [](auto& k, size_t b) { return k->linesBegin < b; });
    return subs.insert(at, std::move(key))->get();
}

void Document::open(Key& key) {
    if (key.open) return;
    size_t depth = key.depth;
    std::vector<std::unique_ptr<Key>> all;
    size_t made = 0;
    for (size_t next = key.linesBegin + (key.line >= 0); next < key.linesEnd;) {
        auto name = index_->part(next, depth);
        size_t end = index_->run(next, key.linesEnd, depth, name).second;
        if (made < key.subkeys.size() && key.subkeys[made]->linesBegin == next) all.push_back(std::move(key.subkeys[made++]));
        else all.push_back(make(key, next, end, depth + 1));
        next = end;
    }
    key.subkeys = std::move(all);
    key.open = true;
}

bool Document::loadAll(ParseError& error) {
    // Every key made, each section's by its place in the file.
    std::vector<Key*> keys(index_->size(), nullptr), left{&root_};
    while (!left.empty()) {
        Key* key = left.back();
        left.pop_back();
        open(*key);
        if (key->sectionIndex >= 0) keys[size_t(key->sectionIndex)] = key;
        for (auto& sub : key->subkeys) left.push_back(sub.get());
    }
    for (Key* key : keys)
        if (key && !load(*key, error)) return false;
    return true;
}

bool Document::load(Key& key, ParseError& error) {
    if (!key.unread) return true;
    Parser parser(source_, error);
    if (!parser.readSection(size_t(key.body.data() - source_.data()), size_t(key.tail.data() - source_.data()) + key.tail.size(), key)) {
        // Half a section must not pass for the whole: forget what was read.
        key.modified = index_->lineStamp(size_t(key.line));
        key.values.clear();
        key.otherOptions.clear();
        key.keyClass.reset();
        key.link = false;
        return false;
    }
    key.unread = false;
    sound_[size_t(key.line)] = 1;
    return true;
}

// Reads, in file order, every section not yet known to read cleanly.
bool Document::check(ParseError& error) {
    std::vector<size_t> unknown;
    for (size_t i = 0; i < sound_.size(); ++i)
        if (!sound_[i]) unknown.push_back(i);
    auto& index = *index_;
    std::sort(unknown.begin(), unknown.end(), [&index](size_t a, size_t b) { return index[a].fileIndex < index[b].fileIndex; });
    Parser parser(source_, error);
    Key scratch;
    for (size_t i : unknown) {
        scratch.values.clear();
        scratch.otherOptions.clear();
        if (!parser.readSection(index[i].start, index[i].end, scratch)) return false;
        sound_[i] = 1;
    }
    return true;
}

// Both indexes are in Wine's order: one walk pairs the lines of a key.
bool Document::checkChangedSince(const Document& earlier, ParseError& error) {
    const KeyIndex &now = *index_, &before = *earlier.index_;
    size_t j = 0;
    for (size_t i = 0; i < now.size(); ++i) {
        if (sound_[i]) continue;
        while (j < before.size() && KeyIndex::comparePaths(before.path(j), before[j].plain, now.path(i), now[i].plain) < 0) ++j;
        if (j < before.size() && earlier.sound_[j] && before.section(j) == now.section(i)) sound_[i] = 1;
    }
    return check(error);
}

SavedText Document::save() const {
    return writeHive(*index_, headerBody_, headerTail_, root_, sectionCount_);
}

Key* Document::find(const std::vector<std::u16string>& path) {
    Key* key = &root_;
    for (auto& part : path) {
        key = child(*key, part);
        if (!key) return nullptr;
    }
    return key;
}

void Document::touch(Key& key, Ticks when) {
    key.modified = when;
    key.changed = true;
    key.body.clear();
}

}  // namespace fk::reg::hive
