// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > "Compare with…": this account's settings beside another account's,
// the same account's in another prefix, or an exported .reg file, in the
// differences view; read-only unless the user takes values over, which
// writes the ticked rows in one save.
#include "platform/registry/Registry.h"
#include "store/ValueChange.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QWidget;

namespace fk {

class MainMenu;
namespace dialogs { struct Dialogs; }

class CompareSettings : public QObject {
    Q_OBJECT
public:
    // The current preferences key below the store root ("" for all users), or nothing.
    using CurrentKey = std::function<std::optional<std::string>()>;
    // The user.reg of another prefix the user picks; nothing when cancelled.
    using PickPrefix = std::function<std::optional<QString>()>;

    CompareSettings(QWidget* window, reg::Registry& registry, dialogs::Dialogs& dialogs, MainMenu& menu,
                    CurrentKey currentKey);

    // Without one, "Another prefix…" is not offered.
    void setPrefixPicker(PickPrefix pick) { pickPrefix_ = std::move(pick); }
    void compare();

signals:
    // Values taken over, with what they replaced: one undo step.
    void taken(const std::vector<fk::ValueChange>& changes);

private:
    std::optional<std::vector<ValueChange>> changesFrom(const std::string& keyPath, int source,
                                                        const std::vector<std::string>& accounts);
    void tell(const QString& text);

    QWidget* window_;
    reg::Registry& registry_;
    dialogs::Dialogs& dialogs_;
    CurrentKey currentKey_;
    PickPrefix pickPrefix_;
    QAction* action_;
};

}  // namespace fk
