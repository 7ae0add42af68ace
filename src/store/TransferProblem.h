// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why an export or an import was refused, as a code and what it names, for
// the window to put in the user's words. No Qt.
#include "platform/regfile/RegFileReader.h"

#include <cstdint>
#include <string>

namespace fk {

struct TransferProblem {
    enum class Why {
        None,
        KeyUnreadable,    // `subject`: the key below HKEY_CURRENT_USER
        FileUnwritable,   // `subject`: the file; `error` an errno (files::)
        FileUnreadable,   // the same
        NotRegistryFile,  // no REGEDIT4 or version 5.00 header
        // Named by `line`:
        Skipped,          // a line reg ignores, for `skip`
        UnknownEscape,    // `subject`: the character after the backslash
        DeletesKey,
        OutsideStore,     // `subject`: the key as written
        ValueBeforeKey,
        // `subject` the value name:
        NotNumber,
        NotColour,
        OutOfRange,       // from `low` to `high`
        BelowMinimum,     // `low`
        TextTooLong,      // more than `high` characters
    };
    Why why = Why::None;
    int line = 0;
    std::string subject;  // UTF-8
    int error = 0;
    regfile::Skip skip = regfile::Skip::NotKeyOrValue;
    std::int32_t low = 0, high = 0;

    explicit operator bool() const { return why != Why::None; }
};

}  // namespace fk
