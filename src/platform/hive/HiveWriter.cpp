// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/HiveWriter.h"

#include "platform/hive/HiveText.h"
#include "platform/hive/KeyIndex.h"

#include <cstdio>

namespace fk::reg::hive {

namespace {


bool hasOwnSection(const Key& key) {
    return !key.values.empty() || !key.hasSubkeys() || key.keyClass || key.link;
}

void appendPath(std::string& out, const Key& key) {
    std::vector<const Key*> chain;
    for (const Key* k = &key; k->parent; k = k->parent) chain.push_back(k);
    for (size_t i = chain.size(); i-- > 0;) {
        out += escapeText(chain[i]->name, "[]");
        if (i) out += "\\\\";
    }
}

std::string freshBody(const Key& key) {
    std::string out = "[";
    if (key.parent) appendPath(out, key);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "] %u\n#time=%x%08x\n", unsigned((key.modified - TicksFrom1601To1970) / TicksPerSecond),
                  unsigned(key.modified >> 32), unsigned(key.modified));
    out += stamp;
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

// Writes the tree in Wine's order; what was never made into keys goes out
// as the file had it.
struct Writer {
    const KeyIndex& index;
    SavedText out;
    int previousIndex = -1;  // the header counts as the section before the first one
    std::string_view previousTail;

    // A section goes after the previous one's blank lines when it followed
    // them in the file, else after one blank line.
    void separate(int fileIndex) {
        bool adjacent = fileIndex >= 0 && fileIndex == previousIndex + 1;
        out.add(adjacent ? previousTail : std::string_view("\n"));
    }
    void ended(int fileIndex, std::string_view tail) {
        previousIndex = fileIndex >= 0 ? fileIndex : -2;
        previousTail = tail;
    }

    void lines(size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            Original body, tail;
            index.split(i, body, tail);
            separate(index[i].fileIndex);
            out.add(body);
            ended(index[i].fileIndex, tail);
        }
    }

    // Its own section, if it has one to write.
    void own(const Key& key) {
        bool keepSection = !key.changed && key.sectionIndex >= 0;
        // The root has no section of its own unless the file gave it one.
        bool fresh = key.parent || key.changed;
        if (keepSection || (fresh && hasOwnSection(key))) {
            separate(key.sectionIndex);
            if (keepSection) out.add(key.body);
            else out.addOwned(freshBody(key));
            ended(key.sectionIndex, key.tail);
        }
    }

    // A key not open has had no subkey added or taken away: the lines
    // between the subkeys made go out as they are. A walk of its own, as
    // keys may nest deeper than the stack would.
    void add(const Key& top) {
        struct Step {
            const Key* key;
            size_t sub, line;
        };
        std::vector<Step> steps;
        auto enter = [&](const Key& key) {
            own(key);
            steps.push_back({&key, 0, key.linesBegin + (key.line >= 0)});
        };
        enter(top);
        while (!steps.empty()) {
            Step& step = steps.back();
            const Key& key = *step.key;
            if (step.sub < key.subkeys.size()) {
                const Key& sub = *key.subkeys[step.sub++];
                if (!key.open) {
                    lines(step.line, sub.linesBegin);
                    step.line = sub.linesEnd;
                }
                enter(sub);
                continue;
            }
            if (!key.open) lines(step.line, key.linesEnd);
            steps.pop_back();
        }
    }
};

}  // namespace

SavedText writeHive(const KeyIndex& index, Original headerBody, Original headerTail, const Key& root, int sectionCount) {
    Writer writer{index, {}, -1, {}};
    writer.out.add(headerBody);
    writer.previousTail = headerTail;
    writer.add(root);
    bool lastKept = writer.previousIndex == sectionCount - 1;
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

}  // namespace fk::reg::hive
