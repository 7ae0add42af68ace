// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bridge/FollowingRegistry.h"

#include "text/Cp1252.h"

namespace fk::reg {

namespace {

std::u16string wide(const char* s) { return s ? text::cp1252ToUtf16(s) : std::u16string(); }
std::u16string wide(const char16_t* s) { return s ? std::u16string(s) : std::u16string(); }

}  // namespace

FollowingRegistry::FollowingRegistry(std::unique_ptr<Registry> first, Open open)
    : way_(std::move(first)), open_(std::move(open)) {}

FollowingRegistry::~FollowingRegistry() {
    for (const auto& [key, open] : keys_)
        if (open.inner) way_->RegCloseKey(open.inner);
}

Key FollowingRegistry::inner(Key key) const {
    if (isPredefined(key)) return key;
    const auto found = keys_.find(key);
    return found == keys_.end() ? 0 : found->second.inner;
}

bool FollowingRegistry::place(Key parent, const std::u16string& subKey, Key& root, std::u16string& path) const {
    if (isPredefined(parent)) {
        root = parent;
        path = subKey;
        return true;
    }
    const auto found = keys_.find(parent);
    if (found == keys_.end()) return false;
    root = found->second.root;
    path = found->second.path;
    if (!subKey.empty()) path += (path.empty() ? u"" : u"\\") + subKey;
    return true;
}

// A key unknown to the way in use is one it lost: answered as Windows
// answers for a key deleted under an open handle.
template <class Call>
long FollowingRegistry::with(Key key, const Call& call) const {
    const Key innerKey = inner(key);
    if (!innerKey) return key ? KeyDeleted : InvalidHandle;
    return call(innerKey);
}

long FollowingRegistry::adopt(Key parent, const std::u16string& subKey, std::uint32_t access, long status, Key innerKey,
                              Key* result) {
    if (status != Success) return status;
    OpenKey open{0, {}, access, innerKey};
    place(parent, subKey, open.root, open.path);
    const Key key = next_++;
    keys_.emplace(key, std::move(open));
    *result = key;
    return Success;
}

long FollowingRegistry::RegOpenKeyExA(Key parent, const char* subKey, std::uint32_t options, std::uint32_t access,
                                      Key* result) {
    if (!result) return InvalidParameter;
    Key opened = 0;
    const long rc =
        with(parent, [&](Key innerKey) { return way_->RegOpenKeyExA(innerKey, subKey, options, access, &opened); });
    return adopt(parent, wide(subKey), access, rc, opened, result);
}

long FollowingRegistry::RegOpenKeyExW(Key parent, const char16_t* subKey, std::uint32_t options, std::uint32_t access,
                                      Key* result) {
    if (!result) return InvalidParameter;
    Key opened = 0;
    const long rc =
        with(parent, [&](Key innerKey) { return way_->RegOpenKeyExW(innerKey, subKey, options, access, &opened); });
    return adopt(parent, wide(subKey), access, rc, opened, result);
}

long FollowingRegistry::RegCreateKeyExA(Key parent, const char* subKey, std::uint32_t reserved, const char* keyClass,
                                        std::uint32_t options, std::uint32_t access, const SecurityAttributes* security,
                                        Key* result, std::uint32_t* disposition) {
    if (!result) return InvalidParameter;
    Key made = 0;
    const long rc = write([&] {
        return with(parent, [&](Key innerKey) {
            return way_->RegCreateKeyExA(innerKey, subKey, reserved, keyClass, options, access, security, &made,
                                         disposition);
        });
    });
    return adopt(parent, wide(subKey), access, rc, made, result);
}

long FollowingRegistry::RegCreateKeyExW(Key parent, const char16_t* subKey, std::uint32_t reserved,
                                        const char16_t* keyClass, std::uint32_t options, std::uint32_t access,
                                        const SecurityAttributes* security, Key* result, std::uint32_t* disposition) {
    if (!result) return InvalidParameter;
    Key made = 0;
    const long rc = write([&] {
        return with(parent, [&](Key innerKey) {
            return way_->RegCreateKeyExW(innerKey, subKey, reserved, keyClass, options, access, security, &made,
                                         disposition);
        });
    });
    return adopt(parent, wide(subKey), access, rc, made, result);
}

long FollowingRegistry::RegCloseKey(Key key) {
    if (isPredefined(key)) return way_->RegCloseKey(key);
    const auto found = keys_.find(key);
    if (found == keys_.end()) return InvalidHandle;
    const Key innerKey = found->second.inner;
    keys_.erase(found);
    return innerKey ? way_->RegCloseKey(innerKey) : Success;
}

long FollowingRegistry::RegEnumKeyExA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                      std::uint32_t* reserved, char* keyClass, std::uint32_t* classLength,
                                      FileTime* lastWrite) {
    return with(key, [&](Key innerKey) {
        return way_->RegEnumKeyExA(innerKey, index, name, nameLength, reserved, keyClass, classLength, lastWrite);
    });
}

long FollowingRegistry::RegEnumKeyExW(Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                                      std::uint32_t* reserved, char16_t* keyClass, std::uint32_t* classLength,
                                      FileTime* lastWrite) {
    return with(key, [&](Key innerKey) {
        return way_->RegEnumKeyExW(innerKey, index, name, nameLength, reserved, keyClass, classLength, lastWrite);
    });
}

long FollowingRegistry::RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                                         std::uint8_t* data, std::uint32_t* dataLength) {
    return with(key, [&](Key innerKey) {
        return way_->RegQueryValueExA(innerKey, valueName, reserved, type, data, dataLength);
    });
}

long FollowingRegistry::RegQueryValueExW(Key key, const char16_t* valueName, std::uint32_t* reserved,
                                         std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) {
    return with(key, [&](Key innerKey) {
        return way_->RegQueryValueExW(innerKey, valueName, reserved, type, data, dataLength);
    });
}

long FollowingRegistry::RegSetValueExA(Key key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                                       const std::uint8_t* data, std::uint32_t dataLength) {
    return write([&] {
        return with(key, [&](Key innerKey) {
            return way_->RegSetValueExA(innerKey, valueName, reserved, type, data, dataLength);
        });
    });
}

long FollowingRegistry::RegSetValueExW(Key key, const char16_t* valueName, std::uint32_t reserved, std::uint32_t type,
                                       const std::uint8_t* data, std::uint32_t dataLength) {
    return write([&] {
        return with(key, [&](Key innerKey) {
            return way_->RegSetValueExW(innerKey, valueName, reserved, type, data, dataLength);
        });
    });
}

long FollowingRegistry::RegDeleteValueA(Key key, const char* valueName) {
    return write([&] { return with(key, [&](Key innerKey) { return way_->RegDeleteValueA(innerKey, valueName); }); });
}

long FollowingRegistry::RegDeleteValueW(Key key, const char16_t* valueName) {
    return write([&] { return with(key, [&](Key innerKey) { return way_->RegDeleteValueW(innerKey, valueName); }); });
}

long FollowingRegistry::RegEnumValueA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                                      std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                                      std::uint32_t* dataLength) {
    return with(key, [&](Key innerKey) {
        return way_->RegEnumValueA(innerKey, index, name, nameLength, reserved, type, data, dataLength);
    });
}

long FollowingRegistry::RegEnumValueW(Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                                      std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                                      std::uint32_t* dataLength) {
    return with(key, [&](Key innerKey) {
        return way_->RegEnumValueW(innerKey, index, name, nameLength, reserved, type, data, dataLength);
    });
}

long FollowingRegistry::RegDeleteKeyA(Key parent, const char* subKey) {
    return write([&] { return with(parent, [&](Key innerKey) { return way_->RegDeleteKeyA(innerKey, subKey); }); });
}

long FollowingRegistry::RegDeleteKeyW(Key parent, const char16_t* subKey) {
    return write([&] { return with(parent, [&](Key innerKey) { return way_->RegDeleteKeyW(innerKey, subKey); }); });
}

long FollowingRegistry::RegDeleteTreeW(Key key, const char16_t* subKey) {
    return write([&] { return with(key, [&](Key innerKey) { return way_->RegDeleteTreeW(innerKey, subKey); }); });
}

long FollowingRegistry::readTree(Key key, std::uint32_t access, bool recurse, std::vector<TreeKey>& keys) {
    return with(key, [&](Key innerKey) { return way_->readTree(innerKey, access, recurse, keys); });
}

// A way that still writes failed for a reason of its own (a damaged file,
// a busy lock): that is the caller's answer, and nothing moves.
template <class Call>
long FollowingRegistry::write(const Call& call) {
    const long rc = call();
    if (rc == Success || way_->writable() || !follow()) return rc;
    return call();
}

long FollowingRegistry::beginTransaction() {
    const long rc = way_->beginTransaction();
    if (rc == Success) ++transactions_;
    return rc;
}

long FollowingRegistry::commitTransaction() {
    const long rc = way_->commitTransaction();
    if (--transactions_ == 0 && rc != Success && !way_->writable()) follow();
    return rc;
}

void FollowingRegistry::rollbackTransaction() {
    way_->rollbackTransaction();
    --transactions_;
}

bool FollowingRegistry::follow() {
    // A new way would not hold what the open transaction has changed.
    if (transactions_ > 0) return false;
    Way next = open_();
    if (!next.registry || !next.registry->writable()) {
        if (listener_) listener_(next.problem ? next.problem : Problem::of(Problem::Why::CannotReopen));
        return false;
    }
    for (auto& [key, open] : keys_) {
        if (open.inner) way_->RegCloseKey(open.inner);
        open.inner = 0;
        Key moved = 0;
        if (next.registry->RegOpenKeyExW(open.root, open.path.c_str(), 0, open.access, &moved) == Success)
            open.inner = moved;
    }
    way_ = std::move(next.registry);
    if (listener_) listener_({});
    return true;
}

}  // namespace fk::reg
