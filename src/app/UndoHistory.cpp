#include "UndoHistory.h"

#include "Dialogs.h"
#include "Messages.h"
#include "RecordingRegistry.h"
#include "UndoCommands.h"

#include <QTimer>

#include <algorithm>
#include <QWidget>

namespace fk {

std::vector<ValueChange> merged(const std::vector<ValueChange>& changes) {
    std::vector<ValueChange> result;
    for (const ValueChange& change : changes) {
        auto same = std::find_if(result.begin(), result.end(), [&](const ValueChange& c) {
            return c.keyPath == change.keyPath && c.valueName == change.valueName;
        });
        if (same == result.end())
            result.push_back(change);
        else
            same->after = change.after;
    }
    std::erase_if(result, [](const ValueChange& c) { return c.before == c.after; });
    return result;
}

UndoHistory::UndoHistory(RecordingRegistry& registry, dialogs::MessageDialog& messages, QWidget* window)
    : QObject(window), registry_(registry), messages_(messages), window_(window) {
    registry_.setListener([this](const ValueChange& change) { record(change); });
}

void UndoHistory::record(const ValueChange& change) {
    pending_.push_back(change);
    if (commitQueued_) return;
    commitQueued_ = true;
    // Everything a button press writes happens before the event loop turns.
    QTimer::singleShot(0, this, [this] { commitPending(); });
}

void UndoHistory::commitPending(const QString& text) {
    commitQueued_ = false;
    if (pending_.empty()) return;
    const std::vector<ValueChange> changes = merged(pending_);
    pending_.clear();
    addStep(changes, text);
}

void UndoHistory::addStep(std::vector<ValueChange> changes, const QString& text) {
    if (changes.empty()) return;
    // The values are in the store already; the first redo only records that.
    stack_.push(new ValueChangeCommand(registry_.inner(), std::move(changes), text));
    emit storeChanged();
}

bool UndoHistory::undo() { return step(true); }
bool UndoHistory::redo() { return step(false); }

bool UndoHistory::step(bool back) {
    commitPending();
    if (back ? !stack_.canUndo() : !stack_.canRedo()) return false;
    // Applied before the stack moves, so that a refused write leaves it.
    auto* command = const_cast<ValueChangeCommand*>(
        static_cast<const ValueChangeCommand*>(stack_.command(back ? stack_.index() - 1 : stack_.index())));
    if (!command->apply(back)) {
        messages_.show(window_, messages::settingNotSaved(), messages::errorTitle(), dialogs::MessageIcon::Exclamation);
        return false;
    }
    command->skipNext();
    back ? stack_.undo() : stack_.redo();
    emit storeChanged();
    return true;
}

}  // namespace fk
