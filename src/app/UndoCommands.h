#pragma once
// One undo step: values changed together, each with what it held before
// and after.
#include "Registry.h"
#include "StoredValue.h"

#include <QUndoCommand>

#include <vector>

namespace fk {

class ValueChangeCommand : public QUndoCommand {
public:
    ValueChangeCommand(reg::Registry& registry, std::vector<ValueChange> changes, const QString& text);

    // Puts back every value as it was before the step (or after it). On a
    // refused write the values already put back are returned, so the store
    // is as it was, and false comes back.
    bool apply(bool before) const;
    // The next undo or redo of the stack has been applied already.
    void skipNext() { skip_ = true; }

    void undo() override;
    void redo() override;

    // The settings a step touches, as the user knows them.
    static QString describe(const std::vector<ValueChange>& changes);

private:
    reg::Registry& registry_;
    std::vector<ValueChange> changes_;
    bool skip_ = true;  // pushed once the changes are made
};

}  // namespace fk
