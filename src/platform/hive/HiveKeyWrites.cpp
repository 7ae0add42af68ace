// SPDX-License-Identifier: GPL-3.0-or-later
// What HiveKeys changes: values, keys and whole trees, each change saved
// to its file whole under the writers' lock, or not at all. Each change
// holds copies of what it needs, so that a transaction can make it again.
#include "platform/hive/HiveKeys.h"

#include <algorithm>

namespace fk::reg {

long HiveKeys::setValue(Key key, const std::u16string& name, std::uint32_t type, std::string stored) {
    Handle* h = nullptr;
    if (long rc = handle(key, SetValue, h)) return rc;
    if (hives_.readOnly() || h->usersRoot) return AccessDenied;
    if (name.size() > MaxValueNameLength) return NameTooLong;
    const Place place = h->places.front();
    // What is there already needs no lock and no save (an import may set
    // one value many times).
    long found = Success;
    if (hive::Key* k = hives_.find(place, found)) {
        if (const hive::Value* value = k->findValue(name); value && value->type == type && value->data == stored)
            return Success;
    }
    return commit(place.hive, [path = place.path, name, type, stored](HiveSession& hive, hive::Document& doc, bool& changed) -> long {
        hive::Key* target = doc.find(path);
        if (!target) return KeyDeleted;
        if (long rc = hive.load(*target)) return rc;
        hive::Value* value = target->findValue(name);
        if (value && value->type == type && value->data == stored) return Success;  // Wine leaves it untouched
        if (!value) value = &target->addValue(name);
        value->type = type;
        value->data = stored;
        value->raw.clear();
        hive::Document::touch(*target, hive::nowTicks());
        changed = true;
        return Success;
    });
}

long HiveKeys::deleteValue(Key key, const std::u16string& name) {
    Handle* h = nullptr;
    if (long rc = handle(key, SetValue, h)) return rc;
    if (hives_.readOnly() || h->usersRoot) return AccessDenied;
    const Place place = h->places.front();
    return commit(place.hive, [path = place.path, name](HiveSession& hive, hive::Document& doc, bool& changed) -> long {
        hive::Key* target = doc.find(path);
        if (!target) return KeyDeleted;
        if (long rc = hive.load(*target)) return rc;
        if (!target->removeValue(name)) return NotFound;
        hive::Document::touch(*target, hive::nowTicks());
        changed = true;
        return Success;
    });
}

// Like advapi32: only a key without subkeys goes, and the parent's time
// stamp moves. A root, or a hive's own top, stays.
long HiveKeys::deleteKey(Key parent, const std::u16string* subKey) {
    if (!subKey) return InvalidParameter;
    Handle* from = nullptr;
    std::vector<std::u16string> parts;
    if (long rc = start(parent, subKey, 0, from, parts)) return rc;
    if (isPredefined(parent) && parts.empty()) return AccessDenied;
    Handle target;
    if (long rc = walk(*from, parts, 0, target)) return rc;
    if (target.usersRoot || target.places.front().path.empty()) return AccessDenied;
    const Place place = target.places.front();
    return commit(place.hive, [path = place.path](HiveSession& hive, hive::Document& doc, bool& changed) -> long {
        hive::Key* key = doc.find(path);
        if (!key) return NotFound;
        if (key->hasSubkeys()) return AccessDenied;
        hive::Key& owner = *key->parent;
        if (long rc = hive.load(owner)) return rc;
        doc.open(owner);
        owner.subkeys.erase(std::find_if(owner.subkeys.begin(), owner.subkeys.end(),
                                         [&](const auto& sub) { return sub.get() == key; }));
        hive::Document::touch(owner, hive::nowTicks());
        changed = true;
        return Success;
    });
}

// One save for a whole tree.
long HiveKeys::deleteTree(Key key, const std::u16string* subKey) {
    Handle* from = nullptr;
    std::vector<std::u16string> parts;
    if (long rc = start(key, subKey, 0, from, parts)) return rc;
    const bool whole = subKey != nullptr;
    if (whole && isPredefined(key) && parts.empty()) return AccessDenied;
    Handle target;
    if (long rc = walk(*from, parts, 0, target)) return rc;
    if (target.usersRoot) return AccessDenied;
    for (const Place& place : target.places) {
        if (whole && place.path.empty()) return AccessDenied;
        const long status = commit(place.hive, [path = place.path, whole](HiveSession& hive, hive::Document& doc, bool& changed) -> long {
            hive::Key* found = doc.find(path);
            if (!found) return NotFound;
            hive::Key& owner = whole ? *found->parent : *found;
            if (long rc = hive.load(owner)) return rc;
            doc.open(owner);
            if (whole) {
                owner.subkeys.erase(std::find_if(owner.subkeys.begin(), owner.subkeys.end(),
                                                 [&](const auto& sub) { return sub.get() == found; }));
            } else if (owner.subkeys.empty() && owner.values.empty()) {
                return Success;
            } else {
                owner.subkeys.clear();
                owner.values.clear();
            }
            hive::Document::touch(owner, hive::nowTicks());
            changed = true;
            return Success;
        });
        if (status) return status;
    }
    return Success;
}

long HiveKeys::commit(Hive which, const std::function<long(HiveSession&, hive::Document&, bool&)>& change) {
    long status = Success;
    HiveSession* hive = hives_.session(which, status);
    if (!hive) return status;
    if (hives_.readOnly()) return AccessDenied;
    // Kept by a transaction, to be made again on a file another program changed meanwhile.
    return hive->commit([hive, change](hive::Document& doc, bool& changed) { return change(*hive, doc, changed); });
}

}  // namespace fk::reg
