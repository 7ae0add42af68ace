#pragma once
// A registry that passes every call to the real one and remembers the
// calls that matter to the main window; it can also refuse some of them.
#include "Registry.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace fk::testing {

class RecordingRegistry : public reg::Registry {
public:
    struct Create {
        std::string subKey;
        std::string keyClass;
        std::uint32_t options = 0;
        std::uint32_t access = 0;
        bool hasSecurity = false;
        reg::SecurityAttributes security;
    };
    struct Open {
        reg::Key parent;
        std::string subKey;
        std::uint32_t options;
        std::uint32_t access;
    };

    explicit RecordingRegistry(std::unique_ptr<reg::Registry> inner) : inner_(std::move(inner)) {}

    std::vector<Open> opens;
    std::vector<Create> creates;
    std::vector<reg::Key> closes;
    std::vector<std::uint32_t> enumNameLengths;   // as passed in
    std::vector<std::uint32_t> enumClassLengths;
    bool refusePreferences = false;  // opening and creating "...\Preferences" fail
    bool refuseWrites = false;

    int closesOf(reg::Key key) const { return int(std::count(closes.begin(), closes.end(), key)); }

    long RegOpenKeyExA(reg::Key parent, const char* subKey, std::uint32_t options, std::uint32_t access,
                       reg::Key* result) override {
        opens.push_back({parent, subKey ? subKey : "", options, access});
        if (refusePreferences && isPreferences(subKey)) return reg::AccessDenied;
        return inner_->RegOpenKeyExA(parent, subKey, options, access, result);
    }
    long RegCreateKeyExA(reg::Key parent, const char* subKey, std::uint32_t reserved, const char* keyClass,
                         std::uint32_t options, std::uint32_t access, const reg::SecurityAttributes* security,
                         reg::Key* result, std::uint32_t* disposition) override {
        Create c{subKey ? subKey : "", keyClass ? keyClass : "<null>", options, access, security != nullptr, {}};
        if (security) c.security = *security;
        creates.push_back(c);
        if (refusePreferences && isPreferences(subKey)) return reg::AccessDenied;
        return inner_->RegCreateKeyExA(parent, subKey, reserved, keyClass, options, access, security, result,
                                       disposition);
    }
    long RegCloseKey(reg::Key key) override {
        closes.push_back(key);
        return inner_->RegCloseKey(key);
    }
    long RegEnumKeyExA(reg::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, char* keyClass, std::uint32_t* classLength,
                       reg::FileTime* lastWrite) override {
        enumNameLengths.push_back(nameLength ? *nameLength : 0);
        enumClassLengths.push_back(classLength ? *classLength : 0);
        return inner_->RegEnumKeyExA(key, index, name, nameLength, reserved, keyClass, classLength, lastWrite);
    }
    long RegQueryValueExA(reg::Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override {
        return inner_->RegQueryValueExA(key, valueName, reserved, type, data, dataLength);
    }
    long RegSetValueExA(reg::Key key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override {
        if (refuseWrites) return reg::AccessDenied;
        return inner_->RegSetValueExA(key, valueName, reserved, type, data, dataLength);
    }
    long RegDeleteValueA(reg::Key key, const char* valueName) override {
        return inner_->RegDeleteValueA(key, valueName);
    }
    int openHandleCount() const override { return inner_->openHandleCount(); }
    bool writable() const override { return inner_->writable(); }

private:
    static bool isPreferences(const char* subKey) {
        const std::string s = subKey ? subKey : "";
        const std::string tail = "\\Preferences";
        return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
    }
    std::unique_ptr<reg::Registry> inner_;
};

}  // namespace fk::testing
