// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry behaviour every backend must share, written once. Each test
// binary instantiates the suite with its backends: the hive file on Linux,
// advapi32 under Wine, advapi32 through the bridge.
#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fk::test {

// Values and subkeys put into the scratch key by another program, in
// UTF-16, before the backend opens: how text the program did not write
// (and code page 1252 may not hold) gets there.
struct Seed {
    struct Value {
        std::string name;
        std::u16string text;
    };
    std::vector<Value> values;
    std::vector<std::u16string> subkeys;
};

// A fresh, existing key under HKEY_CURRENT_USER on one backend.
class Scratch {
public:
    virtual ~Scratch() = default;
    virtual reg::Registry& registry() = 0;
    // Its path below CurrentUser.
    virtual std::string path() const = 0;
};

struct Backend {
    std::string name;
    std::function<std::unique_ptr<Scratch>(const Seed&)> open;
};

inline void PrintTo(const Backend& backend, std::ostream* out) { *out << backend.name; }
inline std::string backendName(const testing::TestParamInfo<Backend>& info) { return info.param.name; }

// A random key name below HKCU\Software\FettlekitTest.
std::string scratchPath();

// The backends this test binary runs the suite on; each binary links one
// file that defines it.
std::vector<Backend> registryBackends();

}  // namespace fk::test
