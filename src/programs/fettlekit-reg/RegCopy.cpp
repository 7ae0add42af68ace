// SPDX-License-Identifier: GPL-3.0-or-later
// reg copy: a key's values, and with /s the keys below, into another key.
#include "programs/fettlekit-reg/RegOps.h"


namespace fk::regcli {

using namespace fk::reg;

namespace {

void sayError(Context& c, long rc) { c.say(rc == NotFound ? MsgKeyMissing : MsgAccessDenied); }

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
    // The source as it is before anything is written, so that a copy into
    // its own subtree copies what was there, once.
    std::vector<TreeKey> keys;
    {
        const KeyHandle from = c.openKey(src, KeyRead | access);
        if (!from.ok()) return sayError(c, from.status()), 1;
        if (long rc = r.readTree(from.get(), access, recurse, keys)) return sayError(c, rc), 1;
    }
    std::uint32_t disposition = 0;
    const KeyHandle top = c.createKey(dest, KeyRead | KeyWrite | access, disposition);
    if (!top.ok()) return sayError(c, top.status()), 1;
    // "All" holds for the key it was given in and those below it.
    std::vector<bool> forced(keys.size(), force);
    std::vector<std::size_t> parents;
    const Text srcPath = src.hasPath ? src.path : u"(null)";
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const TreeKey& key = keys[i];
        while (parents.size() > key.depth) parents.pop_back();
        bool keyForce = parents.empty() ? force : forced[parents.back()];
        KeyHandle to;
        if (dest.depth + key.depth > MaxKeyDepth) return sayError(c, InvalidParameter), 1;
        if (!key.path.empty()) {
            // Forced, nothing is asked, so the key's creation need not wait
            // for its answer: the bridge may send many in one request.
            if (keyForce) disposition = 0;
            to = KeyHandle::create(r, top.get(), key.path.c_str(), nullptr, KeyRead | KeyWrite | access, nullptr,
                                   keyForce ? nullptr : &disposition);
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
