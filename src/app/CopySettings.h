// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > "Copy settings to…": this account's settings (all of them, or the
// changed ones) into every target ticked in one dialog: other accounts of
// this prefix, the same account of other prefixes. Each target is shown
// first in the differences view and written in one save of its own; one
// that fails is named and leaves the others as written. What landed in
// this prefix is one undo step.
#include "app/CompareSettings.h"

#include <QStringList>

namespace fk {

class CopySettings : public QObject {
    Q_OBJECT
public:
    // Another prefix the copy may go to: its user.reg and how the user knows it.
    struct OtherPrefix {
        QString hiveFile;
        QString title;
    };
    using OtherPrefixes = std::function<std::vector<OtherPrefix>()>;

    CopySettings(QWidget* window, reg::Registry& registry, dialogs::Dialogs& dialogs, MainMenu& menu,
                 CompareSettings::CurrentKey currentKey);

    // The prefixes offered as targets, and "Other folder…" through the chooser.
    void setOtherPrefixes(OtherPrefixes list) { otherPrefixes_ = std::move(list); }
    void setPrefixPicker(CompareSettings::PickPrefix pick) { pickPrefix_ = std::move(pick); }
    void copy();

signals:
    // Values written in this prefix, with what they replaced: one undo step.
    void copied(const std::vector<fk::ValueChange>& changes);

private:
    struct Target {
        QString name;         // as the user knows it
        std::string account;  // in this prefix; empty: the same account of `hiveFile`
        QString hiveFile;
    };
    struct Outcome {
        QStringList written, same, failed;
        std::vector<ValueChange> here;  // what undo takes back
    };
    void copyTo(const Target& target, const std::string& keyPath, bool changedOnly, Outcome& outcome);
    void copyInto(reg::Registry& target, const QString& name, const std::string& fromPath,
                  const std::string& toPath, bool changedOnly, Outcome& outcome, bool here);
    void report(const Outcome& outcome);
    void tell(const QString& text, bool problem = false);

    QWidget* window_;
    reg::Registry& registry_;
    dialogs::Dialogs& dialogs_;
    CompareSettings::CurrentKey currentKey_;
    CompareSettings::PickPrefix pickPrefix_;
    OtherPrefixes otherPrefixes_;
};

}  // namespace fk
