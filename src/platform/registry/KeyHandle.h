#pragma once
// An open key that closes itself, through the registry that opened it, when
// it goes: no path out of a function leaves a handle behind.
#include "platform/registry/Registry.h"

#include <string>
#include <utility>

namespace fk::reg {

class KeyHandle {
public:
    KeyHandle() = default;

    // `subKey` below `parent`; ok() tells whether it opened.
    static KeyHandle open(Registry& registry, Key parent, const std::string& subKey, std::uint32_t access) {
        KeyHandle handle(registry);
        handle.status_ = registry.RegOpenKeyExA(parent, subKey.c_str(), 0, access, &handle.key_);
        return handle;
    }
    // Opened with all access, and made first when it is not there.
    static KeyHandle create(Registry& registry, Key parent, const std::string& subKey) {
        KeyHandle handle(registry);
        std::uint32_t disposition = 0;
        handle.status_ = registry.RegCreateKeyExA(parent, subKey.c_str(), 0, "", 0, KeyAllAccess, &CreateKeySecurity,
                                                  &handle.key_, &disposition);
        return handle;
    }

    ~KeyHandle() { close(); }
    KeyHandle(KeyHandle&& other) noexcept
        : registry_(other.registry_), key_(std::exchange(other.key_, 0)),
          status_(std::exchange(other.status_, NotFound)) {}
    KeyHandle& operator=(KeyHandle&& other) noexcept {
        if (this != &other) {
            close();
            registry_ = other.registry_;
            key_ = std::exchange(other.key_, 0);
            status_ = std::exchange(other.status_, NotFound);
        }
        return *this;
    }
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;

    bool ok() const { return status_ == Success; }
    long status() const { return status_; }
    // 0 when not open.
    Key get() const { return ok() ? key_ : 0; }

    void close() {
        if (ok()) registry_->RegCloseKey(key_);
        key_ = 0;
        status_ = NotFound;
    }

private:
    explicit KeyHandle(Registry& registry) : registry_(&registry) {}

    Registry* registry_ = nullptr;
    Key key_ = 0;
    long status_ = NotFound;
};

}  // namespace fk::reg
