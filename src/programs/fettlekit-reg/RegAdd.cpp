// SPDX-License-Identifier: GPL-3.0-or-later
// reg add: a key made, with a value when one is named.
#include "programs/fettlekit-reg/RegOps.h"

#include <optional>

namespace fk::regcli {

using namespace fk::reg;

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

}  // namespace fk::regcli
