// SPDX-License-Identifier: GPL-3.0-or-later
// reg export: a key and all below it into a .reg file, as regedit writes it.
#include "platform/files/WholeFile.h"
#include "platform/regfile/RegFileWriter.h"
#include "programs/fettlekit-reg/RegFiles.h"
#include "programs/fettlekit-reg/RegOps.h"

namespace fk::regcli {

using namespace fk::reg;

int exportKey(Context& c, const Args& args) {
    if (args.size() < 3) return c.invalidSyntax(args);
    KeyArg key;
    if (!c.parseKey(args[1], key)) return 1;
    Switches sw;
    if (!parseSwitches(args, 3, {{}, {}, "y"}, sw)) return c.invalidSyntax(args);
    const bool overwrite = sw.has("y");
    const std::uint32_t access = sw.access;
    if (!c.ready()) return 1;

    KeyHandle k = c.openKey(key, KeyRead | access);
    if (!k.ok()) return c.say(MsgKeyMissing), 1;
    const std::string& file = args[2];
    if (!overwrite && fileExists(file) &&
        !c.confirm("The file '" + file + "' already exists. Do you want to overwrite it?"))
        return c.say(MsgCancelled), 0;
    regfile::RegFileWriter writer;
    std::size_t skipped = 0;
    walkTree(c.registry(), k.get(), key.longName, key.depth, KeyRead | access, [&](Key at, const Text& path) {
        writer.key(path);
        for (const ValueData& v : listValues<char16_t>(c.registry(), at)) writer.value(v.name, v.type, v.bytes);
    }, skipped);
    k.close();
    if (skipped)
        c.warn(std::to_string(skipped) + " keys lie deeper than Windows' " + std::to_string(MaxKeyDepth) +
               " levels and were not exported");
    if (int error = replaceFileWhole(file, writer.bytes())) return c.say(fileError(error)), 1;
    return 0;
}

}  // namespace fk::regcli
