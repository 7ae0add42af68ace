// SPDX-License-Identifier: GPL-3.0-or-later
// reg import: a .reg file's keys and values into the registry.
#include "platform/files/WholeFile.h"
#include "platform/regfile/RegFileReader.h"
#include "programs/fettlekit-reg/RegFiles.h"
#include "programs/fettlekit-reg/RegOps.h"

#include <cerrno>

namespace fk::regcli {

using namespace fk::reg;

namespace {

// reg import's steps: a key that cannot be made is reported and the values
// under it go nowhere; everything else fails silently.
class Importer {
public:
    Importer(Context& c, std::uint32_t access) : c_(c), access_(access) {}

    void run(const regfile::Instruction& step) {
        using I = regfile::Instruction;
        Registry& r = c_.registry();
        switch (step.kind) {
        case I::OpenKey:
            current_.close();
            if (open(step.key, KeyAllAccess | access_) != Success)
                c_.say("reg: Unable to import the registry key '" + shown(step.key) + "'\n");
            break;
        case I::DeleteKey:
            current_.close();
            if (!step.key.empty() && (step.key[0] == u'H' || step.key[0] == u'h')) deleteTree(step.key);
            break;
        case I::SetValue:
            if (current_.ok())
                r.RegSetValueExW(current_.get(), step.name.c_str(), 0, step.type,
                                 reinterpret_cast<const std::uint8_t*>(step.data.data()), std::uint32_t(step.data.size()));
            break;
        case I::DeleteValue:
            if (current_.ok()) r.RegDeleteValueW(current_.get(), step.name.c_str());
            break;
        case I::UnknownEscape:
            c_.say("reg: Unrecognized escape sequence [\\" + shown(std::u16string(1, step.escape)) + "]\n");
            break;
        case I::Skipped:
            break;
        }
    }

private:
    // The root and the rest of a key path as reg import splits it.
    static const Root* split(const Text& key, Text& path) {
        size_t slash = key.find(u'\\');
        path = slash != Text::npos ? key.substr(slash + 1) : Text();
        return rootOf(key);
    }
    static std::size_t depthBelow(const Root& root, const Text& path) { return levelsAbove(root.key) + depthOf(path); }

    long open(const Text& key, std::uint32_t access) {
        Text path;
        const Root* root = split(key, path);
        if (!root) return InvalidParameter;
        if (depthBelow(*root, path) > MaxKeyDepth) return InvalidParameter;
        current_ = KeyHandle::create(c_.registry(), root->key, path.c_str(), nullptr, access, nullptr);
        return current_.status();
    }

    // [-KEY]: the key and all below it, in the view the path names (reg
    // passes no view here).
    void deleteTree(const Text& key) {
        Text path;
        const Root* root = split(key, path);
        if (!root || path.empty() || depthBelow(*root, path) > MaxKeyDepth) return;
        Registry& r = c_.registry();
        if (r.RegDeleteTreeW(root->key, path.c_str()) != NotSupported) return;
        KeyHandle k = KeyHandle::open(r, root->key, path, KeyRead);
        if (!k.ok()) return;
        long rc = emptyKey(r, k.get(), depthBelow(*root, path), KeyRead);
        k.close();
        if (rc == Success) r.RegDeleteKeyW(root->key, path.c_str());
    }

    Context& c_;
    std::uint32_t access_;
    KeyHandle current_;
};

}  // namespace

int importFile(Context& c, const Args& args) {
    if (args.size() > 3) return c.invalidSyntax(args);
    // Nothing but a view may follow the file.
    Switches sw;
    if (!parseSwitches(args, 2, {}, sw) || sw.given.size()) return c.invalidSyntax(args);
    const std::string& name = args[1];
    std::string bytes;
    if (int error = readFileWhole(name, bytes)) {
        if (error != ENOENT) c.warn(name + ": " + files::fileErrorText(error));
        return c.say("reg: The file '" + name + "' was not found.\n"), 1;
    }
    if (regfile::fileHeader(bytes) == regfile::Header::Invalid) {
        c.warn(name + " is not a registry file: its first line must be \"Windows Registry Editor Version 5.00\", "
                      "\"REGEDIT4\" or \"REGEDIT\"");
        return 1;
    }
    if (!c.ready()) return 1;
    Importer importer(c, sw.access);
    regfile::readRegFile(bytes, [&importer](const regfile::Instruction& step) {
        importer.run(step);
        return true;
    });
    c.registry().flushWrites();  // reg import says nothing of a value it could not set
    return 0;
}

}  // namespace fk::regcli
