// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File > "Export settings…" and "Import settings…": the window's side of
// backing up and sharing settings as .reg files. The files themselves are
// the store's business (SettingsTransfer); this asks the user, through the
// dialog seams, and tells the window what changed.
#include "store/SettingsTransfer.h"

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

class SettingsTransferActions : public QObject {
    Q_OBJECT
public:
    // The current preferences key below the store root ("" for all users),
    // or nothing before an account is chosen.
    using CurrentKey = std::function<std::optional<std::string>()>;

    SettingsTransferActions(QWidget* window, reg::Registry& registry, dialogs::Dialogs& dialogs, MainMenu& menu,
                            CurrentKey currentKey);

    void exportSettings();
    void importSettings();

signals:
    // After an import was written: every value it changed, with what it
    // replaced. The window re-shows its panel; undo keeps the list.
    void imported(const std::vector<fk::ValueChange>& changes);
    // After an export was written, with the file's path.
    void exported(const QString& file);

private:
    void tell(const QString& text, bool problem);

    QWidget* window_;
    reg::Registry& registry_;
    dialogs::Dialogs& dialogs_;
    CurrentKey currentKey_;
    QAction* export_;
    QAction* import_;
};

}  // namespace fk
