// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files reg import reads and reg export writes. An export lands whole or
// not at all: it is written beside its place and renamed over it.
#include <string>
#include <string_view>

namespace fk::regcli {

// 0 or an errno; only a regular file is read.
int readFileWhole(const std::string& path, std::string& bytes);
// 0 or an errno; on failure any earlier file is left as it was.
int replaceFileWhole(const std::string& path, std::string_view bytes);
bool fileExists(const std::string& path);
// Windows' words for a file error a user meets.
std::string fileError(int error);

}  // namespace fk::regcli
