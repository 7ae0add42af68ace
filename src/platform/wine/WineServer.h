#pragma once
// Whether a wineserver serves a prefix, wherever that server's /tmp is. A
// sandboxed Wine front-end starts its server with a /tmp of its own, where
// a lookup in ours would never see it; a plain `wine` of ours would then
// start a second server on the same prefix. Linux only.
#include <string>
#include <vector>

namespace fk::wine {

struct WineServer {
    bool running = false;
    // Set when the server was found through its process: its id, and
    // whether it sees another file system than ours (its own mount
    // namespace), so that programs meant for it must be run in there.
    int pid = 0;
    bool sandboxed = false;
};

// `prefixDir` is followed through links: a server keeps a lock in the folder
// named after the prefix folder's device and inode. Looks in our /tmp,
// then at the current folder of each of the user's processes (a wineserver
// works in its server folder). Cheap enough to run before every write.
WineServer findWineServer(const std::string& prefixDir);

// The prefix's path as `server`'s process sees it: its own WINEPREFIX when
// that names the same folder, else ours when it does. Empty when the prefix
// has no path in there that we can name.
std::string prefixSeenBy(const WineServer& server, const std::string& prefixDir);

// The `wine` programs that may start programs for a sandboxed `server`, as
// paths in its own file system, best first: those beside its executable
// (the same Wine as the server), then those on its PATH.
std::vector<std::string> wineProgramsFor(const WineServer& server);

// The environment `server` was started with: that of the sandbox's own
// programs.
std::vector<std::string> environmentOf(const WineServer& server);

// True when `path` (one of ours) names the same file for `server`'s process.
bool sameFileFor(const WineServer& server, const std::string& path);

}  // namespace fk::wine
