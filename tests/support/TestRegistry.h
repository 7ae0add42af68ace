// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A registry that records the calls the tests look at and refuses some.
#include "platform/registry/Registry.h"
#include "store/RecordingRegistry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fk::testing {

// Passes every call on, remembers the ones the tests look at, and refuses
// some on demand, as another registry might.
class TestRegistry : public RecordingRegistry {
public:
    using RecordingRegistry::RecordingRegistry;

    std::vector<std::string> creates;  // the subkeys asked for
    std::vector<reg::Key> closes;
    bool refuseCreate = false;
    bool refuseWrites = false;
    std::set<std::string> refuseValues;  // value names whose writes fail
    int writesLeft = -1;                 // writes and deletions that succeed before all fail; -1: no end
    int moreData = 0;                    // reads that answer "more data", each asking one byte more
    int reads = 0;
    bool wineStarts = false;             // the next write is saved as Wine starts
    bool landsAtOnce = false;            // no transactions, as on Wine's live registry

    long beginTransaction() override { return landsAtOnce ? reg::NotSupported : RecordingRegistry::beginTransaction(); }

    int closesOf(reg::Key key) const { return int(std::count(closes.begin(), closes.end(), key)); }

    long RegCreateKeyExA(reg::Key parent, const char* subKey, std::uint32_t reserved, const char* keyClass,
                         std::uint32_t options, std::uint32_t access, const reg::SecurityAttributes* security,
                         reg::Key* result, std::uint32_t* disposition) override {
        creates.push_back(subKey ? subKey : "");
        if (refuseCreate) return reg::AccessDenied;
        return RecordingRegistry::RegCreateKeyExA(parent, subKey, reserved, keyClass, options, access, security,
                                                  result, disposition);
    }
    long RegCloseKey(reg::Key key) override {
        closes.push_back(key);
        // Windows hands a closed key's number out again: a second close may end another key.
        const long status = RecordingRegistry::RegCloseKey(key);
        EXPECT_EQ(status, reg::Success) << "key " << key << " closed twice or never opened";
        return status;
    }
    long RegSetValueExA(reg::Key key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override {
        if (refuseWrites || refuseValues.count(valueName ? valueName : "") || !writeAllowed()) return reg::AccessDenied;
        return RecordingRegistry::RegSetValueExA(key, valueName, reserved, type, data, dataLength);
    }
    long RegDeleteValueA(reg::Key key, const char* valueName) override {
        if (!writeAllowed()) return reg::AccessDenied;
        return RecordingRegistry::RegDeleteValueA(key, valueName);
    }
    long RegQueryValueExA(reg::Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override {
        ++reads;
        if (moreData > 0 && data) return --moreData, ++*dataLength, reg::MoreData;
        return RecordingRegistry::RegQueryValueExA(key, valueName, reserved, type, data, dataLength);
    }

    bool takeWineStartedDuringSave() override { return std::exchange(wineStarts, false); }

private:
    bool writeAllowed() { return writesLeft < 0 || (writesLeft > 0 && writesLeft--); }
};

}  // namespace fk::testing
