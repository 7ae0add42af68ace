// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > "Copy settings to…": this account's settings (all of them, or the
// changed ones) into another account of this prefix or the same account of
// another prefix, shown first in the differences view; the ticked rows are
// written in one save, undoable when the target is this prefix.
#include "app/CompareSettings.h"

namespace fk {

class CopySettings : public QObject {
    Q_OBJECT
public:
    CopySettings(QWidget* window, reg::Registry& registry, dialogs::Dialogs& dialogs, MainMenu& menu,
                 CompareSettings::CurrentKey currentKey);

    void setPrefixPicker(CompareSettings::PickPrefix pick) { pickPrefix_ = std::move(pick); }
    void copy();

signals:
    // Values written in this prefix, with what they replaced: one undo step.
    void copied(const std::vector<fk::ValueChange>& changes);

private:
    void copyInto(reg::Registry& target, const std::string& fromPath, const std::string& toPath, bool changedOnly,
                  bool here);
    void tell(const QString& text);

    QWidget* window_;
    reg::Registry& registry_;
    dialogs::Dialogs& dialogs_;
    CompareSettings::CurrentKey currentKey_;
    CompareSettings::PickPrefix pickPrefix_;
};

}  // namespace fk
