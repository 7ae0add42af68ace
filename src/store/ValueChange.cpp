// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ValueChange.h"

#include "platform/registry/KeyHandle.h"
#include "platform/registry/Transaction.h"
#include "store/KeyValue.h"
#include "text/Cp1252.h"

#include <cstdio>

namespace fk {

namespace {

using namespace fk::reg;

// The key at `keyPath` below the store root: made, or only opened to read.
KeyHandle openStoreKey(Registry& registry, const std::string& keyPath, bool create) {
    return create ? KeyHandle::create(registry, CurrentUser, storeKeyPath(keyPath))
                  : KeyHandle::open(registry, CurrentUser, storeKeyPath(keyPath), KeyRead);
}

bool writeValue(Registry& registry, const std::string& keyPath, const std::string& name, const StoredValue& v) {
    const KeyHandle key = openStoreKey(registry, keyPath, true);
    if (!key.ok()) return false;
    if (!v.present) {
        long rc = registry.RegDeleteValueA(key.get(), name.c_str());
        return rc == Success || rc == NotFound;
    }
    return registry.RegSetValueExA(key.get(), name.c_str(), 0, v.type,
                                   reinterpret_cast<const std::uint8_t*>(v.bytes.data()),
                                   std::uint32_t(v.bytes.size())) == Success;
}

}  // namespace

std::string storeKeyPath(const std::string& keyPath) {
    return keyPath.empty() ? std::string(StoreRootPath) : std::string(StoreRootPath) + "\\" + keyPath;
}

std::string valueData(const StoredValue& value, bool* isText) {
    if (isText) *isText = value.type == TypeSz;
    if (value.type == TypeDword && value.bytes.size() == 4) {
        std::uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) v |= std::uint32_t(std::uint8_t(value.bytes[i])) << (8 * i);
        return std::to_string(std::int32_t(v));
    }
    if (value.type == TypeSz) {
        return text::cp1252ToUtf8(value.bytes.substr(0, value.bytes.find('\0')));
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, value.type == TypeBinary ? "hex:" : "hex(%x):", unsigned(value.type));
    std::string out = buf;
    for (size_t i = 0; i < value.bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? ",%02x" : "%02x", unsigned(std::uint8_t(value.bytes[i])));
        out += buf;
    }
    return out;
}

StoredValue readStoredValue(Registry& registry, const std::string& keyPath, const std::string& valueName) {
    const KeyHandle key = openStoreKey(registry, keyPath, false);
    if (!key.ok()) return {};
    return readKeyValue(registry, key.get(), valueName);
}

bool applyChanges(Registry& registry, const std::vector<ValueChange>& changes, bool undo, ApplyFailure& failure) {
    auto was = [undo](const ValueChange& c) -> const StoredValue& { return undo ? c.after : c.before; };
    auto nothingChanged = [&failure](const ValueChange& c) {
        failure = {c.setting, {}};
        return false;
    };
    // Where the registry keeps transactions, one save holds every change.
    Transaction transaction(registry);
    for (size_t i = 0; i < changes.size(); ++i) {
        const ValueChange& c = changes[i];
        if (writeValue(registry, c.keyPath, c.valueName, undo ? c.before : c.after)) continue;
        if (transaction.active()) return transaction.rollback(), nothingChanged(c);
        // Put back, then say what the store really holds.
        nothingChanged(c);
        for (size_t j = i; j-- > 0;) {
            const ValueChange& d = changes[j];
            if (writeValue(registry, d.keyPath, d.valueName, was(d))) continue;
            ValueChange now = d;
            now.before = was(d);
            now.after = readStoredValue(registry, d.keyPath, d.valueName);
            if (!(now.after == now.before)) failure.left.insert(failure.left.begin(), std::move(now));
        }
        return false;
    }
    return changes.empty() || transaction.commit() == Success || nothingChanged(changes.front());
}

}  // namespace fk
