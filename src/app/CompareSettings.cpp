// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CompareSettings.h"

#include "app/DifferenceRows.h"
#include "app/MainMenu.h"
#include "app/RegistryTexts.h"
#include "app/StoreTexts.h"
#include "dialogs/Dialogs.h"
#include "editors/AnsiText.h"
#include "platform/bridge/OpenRegistry.h"
#include "store/KeyComparison.h"
#include "store/SettingsCopy.h"
#include "store/SettingsTransfer.h"

#include <QAction>
#include <QWidget>

namespace fk {

namespace {

QString compareTitle() { return CompareSettings::tr("Compare settings"); }

}  // namespace

CompareSettings::CompareSettings(QWidget* window, reg::Registry& registry, dialogs::Dialogs& dialogs, MainMenu& menu,
                                 CurrentKey currentKey)
    : QObject(window),
      window_(window),
      registry_(registry),
      dialogs_(dialogs),
      currentKey_(std::move(currentKey)),
      action_(new QAction(tr("&Compare with…"), this)) {
    action_->setObjectName(QStringLiteral("actionCompare"));
    connect(action_, &QAction::triggered, this, &CompareSettings::compare);
    menu.addFileAction(action_);
}

void CompareSettings::compare() {
    const std::optional<std::string> keyPath = currentKey_();
    if (!keyPath) return tell(tr("Choose an account first."));
    // The other accounts by name, then the other places.
    const std::vector<std::string> accounts =
        keyPath->empty() ? std::vector<std::string>{} : otherAccounts(registry_, *keyPath);
    QStringList choices;
    for (const std::string& account : accounts) choices << fromAnsi(account);
    if (pickPrefix_) choices << tr("Another prefix…");
    choices << tr("A .reg file…");
    const std::optional<int> source =
        dialogs_.questions.ask(window_, compareTitle(), tr("Compare these settings with:"), choices);
    if (!source) return;
    const std::optional<std::vector<ValueChange>> changes = changesFrom(*keyPath, *source, accounts);
    if (!changes) return;
    if (changes->empty()) return tell(tr("No setting differs."));
    const std::vector<SettingDifference> differences = gatherDifferences(registry_, *changes);
    const std::optional<std::vector<int>> chosen =
        dialogs_.differences.choose(window_, compareTitle(), tr("%n setting(s) differ:", nullptr, int(differences.size())),
                                    differenceRows(differences), tr("Take values over…"), true);
    if (!chosen || chosen->empty()) return;
    const std::vector<ValueChange> taking = chosenChanges(differences, *chosen);
    ApplyFailure failure;
    if (!applyChanges(registry_, taking, false, failure)) {
        tell(StoreTexts::notApplied(failure));
        if (!failure.left.empty()) emit taken(failure.left);
        return;
    }
    emit taken(taking);
}

std::optional<std::vector<ValueChange>> CompareSettings::changesFrom(const std::string& keyPath, int source,
                                                                     const std::vector<std::string>& accounts) {
    if (size_t(source) < accounts.size())
        return compareKeys(registry_, keyPath, registry_, accounts[size_t(source)] + "\\Preferences");
    if (pickPrefix_ && size_t(source) == accounts.size()) {
        const std::optional<QString> hive = pickPrefix_();
        if (!hive) return std::nullopt;
        reg::RegistryChoice other = reg::openRegistryFor(hive->toStdString());
        if (!other.registry) return tell(RegistryTexts::problem(other.error)), std::nullopt;
        return compareKeys(registry_, keyPath, *other.registry, keyPath);
    }
    const std::optional<QString> file = dialogs_.files.openFile(
        window_, compareTitle(), {tr("Registry files (*.reg)"), tr("All files (*.*)")}, false);
    if (!file) return std::nullopt;
    ImportPlan plan = planImportFile(registry_, file->toStdString());
    if (!plan.ok()) return tell(StoreTexts::problem(plan.refused)), std::nullopt;
    return plan.changes;
}

void CompareSettings::tell(const QString& text) {
    dialogs_.messages.show(window_, text, compareTitle(), dialogs::MessageIcon::Information);
}

}  // namespace fk
