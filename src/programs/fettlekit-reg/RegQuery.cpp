// SPDX-License-Identifier: GPL-3.0-or-later
// reg query: a key's values, or one, and with /s every key below.
#include "programs/fettlekit-reg/RegOps.h"

#include <optional>

namespace fk::regcli {

using namespace fk::reg;

namespace {

void sayValue(Context& c, const Text& name, std::uint32_t type, const std::string& data) {
    c.say("    " + (name.empty() ? std::string(DefaultName) : shown(name)) + "    " + typeName(type) + "    " + data +
          "\n");
}

void tooDeep(Context& c, std::size_t skipped) {
    if (skipped)
        c.warn(std::to_string(skipped) + " keys lie deeper than Windows' " + std::to_string(MaxKeyDepth) +
               " levels and were left out");
}

// One value in the key, or in it and every key below it.
int queryValue(Context& c, Key top, const KeyArg& key, const std::optional<Text>& name, bool recurse,
               std::uint32_t access) {
    const Text* wanted = name ? &*name : nullptr;
    int matches = 0;
    long topStatus = Success;
    auto visit = [&](Key k, const Text& path) {
        ValueData value;
        long rc = readValue(c.registry(), k, wanted ? wanted->c_str() : nullptr, value.type, value.bytes);
        if (k == top) topStatus = rc;
        if (rc != Success) return;
        c.say(shown(path) + "\n");
        sayValue(c, wanted ? *wanted : Text(), value.type, queryText(value.type, value.bytes));
        c.say("\n");
        ++matches;
    };
    if (!recurse) {
        visit(top, key.longName);
        if (topStatus == NotFound) {
            if (name && !name->empty()) return c.say(MsgValueMissing), 1;
            c.say(shown(key.longName) + "\n");
            sayValue(c, {}, TypeSz, "(value not set)");
        }
        return 0;
    }
    std::size_t skipped = 0;
    walkTree(c.registry(), top, key.longName, key.depth, KeyRead | access, visit, skipped);
    c.say("Search complete. Number of matches found: " + std::to_string(matches) + "\n");
    tooDeep(c, skipped);
    return 0;
}

// Every value of the key and its subkeys' names, or everything below it.
void queryAll(Context& c, Key top, const KeyArg& key, bool recurse, std::uint32_t access) {
    auto visit = [&](Key k, const Text& path) {
        const bool recursing = k != top;
        std::vector<ValueData> values = listValues<char16_t>(c.registry(), k);
        if (!values.empty() || recursing) c.say(shown(path) + "\n");
        for (const auto& v : values) sayValue(c, v.name, v.type, queryText(v.type, v.bytes));
        if (!values.empty() || recursing) c.say("\n");
    };
    if (!recurse) {
        visit(top, key.longName);
        for (const Text& sub : listSubkeys<char16_t>(c.registry(), top)) c.say(shown(key.longName + u"\\" + sub) + "\n");
        return;
    }
    std::size_t skipped = 0;
    walkTree(c.registry(), top, key.longName, key.depth, KeyRead | access, visit, skipped);
    tooDeep(c, skipped);
}

}  // namespace

int query(Context& c, const Args& args) {
    KeyArg key;
    if (!c.parseKey(args[1], key)) return 1;
    Switches sw;
    if (!parseSwitches(args, 2, {{"ve", "s"}, {"v"}, {}}, sw) || (sw.has("v") && sw.has("ve")))
        return c.invalidSyntax(args);
    std::optional<Text> valueName;
    if (const std::string* name = sw.word("v")) valueName = wide(*name);
    const bool valueEmpty = sw.has("ve"), recurse = sw.has("s");
    const std::uint32_t access = sw.access;
    if (!c.ready()) return 1;

    const KeyHandle k = c.openKey(key, KeyRead | access);
    if (!k.ok()) return c.say(MsgKeyMissing), 1;
    c.say("\n");
    if (valueName || valueEmpty) return queryValue(c, k.get(), key, valueName, recurse, access);
    queryAll(c, k.get(), key, recurse, access);
    return 0;
}

}  // namespace fk::regcli
