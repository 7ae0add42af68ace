// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One undo step: values changed together, each with what it held before
// and after.
#include "platform/registry/Registry.h"
#include "store/ValueChange.h"

#include <QUndoCommand>

#include <optional>
#include <string>
#include <vector>

namespace fk {

// Why an undo or redo wrote nothing (see applyChanges): `left` is empty
// when the store is as it was.
using RefusedStep = ApplyFailure;

class ValueChangeCommand : public QUndoCommand {
public:
    // Made once the changes are in the store, so pushing it writes nothing.
    // A refused undo or redo is put in `refused`, and the command stays on
    // the side it was.
    ValueChangeCommand(reg::Registry& registry, std::vector<ValueChange> changes, const QString& text,
                       std::optional<RefusedStep>& refused);

    // Puts back every value as it was before the step, or after it, all or
    // none. A step holds each value once.
    void undo() override { moveTo(false); }
    void redo() override { moveTo(true); }

    // The settings a step touches, as the user knows them.
    static QString describe(const std::vector<ValueChange>& changes);

private:
    void moveTo(bool after);

    reg::Registry& registry_;
    std::vector<ValueChange> changes_;
    std::optional<RefusedStep>& refused_;
    bool storeHoldsAfter_ = true;
};

}  // namespace fk
