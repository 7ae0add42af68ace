#pragma once
// Which settings of the current preferences key differ from their catalogue
// default, with the stored and the default value in words. Reads only:
// no value is written and no key created.
#include "platform/registry/Registry.h"

#include <string>

namespace fk {

struct SettingState {
    bool changed = false;
    // Stored values the add-on does not use (a disabled font's): no change.
    bool unused = false;
    std::string stored;     // code page 1252, as shown to the user
    std::string byDefault;
};

// Entry `index` as stored under `key`, the account's (or the all-users)
// preferences key.
SettingState settingState(reg::Registry& registry, reg::Key key, int index);

}  // namespace fk
