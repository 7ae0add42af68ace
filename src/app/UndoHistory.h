// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run's undo stack: every value the program writes or deletes is
// recorded, and the writes of one button press (one turn of the event
// loop) become one step. An undo or redo whose write fails says "Setting
// not saved." and leaves the stack as it was.
#include "app/UndoCommands.h"
#include "store/ValueChange.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <optional>
#include <vector>

class QWidget;

namespace fk {

class RecordingRegistry;
namespace dialogs { class MessageDialog; }

// The changes of one step, each value once: its first before, its last after.
std::vector<ValueChange> merged(const std::vector<ValueChange>& changes);

class UndoHistory : public QObject {
    Q_OBJECT
public:
    UndoHistory(RecordingRegistry& registry, dialogs::MessageDialog& messages, QWidget* window);

    // For its signals and state: undo and redo go through this class.
    QUndoStack& stack() { return stack_; }

    // The changes recorded so far make one step, named `text` (or after
    // the settings they touch when empty).
    void commitPending(const QString& text = {});
    // Changes made elsewhere (an import), as one step.
    void addStep(std::vector<ValueChange> changes, const QString& text);

    bool undo();
    bool redo();

signals:
    // The store changed: a new step, an undo or a redo.
    void storeChanged();
    // A change was saved while Wine started in the prefix: the user has
    // been told, and the store saves nothing more.
    void wineStarted();

private:
    void record(const ValueChange& change);
    void changed();
    bool step(bool back);

    RecordingRegistry& registry_;
    dialogs::MessageDialog& messages_;
    QWidget* window_;
    QUndoStack stack_;
    // Set when the last undo or redo was refused.
    std::optional<RefusedStep> refused_;
    std::vector<ValueChange> pending_;
    bool commitQueued_ = false;
};

}  // namespace fk
