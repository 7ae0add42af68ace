// reg copy, reg export and reg import.
#include "platform/files/WholeFile.h"
#include "platform/regfile/RegFileReader.h"
#include "platform/regfile/RegFileWriter.h"
#include "programs/fettlekit-reg/RegFiles.h"
#include "programs/fettlekit-reg/RegOps.h"

#include <cerrno>

namespace fk::regcli {

using namespace fk::reg;

namespace {

void sayError(Context& c, long rc) { c.say(rc == NotFound ? MsgKeyMissing : MsgAccessDenied); }

// The source as it is before anything is written, so that a copy into its
// own subtree copies what was there, once. In reg's order: a key's values,
// then each subkey in turn with all below it.
struct SourceKey {
    Text path;  // below the source; empty for the source itself
    std::size_t depth = 0;
    std::vector<ValueData> values;
};

long snapshot(Registry& r, Key top, std::uint32_t access, std::vector<SourceKey>& keys, bool recurse) {
    struct Frame {
        Key key;
        KeyHandle owned;  // none for the top key
        std::size_t at;   // its entry in `keys`
        std::uint32_t next = 0;
    };
    keys.push_back({{}, 0, listValues<char16_t>(r, top)});
    std::vector<Frame> stack;
    stack.push_back({top, {}, 0});
    while (recurse && !stack.empty()) {
        Frame& frame = stack.back();
        Text name;
        if (readSubkeyAt(r, frame.key, frame.next++, name) != Success) {
            stack.pop_back();
            continue;
        }
        KeyHandle child = KeyHandle::open(r, frame.key, name, KeyRead | access);
        if (!child.ok()) return child.status();
        const SourceKey& parent = keys[frame.at];
        keys.push_back({parent.path.empty() ? name : parent.path + u"\\" + name, parent.depth + 1,
                        listValues<char16_t>(r, child.get())});
        const Key key = child.get();
        stack.push_back({key, std::move(child), keys.size() - 1});
    }
    return Success;
}

// The values of one key into another, asking before each that is there
// already unless forced; "All" forces the rest of this key and those below.
long copyValues(Context& c, const std::vector<ValueData>& values, Key to, bool existed, const Text& path, bool& force) {
    for (const ValueData& value : values) {
        if (!force && existed &&
            c.registry().RegQueryValueExW(to, value.name.c_str(), nullptr, nullptr, nullptr, nullptr) == Success) {
            const std::string name = value.name.empty() ? std::string(DefaultName) : shown(value.name);
            char answer = c.ask("The value '" + shown(path) + "\\" + name +
                                    "' already exists in the destination key. Do you want to overwrite it?",
                                " (Yes|No|All)", "NYA");
            if (answer == 'N') continue;
            if (answer == 'A') force = true;
        }
        if (long rc = c.registry().RegSetValueExW(to, value.name.c_str(), 0, value.type,
                                                  reinterpret_cast<const std::uint8_t*>(value.bytes.data()),
                                                  std::uint32_t(value.bytes.size())))
            return sayError(c, rc), rc;
    }
    return Success;
}

int runCopy(Context& c, const KeyArg& src, const KeyArg& dest, std::uint32_t access, bool recurse, bool force) {
    Registry& r = c.registry();
    std::vector<SourceKey> keys;
    {
        const KeyHandle from = c.openKey(src, KeyRead | access);
        if (!from.ok()) return sayError(c, from.status()), 1;
        if (long rc = snapshot(r, from.get(), access, keys, recurse)) return sayError(c, rc), 1;
    }
    std::uint32_t disposition = 0;
    const KeyHandle top = c.createKey(dest, KeyRead | KeyWrite | access, disposition);
    if (!top.ok()) return sayError(c, top.status()), 1;
    // "All" holds for the key it was given in and those below it.
    std::vector<bool> forced(keys.size(), force);
    std::vector<std::size_t> parents;
    const Text srcPath = src.hasPath ? src.path : u"(null)";
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const SourceKey& key = keys[i];
        while (parents.size() > key.depth) parents.pop_back();
        bool keyForce = parents.empty() ? force : forced[parents.back()];
        KeyHandle to;
        if (dest.depth + key.depth > MaxKeyDepth) return sayError(c, InvalidParameter), 1;
        if (!key.path.empty()) {
            to = KeyHandle::create(r, top.get(), key.path.c_str(), nullptr, KeyRead | KeyWrite | access, nullptr,
                                   &disposition);
            if (!to.ok()) return sayError(c, to.status()), 1;
        }
        const Text path = key.path.empty() ? srcPath : srcPath + u"\\" + key.path;
        if (copyValues(c, key.values, key.path.empty() ? top.get() : to.get(), disposition == OpenedExistingKey,
                       path, keyForce))
            return 1;
        forced[i] = keyForce;
        parents.push_back(i);
    }
    return 0;
}

}  // namespace

int copy(Context& c, const Args& args) {
    if (args.size() == 2) return c.invalidSyntax(args);
    KeyArg src, dest;
    if (!c.parseKey(args[1], src) || !c.parseKey(args[2], dest)) return 1;
    Switches sw;
    if (!parseSwitches(args, 3, {{"s", "f"}, {}, {}}, sw)) return c.invalidSyntax(args);
    if (src.root == dest.root && src.hasPath == dest.hasPath && sameText(src.path, dest.path))
        return c.say(MsgSameKeys), 1;
    if (!c.ready()) return 1;
    return runCopy(c, src, dest, sw.access, sw.has("s"), sw.has("f"));
}

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
