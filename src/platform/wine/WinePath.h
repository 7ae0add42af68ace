// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths as a program under Wine sees them. The add-on opens the files it is
// given by their Windows path, so a file the user picks on Linux is stored
// as Wine would name it: through the prefix's drive letters.
#include <string>

namespace fk::wine {

// "Z:\home\u\ding.wav" for /home/u/ding.wav in a prefix whose z: is "/".
// The drive whose folder holds the file most closely wins, the first letter
// on a tie; a file under no drive gets Wine's "\\?\unix\..." form.
std::string windowsPathFor(const std::string& unixPath, const std::string& prefixDir);

}  // namespace fk::wine
