// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/HiveKeys.h"

#include <algorithm>

namespace fk::reg {

long HiveKeys::start(Key key, const std::u16string* subKey, std::uint32_t access, Handle*& from,
                     std::vector<std::u16string>& parts) {
    if (long rc = handle(key, 0, from, access)) return rc;
    parts.clear();
    if (!subKey || subKey->empty()) return Success;
    if ((*subKey)[0] == u'\\') return BadPathname;
    parts = hive::splitPath(*subKey);
    // Wine looks no name longer up, and so makes none.
    for (const std::u16string& part : parts)
        if (part.size() > MaxKeyNameLength) return InvalidParameter;
    return Success;
}

long HiveKeys::handle(Key key, std::uint32_t needed, Handle*& out, std::uint32_t access) {
    hives_.refresh();
    if (isPredefined(key)) {
        const bool view32 = key == ClassesRoot && (access & Wow64Key32);
        Handle fresh;
        fresh.access = KeyAllAccess;
        if (key == Users) {
            fresh.usersRoot = true;
        } else {
            long status = Success;
            fresh.places = hives_.rootPlaces(key, view32, status);
            if (status) return status;
        }
        Handle& root = roots_[{key, view32}];
        if (root.places != fresh.places || root.usersRoot != fresh.usersRoot) root = std::move(fresh);
        out = &root;
        return Success;
    }
    auto it = handles_.find(key);
    if (it == handles_.end()) return InvalidHandle;
    if ((it->second.access & needed) != needed) return AccessDenied;
    out = &it->second;
    return Success;
}

// The key `parts` leads to from `from`, in each place that has it. A path
// that would lie deeper than Windows allows is refused before it is walked.
long HiveKeys::walk(const Handle& from, const std::vector<std::u16string>& parts, std::uint32_t access, Handle& out) {
    const bool view32 = access & Wow64Key32;
    out = Handle{};
    out.access = access;
    if (levelsOf(from) + parts.size() > MaxKeyDepth) return InvalidParameter;
    if (from.usersRoot) {
        if (parts.empty()) {
            out.usersRoot = true;
            return Success;
        }
        for (auto& [name, hive] : hives_.users()) {
            if (!hive::sameName(name, parts[0])) continue;
            Place at{hive, {}};
            size_t done = 0;
            if (long rc = hives_.walk(at, {parts.begin() + 1, parts.end()}, view32, done, false)) return rc;
            out.places.push_back(std::move(at));
            return Success;
        }
        return NotFound;
    }
    long failure = NotFound;
    for (const Place& place : from.places) {
        Place at = place;
        size_t done = 0;
        long rc = hives_.walk(at, parts, view32, done, true);
        if (rc == Success) {
            if (std::find(out.places.begin(), out.places.end(), at) == out.places.end()) out.places.push_back(std::move(at));
        } else if (rc != NotFound) {
            failure = rc;
        }
    }
    return out.places.empty() ? failure : Success;
}

// The shallowest of a handle's places, counted from the registry's root.
size_t HiveKeys::levelsOf(const Handle& h) {
    if (h.usersRoot || h.places.empty()) return levelsAbove(Users);
    size_t levels = MaxKeyDepth;
    for (const Place& place : h.places)
        levels = std::min(levels, PrefixHives::levelsAbove(place.hive) + place.path.size());
    return levels;
}

long HiveKeys::open(Key parent, const std::u16string* subKey, std::uint32_t access, Key& result) {
    // As advapi32 has it: a root opened by no path is the root itself, in
    // no particular view.
    if (isPredefined(parent) && (!subKey || subKey->empty())) {
        result = parent;
        return Success;
    }
    Handle* from = nullptr;
    std::vector<std::u16string> parts;
    if (long rc = start(parent, subKey, access, from, parts)) return rc;
    Handle opened;
    if (long rc = walk(*from, parts, access, opened)) return rc;
    result = add(std::move(opened));
    return Success;
}

// Made below the deepest key of the path that exists.
long HiveKeys::create(Key parent, const std::u16string* subKey, const std::u16string* keyClass,
                      std::uint32_t access, Key& result, std::uint32_t* disposition) {
    Handle* from = nullptr;
    std::vector<std::u16string> parts;
    if (long rc = start(parent, subKey, access, from, parts)) return rc;
    Handle opened;
    long rc = walk(*from, parts, access, opened);
    if (rc == Success) {
        result = add(std::move(opened));
        if (disposition) *disposition = OpenedExistingKey;
        return Success;
    }
    if (rc != NotFound) return rc;

    const bool view32 = access & Wow64Key32;
    std::vector<Place> starts = from->places;
    size_t skip = 0;
    if (from->usersRoot) {
        // HKEY_USERS holds the files themselves: nothing is made right below it.
        for (auto& [name, hive] : hives_.users())
            if (hive::sameName(name, parts[0])) starts = {{hive, {}}}, skip = 1;
        if (!skip) return AccessDenied;
    }
    std::optional<Place> best;
    size_t bestDone = 0;
    long failure = rc;
    for (const Place& start : starts) {
        Place at = start;
        size_t done = 0;
        long walked = hives_.walk(at, {parts.begin() + long(skip), parts.end()}, view32, done, skip == 0);
        if (walked != NotFound) {
            failure = walked;
            continue;
        }
        if (!best || done >= bestDone) best = at, bestDone = done;
    }
    if (!best) return failure;
    const std::vector<std::u16string> missing(parts.begin() + long(skip + bestDone), parts.end());
    // The file the key goes to may lie deeper than the shallowest place walk() counted.
    if (PrefixHives::levelsAbove(best->hive) + best->path.size() + missing.size() > MaxKeyDepth)
        return InvalidParameter;
    const std::u16string cls = keyClass ? *keyClass : u"";
    rc = commit(best->hive, [path = best->path, missing, cls](HiveSession& hive, hive::Document& doc, bool& changed) -> long {
        hive::Key* key = doc.find(path);
        if (!key) return KeyDeleted;
        hive::Ticks now = hive::nowTicks();
        for (const std::u16string& name : missing) {
            if (hive::Key* sub = doc.child(*key, name)) {
                key = sub;
                continue;
            }
            if (long loaded = hive.load(*key)) return loaded;
            doc.open(*key);
            hive::Document::touch(*key, now);
            key = &key->addSubkey(name);
            hive::Document::touch(*key, now);
            changed = true;
        }
        if (changed && !cls.empty()) key->keyClass = cls;
        return Success;
    });
    if (rc != Success) return rc;
    if ((rc = walk(*from, parts, access, opened))) return rc;
    result = add(std::move(opened));
    if (disposition) *disposition = CreatedNewKey;
    return Success;
}

long HiveKeys::close(Key key) {
    if (isPredefined(key)) return Success;
    return handles_.erase(key) ? Success : InvalidHandle;
}

long HiveKeys::subkeyAt(Key key, std::uint32_t index, SubkeyInfo& out) {
    Handle* h = nullptr;
    if (long rc = handle(key, EnumerateSubKeys, h)) return rc;
    if (h->usersRoot) {
        auto users = hives_.users();
        if (index >= users.size()) return NoMoreItems;
        out = {users[index].first, {}, 0};
        return Success;
    }
    long status = Success;
    hive::Key* k = hives_.find(h->places[0], status);
    HiveSession* hive = hives_.session(h->places[0].hive, status);
    if (!k || !hive) return status == NotFound ? KeyDeleted : status;
    hive->doc().open(*k);
    if (index >= k->subkeys.size()) return NoMoreItems;
    hive::Key& sub = *k->subkeys[index];
    if (long rc = hive->load(sub)) return rc;
    out = {sub.name, sub.keyClass.value_or(u""), sub.modified};
    return Success;
}

long HiveKeys::valueNamed(Key key, const std::u16string& name, hive::Value& out) {
    Handle* h = nullptr;
    if (long rc = handle(key, QueryValue, h)) return rc;
    long status = h->usersRoot ? NotFound : KeyDeleted;
    for (const Place& place : h->places) {
        long found = Success;
        hive::Key* k = hives_.find(place, found);
        if (!k) {
            if (found != NotFound) status = found;
            continue;
        }
        if (const hive::Value* value = k->findValue(name)) {
            out = *value;
            return Success;
        }
        if (status == KeyDeleted) status = NotFound;
    }
    return status;
}

long HiveKeys::valueAt(Key key, std::uint32_t index, hive::Value& out) {
    Handle* h = nullptr;
    if (long rc = handle(key, QueryValue, h)) return rc;
    if (h->usersRoot) return NoMoreItems;
    long status = Success;
    hive::Key* k = hives_.find(h->places[0], status);
    if (!k) return status == NotFound ? KeyDeleted : status;
    if (index >= k->values.size()) return NoMoreItems;
    out = k->values[index];
    return Success;
}

Key HiveKeys::add(Handle handle) {
    Key key = nextHandle_;
    nextHandle_ += 4;
    handles_[key] = std::move(handle);
    return key;
}

}  // namespace fk::reg
