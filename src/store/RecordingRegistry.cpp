// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RecordingRegistry.h"

#include "store/KeyValue.h"

#include <cctype>

namespace fk {

namespace {

// The path below the store root; false for a key outside the store.
bool belowStoreRoot(const std::string& path, std::string& below) {
    const std::string root = StoreRootPath;
    if (path.size() < root.size()) return false;
    for (std::size_t i = 0; i < root.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(path[i])) != std::tolower(static_cast<unsigned char>(root[i])))
            return false;
    if (path.size() == root.size()) {
        below.clear();
        return true;
    }
    if (path[root.size()] != '\\') return false;
    below = path.substr(root.size() + 1);
    return true;
}

}  // namespace

std::string RecordingRegistry::pathOf(reg::Key key) const {
    const auto found = paths_.find(key);
    return found == paths_.end() ? std::string() : found->second;
}

void RecordingRegistry::remember(reg::Key parent, const char* subKey, reg::Key key) {
    std::string path = parent == reg::CurrentUser ? std::string() : pathOf(parent);
    const std::string tail = subKey ? subKey : "";
    if (parent != reg::CurrentUser && path.empty()) {
        // A parent opened elsewhere: its children cannot be found again.
        paths_.erase(key);
        return;
    }
    if (!path.empty() && !tail.empty()) path += '\\';
    paths_[key] = path + tail;
}

long RecordingRegistry::RegOpenKeyExA(reg::Key parent, const char* subKey, std::uint32_t options,
                                      std::uint32_t access, reg::Key* result) {
    const long status = inner_.RegOpenKeyExA(parent, subKey, options, access, result);
    if (status == reg::Success && result) remember(parent, subKey, *result);
    return status;
}

long RecordingRegistry::RegCreateKeyExA(reg::Key parent, const char* subKey, std::uint32_t reserved,
                                        const char* keyClass, std::uint32_t options, std::uint32_t access,
                                        const reg::SecurityAttributes* security, reg::Key* result,
                                        std::uint32_t* disposition) {
    const long status =
        inner_.RegCreateKeyExA(parent, subKey, reserved, keyClass, options, access, security, result, disposition);
    if (status == reg::Success && result) remember(parent, subKey, *result);
    return status;
}

long RecordingRegistry::RegCloseKey(reg::Key key) {
    paths_.erase(key);
    return inner_.RegCloseKey(key);
}

long RecordingRegistry::RegSetValueExA(reg::Key key, const char* valueName, std::uint32_t reserved,
                                       std::uint32_t type, const std::uint8_t* data, std::uint32_t dataLength) {
    const std::string name = valueName ? valueName : "";
    const StoredValue before = listener_ ? readKeyValue(inner_, key, name) : StoredValue{};
    const long status = inner_.RegSetValueExA(key, valueName, reserved, type, data, dataLength);
    if (status == reg::Success) tell(key, valueName, before);
    return status;
}

long RecordingRegistry::RegDeleteValueA(reg::Key key, const char* valueName) {
    const std::string name = valueName ? valueName : "";
    const StoredValue before = listener_ ? readKeyValue(inner_, key, name) : StoredValue{};
    const long status = inner_.RegDeleteValueA(key, valueName);
    if (status == reg::Success && before.present) tell(key, valueName, before);
    return status;
}

void RecordingRegistry::tell(reg::Key key, const char* valueName, const StoredValue& before) {
    if (!listener_) return;
    const auto path = paths_.find(key);
    ValueChange change;
    if (path == paths_.end() || !belowStoreRoot(path->second, change.keyPath)) return;
    change.valueName = valueName ? valueName : "";
    change.setting = change.keyPath.empty() ? change.valueName : change.keyPath + "\\" + change.valueName;
    change.before = before;
    change.after = readKeyValue(inner_, key, change.valueName);
    // Writing what was there already changes nothing to take back.
    if (change.before == change.after) return;
    if (transactions_) held_.push_back(std::move(change));
    else listener_(change);
}

long RecordingRegistry::beginTransaction() {
    const long status = inner_.beginTransaction();
    if (status == reg::Success) ++transactions_;
    return status;
}

long RecordingRegistry::commitTransaction() {
    const long status = inner_.commitTransaction();
    if (transactions_ > 0 && --transactions_ == 0) {
        std::vector<ValueChange> saved = std::move(held_);
        held_.clear();
        if (status == reg::Success && listener_)
            for (const ValueChange& change : saved) listener_(change);
    }
    return status;
}

void RecordingRegistry::rollbackTransaction() {
    inner_.rollbackTransaction();
    transactions_ = 0;
    held_.clear();
}

}  // namespace fk
