// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SeededRegistry.h"

#include "platform/hive/HiveRegistry.h"

#include <cstdio>
#include <stdexcept>

namespace fk::testing {

void seedRegistry(const std::string& hivePath, const std::string& hiveText) { test::writeBytes(hivePath, hiveText); }

// Written beside the hive, then renamed over it.
void replaceRegistry(const std::string& hivePath, const std::string& hiveText) {
    test::writeBytes(hivePath + ".new", hiveText);
    if (std::rename((hivePath + ".new").c_str(), hivePath.c_str()) != 0)
        throw std::runtime_error("cannot replace " + hivePath);
}

std::unique_ptr<reg::Registry> openSeededRegistry(const std::string& hivePath, std::string& error) {
    reg::HiveOpenResult opened = reg::openHiveRegistry(hivePath);
    error = englishText(opened.error);
    return std::move(opened.registry);
}

std::string seededState(const std::string& hivePath) { return test::readBytes(hivePath); }

}  // namespace fk::testing
