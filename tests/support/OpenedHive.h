// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry over a hive file, for the tests on Linux that write one.
#include "platform/hive/HiveRegistry.h"
#include "support/Bytes.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace fk::test {

// The registry over the hive at `path`, first written with `text` unless
// that is empty; a hive that does not open fails the test with the reason.
inline std::unique_ptr<reg::Registry> openHiveFile(const std::string& path, const std::string& text = {}) {
    if (!text.empty()) writeBytes(path, text);
    reg::HiveOpenResult opened = reg::openHiveRegistry(path);
    if (!opened.registry) throw std::runtime_error(path + " does not open: " + englishText(opened.error));
    return std::move(opened.registry);
}

}  // namespace fk::test
