// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UndoHistory.h"

#include "app/Messages.h"
#include "app/StoreTexts.h"
#include "dialogs/Dialogs.h"
#include "store/RecordingRegistry.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>

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
    // The values are in the store already: pushing writes nothing.
    stack_.push(new ValueChangeCommand(registry_.inner(), std::move(changes), text, refused_));
    changed();
}

bool UndoHistory::undo() { return step(true); }
bool UndoHistory::redo() { return step(false); }

bool UndoHistory::step(bool back) {
    commitPending();
    if (back ? !stack_.canUndo() : !stack_.canRedo()) return false;
    refused_.reset();
    back ? stack_.undo() : stack_.redo();
    if (!refused_) {
        changed();
        return true;
    }
    // The command kept its side, so stepping back over it writes nothing
    // and the stack is where it was.
    back ? stack_.redo() : stack_.undo();
    const RefusedStep& refused = *refused_;
    QString text = messages::settingNotSaved();
    // Part of the step stayed written: say what the store holds.
    if (!refused.left.empty()) text += QLatin1Char('\n') + StoreTexts::notApplied(refused);
    messages_.show(window_, text, messages::errorTitle(), dialogs::MessageIcon::Exclamation);
    if (!refused.left.empty()) changed();
    return false;
}

void UndoHistory::changed() {
    // Saved, but Wine started meanwhile: said once, and nothing more is saved.
    if (registry_.takeWineStartedDuringSave()) {
        messages_.show(window_, messages::wineStartedDuringSave(), messages::warningTitle(),
                       dialogs::MessageIcon::Exclamation);
        emit wineStarted();
    }
    emit storeChanged();
}

}  // namespace fk
