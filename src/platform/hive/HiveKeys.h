// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry's operations on a prefix's hive files, in UTF-16 as the files
// hold it: handles, and what each call finds or changes. HiveRegistry puts
// the advapi32 A and W calls around it.
#include "platform/hive/PrefixHives.h"
#include "platform/registry/Registry.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fk::reg {

struct SubkeyInfo {
    std::u16string name;
    std::u16string keyClass;
    hive::Ticks modified = 0;
};

// The longest names Wine makes or looks up, in UTF-16 units; a file may
// hold longer ones, which are listed whole.
inline constexpr std::size_t MaxKeyNameLength = 256;
inline constexpr std::size_t MaxValueNameLength = 16383;
inline constexpr long NameTooLong = 206;

class HiveKeys {
public:
    explicit HiveKeys(PrefixHives hives) : hives_(std::move(hives)) {}

    // A null subkey is the key itself; one starting with a backslash is refused.
    long open(Key parent, const std::u16string* subKey, std::uint32_t access, Key& result);
    long create(Key parent, const std::u16string* subKey, const std::u16string* keyClass, std::uint32_t access,
                Key& result, std::uint32_t* disposition);
    long close(Key key);
    long subkeyAt(Key key, std::uint32_t index, SubkeyInfo& out);
    long valueNamed(Key key, const std::u16string& name, hive::Value& out);
    long valueAt(Key key, std::uint32_t index, hive::Value& out);
    long setValue(Key key, const std::u16string& name, std::uint32_t type, std::string stored);
    long deleteValue(Key key, const std::u16string& name);
    long deleteKey(Key parent, const std::u16string* subKey);
    long deleteTree(Key key, const std::u16string* subKey);

    long begin() { return hives_.begin(); }
    long commit() { return hives_.commit(); }
    void rollback() { hives_.rollback(); }

    int openHandleCount() const { return int(handles_.size()); }
    bool writable() const { return !hives_.readOnly(); }
    bool takeWineStarted() { return hives_.takeWineStarted(); }

private:
    // What a handle stands for: its key (one place), or none for
    // HKEY_USERS itself.
    struct Handle {
        std::vector<Place> places;
        bool usersRoot = false;
        std::uint32_t access = 0;
    };

    // Rights a handle needs for each operation.
    static constexpr std::uint32_t QueryValue = 0x1, SetValue = 0x2, EnumerateSubKeys = 0x8;

    // The handle a path starts from and the path's parts (none for the key
    // itself); BadPathname when the path starts with a backslash.
    long start(Key key, const std::u16string* subKey, std::uint32_t access, Handle*& from,
               std::vector<std::u16string>& parts);
    // The handle behind a key; a predefined one as the call's view finds it.
    long handle(Key key, std::uint32_t needed, Handle*& out, std::uint32_t access = 0);
    static size_t levelsOf(const Handle& h);
    long walk(const Handle& from, const std::vector<std::u16string>& parts, std::uint32_t access, Handle& out);
    long commit(Hive hive, const std::function<long(HiveSession&, hive::Document&, bool&)>& change);
    Key add(Handle handle);

    PrefixHives hives_;
    std::map<Key, Handle> handles_;
    std::map<std::pair<Key, bool>, Handle> roots_;  // the predefined roots as last found, by view
    Key nextHandle_ = 0x1000;
};

}  // namespace fk::reg
