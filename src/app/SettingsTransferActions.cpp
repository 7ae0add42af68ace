// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsTransferActions.h"

#include "app/DifferenceRows.h"
#include "app/MainMenu.h"
#include "app/StoreTexts.h"
#include "dialogs/Dialogs.h"
#include "editors/AnsiText.h"

#include <QAction>
#include <QDir>
#include <QWidget>

namespace fk {

namespace {

QString exportTitle() { return SettingsTransferActions::tr("Export settings"); }
QString importTitle() { return SettingsTransferActions::tr("Import settings"); }
QStringList regFilters() {
    return {SettingsTransferActions::tr("Registry files (*.reg)"), SettingsTransferActions::tr("All files (*.*)")};
}

}  // namespace

SettingsTransferActions::SettingsTransferActions(QWidget* window, reg::Registry& registry, dialogs::Dialogs& dialogs,
                                                 MainMenu& menu, CurrentKey currentKey)
    : QObject(window),
      window_(window),
      registry_(registry),
      dialogs_(dialogs),
      currentKey_(std::move(currentKey)),
      export_(new QAction(tr("&Export settings…"), this)),
      import_(new QAction(tr("&Import settings…"), this)) {
    export_->setObjectName(QStringLiteral("actionExport"));
    import_->setObjectName(QStringLiteral("actionImport"));
    connect(export_, &QAction::triggered, this, &SettingsTransferActions::exportSettings);
    connect(import_, &QAction::triggered, this, &SettingsTransferActions::importSettings);
    menu.addFileAction(export_);
    menu.addFileAction(import_);
}

void SettingsTransferActions::exportSettings() {
    // "This account" needs one chosen; with all users it is the store root's own values and subkeys.
    std::optional<std::string> current = currentKey_();
    QStringList choices;
    if (current) choices << tr("This account");
    choices << tr("Every account");
    std::optional<int> choice =
        dialogs_.questions.ask(window_, exportTitle(), tr("Which settings do you want to export?"), choices);
    if (!choice) return;
    const bool everyAccount = !current || *choice == 1;
    const std::string keyPath = everyAccount ? std::string() : *current;
    QString suggested = QStringLiteral("Brisko2");
    if (!keyPath.empty()) suggested += QLatin1Char(' ') + fromAnsi(keyPath.substr(0, keyPath.find('\\')));
    std::optional<QString> file =
        dialogs_.files.saveFile(window_, exportTitle(), regFilters(), suggested + QStringLiteral(".reg"));
    if (!file) return;
    if (const TransferProblem refused = exportSettingsToFile(registry_, keyPath, file->toStdString()))
        return tell(StoreTexts::problem(refused), true);
    emit exported(QDir::toNativeSeparators(*file));
}

void SettingsTransferActions::importSettings() {
    std::optional<QString> file = dialogs_.files.openFile(window_, importTitle(), regFilters(), false);
    if (!file) return;
    ImportPlan plan = planImportFile(registry_, file->toStdString());
    if (!plan.ok()) return tell(StoreTexts::problem(plan.refused) + tr("\nNothing was imported."), true);
    if (plan.changes.empty()) return tell(tr("The file holds no setting that differs from what is stored."), false);

    // The user picks which of the settings to take; only those are written, in one save.
    const std::vector<SettingDifference> differences = gatherDifferences(registry_, plan.changes);
    const QString question = tr("Importing %1 changes %n setting(s):", nullptr, int(differences.size())).arg(*file);
    const std::optional<std::vector<int>> chosen =
        dialogs_.differences.choose(window_, importTitle(), question, differenceRows(differences), tr("Import"));
    if (!chosen || chosen->empty()) return;
    const std::vector<ValueChange> changes = chosenChanges(differences, *chosen);
    ApplyFailure failure;
    if (!applyChanges(registry_, changes, false, failure)) {
        tell(StoreTexts::notApplied(failure), true);
        // Those could not be put back: they are in the store, and undo can take them back.
        if (!failure.left.empty()) emit imported(failure.left);
        return;
    }
    emit imported(changes);
}

void SettingsTransferActions::tell(const QString& text, bool problem) {
    dialogs_.messages.show(window_, text, problem ? tr("Error") : importTitle(),
                           problem ? dialogs::MessageIcon::Exclamation : dialogs::MessageIcon::Information);
}

}  // namespace fk
