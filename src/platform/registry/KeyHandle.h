// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An open key that closes itself, through the registry that opened it, when
// it goes: no path out of a function leaves a handle behind.
#include "platform/registry/Calls.h"
#include "platform/registry/Registry.h"

#include <string>
#include <type_traits>
#include <utility>

namespace fk::reg {

class KeyHandle {
public:
    KeyHandle() = default;

    // `subKey` below `parent`, in code page 1252 or UTF-16; ok() tells whether it opened.
    template <class Ch>
    static KeyHandle open(Registry& registry, Key parent, const Ch* subKey, std::uint32_t access) {
        KeyHandle handle(registry);
        handle.status_ = Calls<Ch>::open(registry, parent, subKey, 0, access, &handle.key_);
        return handle;
    }
    template <class Ch>
    static KeyHandle open(Registry& registry, Key parent, const std::basic_string<Ch>& subKey, std::uint32_t access) {
        return open(registry, parent, subKey.c_str(), access);
    }
    // Opened with `access`, and made first when it is not there; `disposition`
    // says which, when asked. `keyClass` may be null.
    template <class Ch>
    static KeyHandle create(Registry& registry, Key parent, const Ch* subKey, const std::type_identity_t<Ch>* keyClass,
                            std::uint32_t access, const SecurityAttributes* security, std::uint32_t* disposition = nullptr) {
        KeyHandle handle(registry);
        handle.status_ =
            Calls<Ch>::create(registry, parent, subKey, 0, keyClass, 0, access, security, &handle.key_, disposition);
        return handle;
    }
    // Opened with all access, and made first when it is not there.
    static KeyHandle create(Registry& registry, Key parent, const std::string& subKey) {
        std::uint32_t disposition = 0;
        return create(registry, parent, subKey.c_str(), "", KeyAllAccess, &CreateKeySecurity, &disposition);
    }
    // A key that was not asked for, with the failure that kept it shut.
    static KeyHandle refused(long status) {
        KeyHandle handle;
        handle.status_ = status == Success ? InvalidParameter : status;
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
