// SPDX-License-Identifier: GPL-3.0-or-later
// reg delete: a key with all below it, a value, or every value.
#include "programs/fettlekit-reg/RegOps.h"

#include <optional>

namespace fk::regcli {

using namespace fk::reg;

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
