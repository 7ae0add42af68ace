// reg copy: a key's values, and with /s the keys below, into another key.
#include "programs/fettlekit-reg/RegOps.h"


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

}  // namespace fk::regcli
