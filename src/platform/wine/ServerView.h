// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The world a program started for a wineserver lives in: the server's
// paths, its Wine and the environment that program gets. For a sandboxed
// server all of it is looked up inside the sandbox, never in ours, and
// nothing taken from the sandbox can load code of its choosing into a
// program of ours. Linux only.
#include "platform/wine/WineServer.h"

#include <string>
#include <sys/stat.h>
#include <vector>

namespace fk::wine {

// `path` (absolute) as `server` sees it, links resolved in its root.
bool statFor(const WineServer& server, const std::string& path, struct stat& st);

// True when `path` (one of ours) names the same file for `server`.
bool sameFileFor(const WineServer& server, const std::string& path);

// The prefix's path as `server` sees it: its own WINEPREFIX (or ~/.wine)
// when that names the same folder, else ours when it does. Empty when the
// prefix has no path in there that we can name.
std::string prefixSeenBy(const WineServer& server, const std::string& prefixDir);

// The environment of a program run for `server` on `winePrefix` (its path
// as the server sees it), Wine's debug output off. Ours for a server of
// ours; for a sandboxed one a short allow-list from the sandbox's own: its
// home, search paths and locale, never a variable that preloads code.
std::vector<std::string> environmentFor(const WineServer& server, const std::string& winePrefix);

// The programs to try as Wine, best first, as paths in the server's root:
// `chosen` ($FETTLEKIT_WINE) or `wine`, looked up on the PATH of
// `environment`; for a sandboxed server without a choice, first the Wine
// beside the server's own program.
std::vector<std::string> wineProgramsFor(const WineServer& server, const std::string& chosen,
                                         const std::vector<std::string>& environment);

}  // namespace fk::wine
