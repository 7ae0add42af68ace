// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry the window tests work on, filled from text in Wine's hive
// format. On Linux it is that text as the user.reg at `hivePath`; on Windows
// (and under Wine) it is the current user's own registry, made to hold the
// same keys below Software through advapi32, and `hivePath` only names the
// test's folder. Tests sharing that registry must not run at once.
#include "platform/registry/Registry.h"
#include "support/Bytes.h"

#include <memory>
#include <string>

namespace fk::testing {

void seedRegistry(const std::string& hivePath, const std::string& hiveText);
// The same while the program has it open, as another program would do it.
void replaceRegistry(const std::string& hivePath, const std::string& hiveText);
// A fresh registry over it, as the add-on would find it at its start; null
// with the reason in `error`.
std::unique_ptr<reg::Registry> openSeededRegistry(const std::string& hivePath, std::string& error);
// What a check that nothing was written compares: the file's bytes, or the
// store's every key and value.
std::string seededState(const std::string& hivePath);

}  // namespace fk::testing
