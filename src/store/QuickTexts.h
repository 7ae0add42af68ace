// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quick texts of a QuickTexts setting: the subkeys of its list key
// under the store's current key, each with a text, an alias and the
// setting's own include flag.
#include "store/PreferenceStore.h"

#include <optional>
#include <string>
#include <vector>

namespace fk {

// In the registry's own order, which the add-on shows too. The list key is
// made when it is not there; nothing when it can be neither opened nor made.
std::optional<std::vector<std::string>> listQuickTexts(PreferenceStore& store, int index);

struct QuickText {
    bool include = false;  // the default when not a stored REG_DWORD
    std::string message;   // code page 1252, stored with Windows line ends
    std::string alias;
};

// Nothing when the quick text's key cannot be opened (another program
// removed it meanwhile).
std::optional<QuickText> readQuickText(PreferenceStore& store, int index, const std::string& name);

enum class QuickTextSave {
    Done,
    WriteFailed,  // the store has told the user
    Gone,         // the quick text's key cannot be opened; nobody told yet
};
QuickTextSave writeQuickTextInclude(PreferenceStore& store, int index, const std::string& name, bool include);

}  // namespace fk
