// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hive file on disk, read as the text a hive document keeps, and
// whether Wine serves it.
#include "platform/files/WholeFile.h"
#include "platform/hive/HiveDocument.h"

#include <memory>
#include <string>

namespace fk::reg::hive {

using files::FileStamp;

// A copy of the file; nothing and an errno (see WholeFile.h) on failure.
std::unique_ptr<SourceText> readHiveFile(const std::string& path, FileStamp& stamp, int& error);

// True while a wineserver serves the prefix that holds the hive, in our
// /tmp or in a sandbox's own.
bool wineServesPrefix(const std::string& hivePath);

}  // namespace fk::reg::hive
