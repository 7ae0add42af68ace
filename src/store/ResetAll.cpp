// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ResetAll.h"

#include "catalogue/Catalogue.h"
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Listing.h"
#include "store/PreferenceStore.h"
#include "store/StoredFont.h"

#include <algorithm>
#include <vector>

namespace fk {

namespace {

bool resetSwitch(PreferenceStore& store, const SettingEntry& e) {
    const SwitchTextPair& pair = catalogue().switchTextPairs.at(std::size_t(e.auxIndex));
    const reg::Key key = store.currentKey();
    if (pair.textDefaultAbsent) {
        store.deleteSettingValue(pair.textValueName);
        return store.writeNumber(key, pair.switchValueName, pair.defaultSwitch ? 1 : 0);
    }
    return store.writeNumber(key, pair.switchValueName, pair.defaultSwitch ? 1 : 0) &&
           store.writeText(key, pair.textValueName, pair.defaultText);
}

// Every quick text there is gets its default include flag; none is created.
bool resetQuickTexts(PreferenceStore& store, const SettingEntry& e) {
    const QuickTextDefault& row = catalogue().quickTextDefaults.at(std::size_t(e.auxIndex));
    reg::Registry& registry = store.registry();
    const reg::KeyHandle list = reg::KeyHandle::open(registry, store.currentKey(), row.subkeyName, reg::KeyRead);
    if (!list.ok()) return true;
    for (const std::string& name : reg::listSubkeys(registry, list.get())) {
        const reg::KeyHandle item = reg::KeyHandle::open(registry, list.get(), name, reg::KeyAllAccess);
        if (item.ok() && !store.writeNumber(item.get(), e.valueName, row.defaultInclude ? 1 : 0)) return false;
    }
    return true;
}

}  // namespace

ResetResult resetSetting(PreferenceStore& store, int index) {
    const SettingEntry& e = settingEntry(index);
    bool saved = true;
    using enum SettingKind;
    switch (e.kind) {
    case Boolean: saved = store.writeSettingBoolean(e.defaultBool, index); break;
    case Number: saved = store.writeSettingNumber(e.defaultLong, index); break;
    case File:
    case Account: saved = store.writeSettingText(e.defaultText, index); break;
    case Text:
        if (e.textDefaultAbsent)
            store.deleteSettingValue(e.valueName);
        else
            saved = store.writeSettingText(e.defaultText, index);
        break;
    case Colour:
        if (e.colourDefaultAbsent)
            store.deleteSettingValue(e.valueName);
        else
            saved = store.writeSettingNumber(e.defaultLong, index);
        break;
    case SwitchWithText: saved = resetSwitch(store, e); break;
    // As the font panel saves its defaults.
    case Font: return writeFontSetting(store, index, catalogue().fontDefaults.at(std::size_t(e.auxIndex)));
    case QuickTexts: saved = resetQuickTexts(store, e); break;
    default: break;
    }
    return saved ? ResetResult::Done : ResetResult::WriteFailed;
}

ResetResult resetAllSettings(PreferenceStore& store, bool allUsers) {
    return store.inOneSave([&store, allUsers] {
        for (int index = 0; index < SettingCount; ++index) {
            if (settingEntry(index).allUsers != allUsers) continue;
            const ResetResult result = resetSetting(store, index);
            if (result != ResetResult::Done) return result;
        }
        return ResetResult::Done;
    });
}

}  // namespace fk
