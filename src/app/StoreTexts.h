// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The store's reports in the user's words: it hands up codes and what they
// name, and these put them in sentences through tr().
#include "store/ChangedSettings.h"
#include "store/TransferProblem.h"
#include "store/ValueChange.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace fk {

class StoreTexts {
    Q_DECLARE_TR_FUNCTIONS(fk::StoreTexts)
public:
    // Why an export or an import was refused, a whole sentence.
    static QString problem(const TransferProblem& problem);
    // What an errno of files:: means, to follow a colon.
    static QString fileError(int error);
    // "absent", a number or a quoted text.
    static QString value(const StoredValue& value);
    // A changed setting's value, its parts joined.
    static QString shown(const std::vector<ShownValue>& parts);
    // Which setting was not saved and, when some stayed written, what the
    // store holds now.
    static QString notApplied(const ApplyFailure& failure);

private:
    static QString skipped(regfile::Skip skip);
    static QString part(const ShownValue& part);
};

}  // namespace fk
