#pragma once
// One undo step: values changed together, each with what it held before
// and after.
#include "platform/registry/Registry.h"
#include "store/SettingsTransfer.h"

#include <QUndoCommand>

#include <vector>

namespace fk {

class ValueChangeCommand : public QUndoCommand {
public:
    ValueChangeCommand(reg::Registry& registry, std::vector<ValueChange> changes, const QString& text);

    // Puts back every value as it was before the step (or after it), all
    // or none: on a refused write the store stays as it was and false
    // comes back, unless putting back failed too: then `error` says what
    // the store holds now and `left` is not empty (see applyChanges). A
    // step holds each value once.
    bool apply(bool before, std::string* error = nullptr, std::vector<ValueChange>* left = nullptr) const;
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
