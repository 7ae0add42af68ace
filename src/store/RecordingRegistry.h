// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Passes every call on to another registry, knows the path of each key it
// opened, and tells a listener of every value of the store written or
// deleted, with the value before and after, so that it can be taken back.
#include "platform/registry/Registry.h"
#include "store/ValueChange.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fk {

class RecordingRegistry : public reg::Registry {
public:
    using Listener = std::function<void(const ValueChange&)>;

    explicit RecordingRegistry(reg::Registry& inner) : inner_(inner) {}

    reg::Registry& inner() const { return inner_; }
    void setListener(Listener listener) { listener_ = std::move(listener); }
    // The path under HKEY_CURRENT_USER of a key opened here; empty when unknown.
    std::string pathOf(reg::Key key) const;

    long RegOpenKeyExA(reg::Key parent, const char* subKey, std::uint32_t options, std::uint32_t access,
                       reg::Key* result) override;
    long RegCreateKeyExA(reg::Key parent, const char* subKey, std::uint32_t reserved, const char* keyClass,
                         std::uint32_t options, std::uint32_t access, const reg::SecurityAttributes* security,
                         reg::Key* result, std::uint32_t* disposition) override;
    long RegCloseKey(reg::Key key) override;
    long RegEnumKeyExA(reg::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, char* keyClass, std::uint32_t* classLength,
                       reg::FileTime* lastWrite) override {
        return inner_.RegEnumKeyExA(key, index, name, nameLength, reserved, keyClass, classLength, lastWrite);
    }
    long RegQueryValueExA(reg::Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override {
        return inner_.RegQueryValueExA(key, valueName, reserved, type, data, dataLength);
    }
    long RegSetValueExA(reg::Key key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override;
    long RegDeleteValueA(reg::Key key, const char* valueName) override;
    long RegEnumValueA(reg::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                       std::uint32_t* dataLength) override {
        return inner_.RegEnumValueA(key, index, name, nameLength, reserved, type, data, dataLength);
    }
    long RegDeleteKeyA(reg::Key parent, const char* subKey) override { return inner_.RegDeleteKeyA(parent, subKey); }
    // The listener hears of a transaction's changes once they are saved.
    long beginTransaction() override;
    long commitTransaction() override;
    void rollbackTransaction() override;
    int openHandleCount() const override { return inner_.openHandleCount(); }
    bool writable() const override { return inner_.writable(); }
    bool takeWineStartedDuringSave() override { return inner_.takeWineStartedDuringSave(); }
    void onWayChanged(WayListener listener) override { inner_.onWayChanged(std::move(listener)); }

private:
    void remember(reg::Key parent, const char* subKey, reg::Key key);
    void tell(reg::Key key, const char* valueName, const StoredValue& before);

    reg::Registry& inner_;
    Listener listener_;
    std::map<reg::Key, std::string> paths_;
    int transactions_ = 0;
    std::vector<ValueChange> held_;  // told at the commit
};

}  // namespace fk
