// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CopySettings.h"

#include "app/DifferenceRows.h"
#include "app/MainMenu.h"
#include "app/PrefixChoice.h"
#include "app/RegistryTexts.h"
#include "app/StoreTexts.h"
#include "dialogs/Dialogs.h"
#include "editors/AnsiText.h"
#include "platform/bridge/OpenRegistry.h"
#include "store/SettingsCopy.h"

#include <QAction>
#include <QWidget>

namespace fk {

namespace {

QString copyTitle() { return CopySettings::tr("Copy settings"); }

// The target's name leads its line, so its settings are named as its rows
// name them, not again with the account's key.
ApplyFailure belowTarget(ApplyFailure failure, const std::string& toPath) {
    const std::string prefix = toPath + "\\";
    auto shorten = [&](std::string& setting) {
        if (setting.starts_with(prefix)) setting.erase(0, prefix.size());
    };
    shorten(failure.setting);
    for (ValueChange& stuck : failure.left) shorten(stuck.setting);
    return failure;
}

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
    std::vector<Target> targets;
    for (const std::string& account : otherAccounts(registry_, *keyPath))
        targets.push_back({fromAnsi(account), account + "\\Preferences", {}});
    const std::string mine = keyPath->substr(0, keyPath->find('\\'));
    for (const OtherPrefix& prefix : otherPrefixes_ ? otherPrefixes_() : std::vector<OtherPrefix>{})
        targets.push_back({tr("%1 in %2").arg(fromAnsi(mine), prefix.title), {}, prefix.hiveFile});
    QStringList offered;
    for (const Target& target : targets) offered << target.name;
    if (pickPrefix_) offered << tr("Other folder…");
    const std::optional<dialogs::CopyTargets> chosen = dialogs_.copyTargets.choose(window_, copyTitle(), offered);
    if (!chosen) return;
    Outcome outcome;
    for (int index : chosen->ticked) {
        if (size_t(index) < targets.size()) {
            copyTo(targets[size_t(index)], *keyPath, chosen->changedOnly, outcome);
            continue;
        }
        if (const std::optional<QString> hive = pickPrefix_())
            copyTo({tr("%1 in %2").arg(fromAnsi(mine), prefixTitle(prefixOf(*hive))), {}, *hive}, *keyPath,
                   chosen->changedOnly, outcome);
    }
    if (!outcome.here.empty()) emit copied(outcome.here);
    report(outcome);
}

void CopySettings::copyTo(const Target& target, const std::string& keyPath, bool changedOnly, Outcome& outcome) {
    if (!target.account.empty()) {
        copyInto(registry_, target.name, keyPath, target.account, changedOnly, outcome, true);
        return;
    }
    // Opened as any store is: through the bridge when Wine runs there.
    reg::RegistryChoice other = reg::openRegistryFor(target.hiveFile.toStdString());
    if (!other.registry || other.wineRunning) {
        outcome.failed << tr("%1: %2").arg(
            target.name, RegistryTexts::problem(other.registry ? reg::wineWithoutBridge(other.bridgeError) : other.error));
        return;
    }
    copyInto(*other.registry, target.name, keyPath, keyPath, changedOnly, outcome, false);
}

void CopySettings::copyInto(reg::Registry& target, const QString& name, const std::string& fromPath,
                            const std::string& toPath, bool changedOnly, Outcome& outcome, bool here) {
    const std::vector<SettingDifference> differences = copyDifferences(registry_, fromPath, target, toPath, changedOnly);
    if (differences.empty()) {
        outcome.same << name;
        return;
    }
    const std::optional<std::vector<int>> chosen = dialogs_.differences.choose(
        window_, copyTitle(), tr("Copying to %1 changes %n setting(s):", nullptr, int(differences.size())).arg(name),
        differenceRows(differences), tr("Copy"));
    if (!chosen || chosen->empty()) return;
    const std::vector<ValueChange> taking = chosenChanges(differences, *chosen);
    ApplyFailure failure;
    if (!applyChanges(target, taking, false, failure)) {
        outcome.failed << tr("%1: %2").arg(name, StoreTexts::notApplied(belowTarget(failure, toPath)));
        if (here) outcome.here.insert(outcome.here.end(), failure.left.begin(), failure.left.end());
        return;
    }
    outcome.written << name;
    if (here) outcome.here.insert(outcome.here.end(), taking.begin(), taking.end());
}

void CopySettings::report(const Outcome& outcome) {
    QStringList lines;
    if (!outcome.written.isEmpty()) lines << tr("Copied to: %1.").arg(outcome.written.join(QStringLiteral(", ")));
    if (!outcome.same.isEmpty())
        lines << tr("Already the same: %1.").arg(outcome.same.join(QStringLiteral(", ")));
    if (!outcome.failed.isEmpty()) lines << tr("Not copied:") << outcome.failed;
    if (!lines.isEmpty()) tell(lines.join('\n'), !outcome.failed.isEmpty());
}

void CopySettings::tell(const QString& text, bool problem) {
    dialogs_.messages.show(window_, text, copyTitle(),
                           problem ? dialogs::MessageIcon::Exclamation : dialogs::MessageIcon::Information);
}

}  // namespace fk
