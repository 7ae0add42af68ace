// reg query, reg add and reg delete.
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

int add(Context& c, const Args& args) {
    KeyArg key;
    if (!c.parseKey(args[1], key)) return 1;
    Switches sw;
    if (!parseSwitches(args, 2, {{"ve", "f"}, {"v", "t", "d", "s"}, {}}, sw) || (sw.has("v") && sw.has("ve")))
        return c.invalidSyntax(args);
    std::optional<Text> valueName, data;
    std::optional<char16_t> separator;
    if (const std::string* name = sw.word("v")) valueName = wide(*name);
    if (const std::string* text = sw.word("d")) data = wide(*text);
    if (const std::string* sep = sw.word("s")) {
        if (wide(*sep).size() != 1) return c.invalidSyntax(args);
        separator = wide(*sep)[0];
    }
    const std::string* typeName = sw.word("t");
    const bool force = sw.has("f");
    const std::uint32_t access = sw.access;
    if (!c.ready()) return 1;

    std::uint32_t disposition = 0;
    const KeyHandle k = c.createKey(key, KeyRead | KeyWrite | access, disposition);
    if (!k.ok()) return c.say(MsgAccessDenied), 1;
    const Text name = valueName.value_or(Text());
    if (!force && disposition == OpenedExistingKey &&
        c.registry().RegQueryValueExW(k.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == Success &&
        !c.confirm("The registry value '" + (name.empty() ? std::string(DefaultName) : shown(name)) +
                   "' already exists. Do you want to overwrite it?"))
        return c.say(MsgCancelled), 0;
    std::optional<std::uint32_t> type = typeName ? typeFromName(*typeName) : TypeSz;
    if (!type) return c.say("reg: Unsupported registry data type [" + *typeName + "]\n"), 1;
    if ((*type == TypeDword || *type == TypeDwordBigEndian) && !data) return c.say(MsgInvalidCmdline), 1;
    std::string bytes;
    if (const char* error = encodeData(*type, data.value_or(Text()), separator, bytes)) return c.say(error), 1;
    if (c.registry().RegSetValueExW(k.get(), name.c_str(), 0, *type,
                                    reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                    std::uint32_t(bytes.size())) != Success || !c.save())
        return c.say(MsgAccessDenied), 1;
    return c.say(MsgSuccess), 0;
}

int remove(Context& c, const Args& args) {
    KeyArg key;
    if (!c.parseKey(args[1], key)) return 1;
    Switches sw;
    if (!parseSwitches(args, 2, {{"va", "ve", "f"}, {"v"}, {}}, sw) || sw.has("v") + sw.has("ve") + sw.has("va") > 1)
        return c.invalidSyntax(args);
    const bool valueAll = sw.has("va"), valueEmpty = sw.has("ve");
    std::optional<Text> valueName;
    if (const std::string* name = sw.word("v")) valueName = wide(*name);
    const bool force = sw.has("f");
    const std::uint32_t access = sw.access;

    if (!force) {
        bool yes;
        if (valueName || valueEmpty)
            yes = c.confirm("Are you sure you want to delete the registry value '" +
                            (valueName && !valueName->empty() ? shown(*valueName) : std::string(DefaultName)) + "'?");
        else if (valueAll)
            yes = c.confirm("Are you sure you want to delete all registry values in '" + shown(key.longName) + "'?");
        else
            yes = c.confirm("Are you sure you want to delete the registry key '" + shown(key.longName) + "'?");
        if (!yes) return c.say(MsgCancelled), 0;
    }
    if (!c.ready()) return 1;

    Registry& r = c.registry();
    constexpr std::uint32_t SetValue = 0x2;
    const KeyHandle handle = c.openKey(key, KeyRead | SetValue | access);
    if (!handle.ok()) return c.say(handle.status() == NotFound ? MsgKeyMissing : MsgAccessDenied), 1;
    const Key k = handle.get();
    if (!valueName && !valueEmpty && !valueAll) {
        // The key with everything below it; a root stays, emptied.
        if (long rc = emptyKey(r, k, key.depth, KeyRead))
            return c.say(rc == NotFound ? MsgKeyMissing : MsgAccessDenied), 1;
        r.RegDeleteKeyW(k, u"");
    } else if (valueAll) {
        for (ValueData value; readValueAt(r, k, 0, value) == Success;) {
            if (long rc = r.RegDeleteValueW(k, value.name.c_str())) {
                c.say("reg: Unable to delete all registry values in '" + shown(key.longName) + "'\n");
                return c.say(rc == NotFound ? MsgValueMissing : MsgAccessDenied), 1;
            }
        }
    } else if (long rc = r.RegDeleteValueW(k, valueName ? valueName->c_str() : nullptr)) {
        return c.say(rc == NotFound ? MsgValueMissing : MsgAccessDenied), 1;
    }
    if (!c.save()) return c.say(MsgAccessDenied), 1;
    return c.say(MsgSuccess), 0;
}

}  // namespace fk::regcli
