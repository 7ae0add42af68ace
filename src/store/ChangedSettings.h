// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which settings of the current preferences key differ from their catalogue
// default, with the stored and the default value in words. Reads only:
// no value is written and no key created.
#include "platform/registry/Registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fk {

// A value as the user is shown it, for the window to put in words.
struct ShownValue {
    enum class Kind { NotSet, Number, Flag, Colour, Text, Font, HiddenFrom };
    Kind kind = Kind::NotSet;
    // Number; Flag 0 or 1; Colour 0x00bbggrr; Font its size.
    std::int32_t number = 0;
    // Code page 1252: Text; Font its face; HiddenFrom the quick texts kept
    // out of the menu, ", " between them.
    std::string text;
    std::int32_t weight = 0, charSet = -1;  // Font; -1: the default set
    bool italic = false, enabled = false;
};

struct SettingState {
    bool changed = false;
    // Stored values the add-on does not use (a disabled font's): no change.
    bool unused = false;
    // One part each, two for a switch and its text.
    std::vector<ShownValue> stored, byDefault;
};

// Entry `index` as stored under `key`, the account's (or the all-users)
// preferences key.
SettingState settingState(reg::Registry& registry, reg::Key key, int index);

}  // namespace fk
