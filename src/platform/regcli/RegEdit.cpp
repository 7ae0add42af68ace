// reg query, reg add and reg delete.
#include "RegOps.h"

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
    KeyReader reader(c.registry());
    const Text* wanted = name ? &*name : nullptr;
    int matches = 0;
    long topStatus = Success;
    auto visit = [&](Key k, const Text& path) {
        ValueData value;
        long rc = reader.value(k, wanted, value);
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
    KeyReader reader(c.registry());
    auto visit = [&](Key k, const Text& path) {
        const bool recursing = k != top;
        std::vector<ValueData> values = reader.values(k);
        if (!values.empty() || recursing) c.say(shown(path) + "\n");
        for (const auto& v : values) sayValue(c, v.name, v.type, queryText(v.type, v.bytes));
        if (!values.empty() || recursing) c.say("\n");
    };
    if (!recurse) {
        visit(top, key.longName);
        for (const Text& sub : reader.subkeys(top)) c.say(shown(key.longName + u"\\" + sub) + "\n");
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
    std::optional<Text> valueName;
    bool valueEmpty = false, recurse = false, repeated = false;
    std::uint32_t access = 0;
    for (size_t i = 2; i < args.size(); ++i) {
        Switch sw;
        if (!switchOf(args[i], sw)) return c.invalidSyntax(args);
        if (sw.is("ve")) {
            if (valueEmpty) return c.invalidSyntax(args);
            valueEmpty = true;
        } else if (viewSwitch(sw, access, repeated)) {
            if (repeated) return c.invalidSyntax(args);
        } else if (sw.letter('v')) {
            if (valueName || i + 1 >= args.size()) return c.invalidSyntax(args);
            valueName = wide(args[++i]);
        } else if (sw.letter('s')) {
            if (recurse) return c.invalidSyntax(args);
            recurse = true;
        } else {
            return c.invalidSyntax(args);
        }
    }
    if ((valueName && valueEmpty) || bothViews(access)) return c.invalidSyntax(args);
    if (!c.ready()) return 1;

    Key k = 0;
    if (c.openKey(key, KeyRead | access, k) != Success) return c.say(MsgKeyMissing), 1;
    c.say("\n");
    int rc = 0;
    if (valueName || valueEmpty) rc = queryValue(c, k, key, valueName, recurse, access);
    else queryAll(c, k, key, recurse, access);
    c.registry().RegCloseKey(k);
    return rc;
}

int add(Context& c, const Args& args) {
    KeyArg key;
    if (!c.parseKey(args[1], key)) return 1;
    std::optional<Text> valueName, data;
    std::optional<std::string> typeName;
    std::optional<char16_t> separator;
    bool valueEmpty = false, force = false, repeated = false;
    std::uint32_t access = 0;
    for (size_t i = 2; i < args.size(); ++i) {
        Switch sw;
        if (!switchOf(args[i], sw)) return c.invalidSyntax(args);
        const bool more = i + 1 < args.size();
        if (sw.is("ve")) {
            if (valueEmpty) return c.invalidSyntax(args);
            valueEmpty = true;
        } else if (viewSwitch(sw, access, repeated)) {
            if (repeated) return c.invalidSyntax(args);
        } else if (sw.letter('v')) {
            if (valueName || !more) return c.invalidSyntax(args);
            valueName = wide(args[++i]);
        } else if (sw.letter('t')) {
            if (typeName || !more) return c.invalidSyntax(args);
            typeName = args[++i];
        } else if (sw.letter('d')) {
            if (data || !more) return c.invalidSyntax(args);
            data = wide(args[++i]);
        } else if (sw.letter('s')) {
            Text sep = more ? wide(args[i + 1]) : Text();
            ++i;
            if (separator || sep.size() != 1) return c.invalidSyntax(args);
            separator = sep[0];
        } else if (sw.letter('f')) {
            if (force) return c.invalidSyntax(args);
            force = true;
        } else {
            return c.invalidSyntax(args);
        }
    }
    if ((valueName && valueEmpty) || bothViews(access)) return c.invalidSyntax(args);
    if (!c.ready()) return 1;

    Key k = 0;
    std::uint32_t disposition = 0;
    if (c.createKey(key, KeyRead | KeyWrite | access, k, disposition) != Success) return c.say(MsgAccessDenied), 1;
    const Text name = valueName.value_or(Text());
    auto result = [&]() -> int {
        if (!force && disposition == OpenedExistingKey &&
            c.registry().RegQueryValueExW(k, name.c_str(), nullptr, nullptr, nullptr, nullptr) == Success &&
            !c.confirm("The registry value '" + (name.empty() ? std::string(DefaultName) : shown(name)) +
                       "' already exists. Do you want to overwrite it?"))
            return c.say(MsgCancelled), 0;
        std::optional<std::uint32_t> type = typeName ? typeFromName(*typeName) : TypeSz;
        if (!type) return c.say("reg: Unsupported registry data type [" + *typeName + "]\n"), 1;
        if ((*type == TypeDword || *type == TypeDwordBigEndian) && !data) return c.say(MsgInvalidCmdline), 1;
        std::string bytes;
        if (const char* error = encodeData(*type, data.value_or(Text()), separator, bytes)) return c.say(error), 1;
        if (c.registry().RegSetValueExW(k, name.c_str(), 0, *type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                        std::uint32_t(bytes.size())) != Success)
            return c.say(MsgAccessDenied), 1;
        return c.say(MsgSuccess), 0;
    }();
    c.registry().RegCloseKey(k);
    return result;
}

int remove(Context& c, const Args& args) {
    KeyArg key;
    if (!c.parseKey(args[1], key)) return 1;
    std::optional<Text> valueName;
    bool valueAll = false, valueEmpty = false, force = false, repeated = false;
    std::uint32_t access = 0;
    for (size_t i = 2; i < args.size(); ++i) {
        Switch sw;
        if (!switchOf(args[i], sw)) return c.invalidSyntax(args);
        if (sw.is("va")) {
            if (valueAll) return c.invalidSyntax(args);
            valueAll = true;
        } else if (sw.is("ve")) {
            if (valueEmpty) return c.invalidSyntax(args);
            valueEmpty = true;
        } else if (viewSwitch(sw, access, repeated)) {
            if (repeated) return c.invalidSyntax(args);
        } else if (sw.letter('v')) {
            if (valueName || i + 1 >= args.size()) return c.invalidSyntax(args);
            valueName = wide(args[++i]);
        } else if (sw.letter('f')) {
            if (force) return c.invalidSyntax(args);
            force = true;
        } else {
            return c.invalidSyntax(args);
        }
    }
    if ((valueName && valueEmpty) || (valueName && valueAll) || (valueEmpty && valueAll) || bothViews(access))
        return c.invalidSyntax(args);

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
    Key k = 0;
    constexpr std::uint32_t SetValue = 0x2;
    if (long rc = c.openKey(key, KeyRead | SetValue | access, k)) return c.say(rc == NotFound ? MsgKeyMissing : MsgAccessDenied), 1;
    auto result = [&]() -> int {
        if (!valueName && !valueEmpty && !valueAll) {
            // The key with everything below it; a root stays, emptied.
            if (long rc = emptyKey(r, k, key.depth, KeyRead))
                return c.say(rc == NotFound ? MsgKeyMissing : MsgAccessDenied), 1;
            r.RegDeleteKeyW(k, u"");
        } else if (valueAll) {
            KeyReader reader(r);
            for (ValueData value; reader.valueAt(k, 0, value) == Success;) {
                if (long rc = r.RegDeleteValueW(k, value.name.c_str())) {
                    c.say("reg: Unable to delete all registry values in '" + shown(key.longName) + "'\n");
                    return c.say(rc == NotFound ? MsgValueMissing : MsgAccessDenied), 1;
                }
            }
        } else if (long rc = r.RegDeleteValueW(k, valueName ? valueName->c_str() : nullptr)) {
            return c.say(rc == NotFound ? MsgValueMissing : MsgAccessDenied), 1;
        }
        return c.say(MsgSuccess), 0;
    }();
    r.RegCloseKey(k);
    return result;
}

}  // namespace fk::regcli
