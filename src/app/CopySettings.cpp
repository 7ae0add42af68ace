// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CopySettings.h"

#include "app/DifferenceRows.h"
#include "app/MainMenu.h"
#include "app/RegistryTexts.h"
#include "app/StoreTexts.h"
#include "dialogs/Dialogs.h"
#include "editors/AnsiText.h"
#include "platform/bridge/OpenRegistry.h"
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Listing.h"
#include "store/ChangedSettings.h"
#include "store/KeyComparison.h"
#include "store/SettingDifferences.h"

#include <QAction>
#include <QWidget>

namespace fk {

namespace {

QString copyTitle() { return CopySettings::tr("Copy settings"); }

}  // namespace

CopySettings::CopySettings(QWidget* window, reg::Registry& registry, dialogs::Dialogs& dialogs, MainMenu& menu,
                           CompareSettings::CurrentKey currentKey)
    : QObject(window), window_(window), registry_(registry), dialogs_(dialogs), currentKey_(std::move(currentKey)) {
    auto* action = new QAction(tr("Cop&y settings to…"), this);
    action->setObjectName(QStringLiteral("actionCopy"));
    connect(action, &QAction::triggered, this, &CopySettings::copy);
    menu.addFileAction(action);
}

void CopySettings::copy() {
    const std::optional<std::string> keyPath = currentKey_();
    if (!keyPath || keyPath->empty()) return tell(tr("Choose an account first."));
    const std::string mine = keyPath->substr(0, keyPath->find('\\'));
    std::vector<std::string> accounts;
    QStringList choices;
    const reg::KeyHandle root = reg::KeyHandle::open(registry_, reg::CurrentUser, StoreRootPath, reg::KeyRead);
    for (const std::string& account : reg::listSubkeys(registry_, root.get()))
        if (account != mine) accounts.push_back(account), choices << fromAnsi(account);
    if (pickPrefix_) choices << tr("Another prefix…");
    const std::optional<int> target = dialogs_.questions.ask(window_, copyTitle(), tr("Copy these settings to:"), choices);
    if (!target) return;
    const std::optional<int> which = dialogs_.questions.ask(window_, copyTitle(), tr("Which settings?"),
                                                            {tr("Every setting"), tr("Only the changed ones")});
    if (!which) return;
    if (size_t(*target) < accounts.size())
        return copyInto(registry_, *keyPath, accounts[size_t(*target)] + "\\Preferences", *which == 1, true);
    const std::optional<QString> hive = pickPrefix_ ? pickPrefix_() : std::nullopt;
    if (!hive) return;
    reg::RegistryChoice other = reg::openRegistryFor(hive->toStdString());
    if (!other.registry || other.wineRunning)
        return tell(RegistryTexts::problem(other.registry ? reg::wineWithoutBridge(other.bridgeError) : other.error));
    copyInto(*other.registry, *keyPath, *keyPath, *which == 1, false);
}

// The target's differences from this account, in the target's terms.
void CopySettings::copyInto(reg::Registry& target, const std::string& fromPath, const std::string& toPath,
                            bool changedOnly, bool here) {
    std::vector<ValueChange> changes = compareKeys(target, toPath, registry_, fromPath);
    std::vector<SettingDifference> differences = gatherDifferences(target, changes);
    if (changedOnly) {
        const reg::KeyHandle key = reg::KeyHandle::open(registry_, reg::CurrentUser, storeKeyPath(fromPath), reg::KeyRead);
        std::erase_if(differences, [&](const SettingDifference& d) {
            return d.index < 0 || !settingState(registry_, key.get(), d.index).changed;
        });
    }
    if (differences.empty()) return tell(tr("No setting differs."));
    const std::optional<std::vector<int>> chosen = dialogs_.differences.choose(
        window_, copyTitle(), tr("Copying changes %n setting(s):", nullptr, int(differences.size())),
        differenceRows(differences), tr("Copy"));
    if (!chosen || chosen->empty()) return;
    const std::vector<ValueChange> taking = chosenChanges(differences, *chosen);
    ApplyFailure failure;
    if (!applyChanges(target, taking, false, failure)) {
        tell(StoreTexts::notApplied(failure));
        if (here && !failure.left.empty()) emit copied(failure.left);
        return;
    }
    if (here) emit copied(taking);
}

void CopySettings::tell(const QString& text) {
    dialogs_.messages.show(window_, text, copyTitle(), dialogs::MessageIcon::Information);
}

}  // namespace fk
