// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingDifferences.h"

#include "platform/registry/KeyHandle.h"
#include "platform/registry/Transaction.h"
#include "store/ImportRules.h"
#include "store/PreferenceStore.h"
#include "store/SettingWords.h"
#include "text/Cp1252.h"

#include <algorithm>

namespace fk {

namespace {

// A value no setting knows, as reg shows it; a text quoted.
std::string rawWords(const StoredValue& value) {
    if (!value.present) return "absent";
    bool isText = false;
    const std::string data = valueData(value, &isText);
    return isText ? "\"" + data + "\"" : data;
}

// "alice\Preferences" of "alice\Preferences\WindowFont"; the root's
// settings (and their fonts) have none.
std::string preferencesKeyOf(const std::string& keyPath) {
    const size_t slash = keyPath.find('\\');
    if (slash == std::string::npos) return {};
    const std::string second = keyPath.substr(slash + 1, keyPath.find('\\', slash + 1) - slash - 1);
    std::string lower = second;
    for (char& c : lower) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower == "preferences" ? keyPath.substr(0, slash) + "\\" + second : std::string();
}

std::string wordsIn(reg::Registry& registry, const std::string& keyPath, int index) {
    const reg::KeyHandle key = reg::KeyHandle::open(registry, reg::CurrentUser, storeKeyPath(keyPath), reg::KeyRead);
    PreferenceStore store(registry, nullptr);
    store.setCurrentKey(key.get());
    return storedWords(store, index);
}

}  // namespace

std::vector<SettingDifference> gatherDifferences(reg::Registry& registry, const std::vector<ValueChange>& changes) {
    std::vector<SettingDifference> rows;
    for (const ValueChange& change : changes) {
        const int index = settingOfValue(change.keyPath, change.valueName);
        const std::string keyPath = index >= 0 ? preferencesKeyOf(change.keyPath) : change.keyPath;
        auto row = std::find_if(rows.begin(), rows.end(), [&](const SettingDifference& r) {
            return r.index == index && r.keyPath == keyPath && (index >= 0 || r.changes[0].valueName == change.valueName);
        });
        if (row == rows.end()) {
            SettingDifference added{keyPath, index, text::cp1252ToUtf8(index >= 0 ? settingEntry(index).valueName
                                                                                : change.setting),
                                    {}, {}, {}, {}};
            if (index >= 0) added.byDefault = defaultWords(index);
            row = rows.insert(rows.end(), std::move(added));
        }
        row->changes.push_back(change);
    }
    for (SettingDifference& row : rows) {
        if (row.index < 0) {
            row.current = rawWords(row.changes[0].before);
            row.incoming = rawWords(row.changes[0].after);
            continue;
        }
        row.current = wordsIn(registry, row.keyPath, row.index);
        // Tried and forgotten: only the outermost scope would save.
        reg::Transaction trial(registry);
        ApplyFailure failure;
        if (trial.active() && applyChanges(registry, row.changes, false, failure))
            row.incoming = wordsIn(registry, row.keyPath, row.index);
        else
            row.incoming = rawWords(row.changes.back().after);
    }
    return rows;
}

std::vector<ValueChange> chosenChanges(const std::vector<SettingDifference>& rows, const std::vector<int>& chosen) {
    std::vector<ValueChange> changes;
    for (int i : chosen)
        if (i >= 0 && size_t(i) < rows.size())
            changes.insert(changes.end(), rows[size_t(i)].changes.begin(), rows[size_t(i)].changes.end());
    return changes;
}

}  // namespace fk
