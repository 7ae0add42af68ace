// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings' values in words, both ways, as the command line and the
// differences view show them: what one reads, the other takes back. Texts
// are UTF-8 here, code page 1252 in the store. No Qt.
#include "catalogue/Catalogue.h"
#include "store/PreferenceStore.h"
#include "store/TransferProblem.h"

#include <functional>

#include <string>

namespace fk {

// The entry of that value name, any case; -1 when the catalogue has none.
int findSetting(const std::string& name);
std::string kindName(SettingKind kind);
std::string defaultWords(int index);
// "1 to 100", "0 or more", else empty.
std::string rangeWords(int index);

// As stored under the store's current key (the default when nothing is).
std::string storedWords(PreferenceStore& store, int index);

// Writes `words` as setting `index` under the store's current key, whose
// path below the store root is `keyPath`. Empty when written; otherwise why
// not, and nothing of it is meant to be kept.
// `say` words a value the store's rules refuse.
using ProblemWords = std::function<std::string(const TransferProblem&)>;
std::string writeWords(PreferenceStore& store, const std::string& keyPath, int index, const std::string& words,
                       const ProblemWords& say);

}  // namespace fk
