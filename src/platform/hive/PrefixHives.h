// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hive files of a Wine prefix and where each predefined root lies in
// them: user.reg holds the current user, system.reg the machine (and the
// current configuration inside it), userdef.reg the default user; the
// classes root is the machine's classes, as Wine gives it. A path is
// walked as advapi32 walks it: through symbolic links, and into Wow6432Node
// where the 32-bit view is asked for.
#include "platform/hive/HiveSession.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fk::reg {

enum class Hive { User, Machine, DefaultUser };

// A key in one of the files, by its path below the file's root.
struct Place {
    Hive hive = Hive::User;
    std::vector<std::u16string> path;
    bool operator==(const Place&) const = default;
};

// A user.reg and the other files beside it, each read when first needed.
class PrefixHives {
public:
    // The others are looked for beside user.reg; all are read-only when
    // Wine serves the prefix.
    PrefixHives(const std::string& userPath, std::unique_ptr<HiveSession> user, bool readOnly);

    // The file's session, read when first asked for; null with the status
    // when the prefix has no such file or it cannot be used (said once on
    // standard error).
    HiveSession* session(Hive hive, long& status);
    // Before each call: picks up another program's change to a file read.
    void refresh();
    // True once Wine serves the prefix: from the start, or found by a save.
    bool readOnly() const;
    // True once after a save to any of the files that found Wine started
    // meanwhile (HiveSession::takeWineStarted).
    bool takeWineStarted();
    // A transaction over every file, those read later included (see
    // Registry::beginTransaction). Commit locks and checks every file
    // changed before it saves any, then saves each once.
    long begin();
    long commit();
    void rollback();

    // The levels from the registry's own root down to a file's top key:
    // a place lies levelsAbove(hive) + path.size() levels deep, the depth
    // MaxKeyDepth caps.
    static size_t levelsAbove(Hive hive);

    // The key at a place, its section loaded; null with NotFound, or
    // another status when its file fails or the section is damaged.
    hive::Key* find(const Place& place, long& status);
    // The same without reading its section.
    hive::Key* locate(const Place& place, long& status);

    // The place a predefined root stands for, when it exists (one; the
    // merged keys of HiveKeys take more). The classes root alone of the
    // roots has a 32-bit view of its own. The users root stands for none: its
    // subkeys are the files themselves.
    std::vector<Place> rootPlaces(std::uintptr_t root, bool view32, long& status);
    // HKEY_USERS' subkeys: ".Default" and the current user's SID, those
    // whose file exists, in Wine's order.
    std::vector<std::pair<std::u16string, Hive>> users();

    // Walks `parts` below `at` as an open does, moving `at` to the key
    // reached. On NotFound, `at` is the last key that exists and `done`
    // counts the parts walked to it, so that a create carries on there.
    // `fromStart`: the parts begin the path given, so that the 32-bit view
    // does not look for a Wow6432Node at `at` before the first of them.
    long walk(Place& at, const std::vector<std::u16string>& parts, bool view32, size_t& done, bool fromStart);

private:
    long follow(Place& at, int& hops);

    std::string folder_;
    std::u16string sid_;  // the current user's, from user.reg's header
    std::array<std::unique_ptr<HiveSession>, 3> sessions_;
    std::array<long, 3> failed_{};  // why a file could not be used, once known
    bool readOnly_;
    int transactions_ = 0;  // scopes open, nested
};

// Reads a hive file for a session: null and why when it cannot be used.
// A damaged file names its line and is never modified.
std::unique_ptr<HiveSession> openHiveSession(const std::string& path, bool readOnly, Problem& error, int& failure);

}  // namespace fk::reg
