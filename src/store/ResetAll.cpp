#include "ResetAll.h"

#include "Catalogue.h"
#include "Listing.h"
#include "PreferenceStore.h"

#include <algorithm>
#include <vector>

namespace fk {

namespace {

bool resetSwitch(PreferenceStore& store, const SettingEntry& e) {
    const SwitchTextPair& pair = catalogue().SwitchTextPairs.at(std::size_t(e.AuxIndex));
    const reg::Key key = store.currentKey();
    if (pair.TextDefaultAbsent) {
        store.DeleteSettingValue(pair.TextValueName);
        return store.writeNumber(key, pair.SwitchValueName, pair.DefaultSwitch ? 1 : 0);
    }
    return store.writeNumber(key, pair.SwitchValueName, pair.DefaultSwitch ? 1 : 0) &&
           store.writeText(key, pair.TextValueName, pair.DefaultText);
}

// As the font panel saves its defaults: "Charset" equal to its default is
// left as stored.
ResetResult resetFont(PreferenceStore& store, const SettingEntry& e) {
    const FontDefault& f = catalogue().FontDefaults.at(std::size_t(e.AuxIndex));
    reg::Registry& registry = store.registry();
    reg::Key key = 0;
    std::uint32_t disposition = 0;
    if (registry.RegCreateKeyExA(store.currentKey(), e.ValueName.c_str(), 0, "", 0, reg::KeyAllAccess,
                                 &reg::CreateKeySecurity, &key, &disposition) != reg::Success)
        return ResetResult::KeyNotCreated;
    const bool saved = store.writeNumber(key, "Enable", f.Enabled) && store.writeNumber(key, "Italic", f.Italic) &&
                       store.writeNumber(key, "Weight", f.Weight) && store.writeNumber(key, "Height", f.Size) &&
                       store.writeText(key, "Name", f.FaceName);
    registry.RegCloseKey(key);
    return saved ? ResetResult::Done : ResetResult::WriteFailed;
}

// Every quick text there is gets its default include flag; none is created.
bool resetQuickTexts(PreferenceStore& store, const SettingEntry& e) {
    const QuickTextDefault& row = catalogue().QuickTextDefaults.at(std::size_t(e.AuxIndex));
    reg::Registry& registry = store.registry();
    reg::Key list = 0;
    if (registry.RegOpenKeyExA(store.currentKey(), row.SubkeyName.c_str(), 0, reg::KeyRead, &list) != reg::Success)
        return true;
    bool saved = true;
    for (const std::string& name : reg::listSubkeys(registry, list)) {
        reg::Key item = 0;
        if (registry.RegOpenKeyExA(list, name.c_str(), 0, reg::KeyAllAccess, &item) != reg::Success) continue;
        saved = store.writeNumber(item, e.ValueName, row.DefaultInclude ? 1 : 0);
        registry.RegCloseKey(item);
        if (!saved) break;
    }
    registry.RegCloseKey(list);
    return saved;
}

ResetResult resetOne(PreferenceStore& store, int index) {
    const SettingEntry& e = settingEntry(index);
    bool saved = true;
    switch (e.Kind) {
    case Boolean: saved = store.WriteSettingBoolean(e.DefaultBool, index); break;
    case Number: saved = store.WriteSettingNumber(e.DefaultLong, index); break;
    case File:
    case Account: saved = store.WriteSettingText(e.DefaultText, index); break;
    case Text:
        if (e.TextDefaultAbsent)
            store.DeleteSettingValue(e.ValueName);
        else
            saved = store.WriteSettingText(e.DefaultText, index);
        break;
    case Colour:
        if (e.ColourDefaultAbsent)
            store.DeleteSettingValue(e.ValueName);
        else
            saved = store.WriteSettingNumber(e.DefaultLong, index);
        break;
    case SwitchWithText: saved = resetSwitch(store, e); break;
    case Font: return resetFont(store, e);
    case QuickTexts: saved = resetQuickTexts(store, e); break;
    default: break;
    }
    return saved ? ResetResult::Done : ResetResult::WriteFailed;
}

}  // namespace

ResetResult resetAllSettings(PreferenceStore& store, bool allUsers) {
    for (int index = 0; index < SettingCount; ++index) {
        if (settingEntry(index).AllUsers != allUsers) continue;
        const ResetResult result = resetOne(store, index);
        if (result != ResetResult::Done) return result;
    }
    return ResetResult::Done;
}

}  // namespace fk
