// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TransferPictures.h"

#include "app/CompareSettings.h"
#include "app/CopySettings.h"
#include "app/DifferenceRows.h"
#include "app/MainWindow.h"
#include "app/SettingsTransferActions.h"
#include "dialogs/CopyTargetsDialog.h"
#include "editors/AnsiText.h"
#include "store/KeyComparison.h"
#include "store/SettingsCopy.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fk {

namespace {

QPixmap shown(QDialog& view) {
    view.show();
    QApplication::processEvents();
    return view.grab();
}

std::string currentKey(MainWindow& window) {
    return window.storeController().currentKeyPath().value_or(std::string());
}

}  // namespace

QPixmap importPicture(MainWindow& window) {
    const std::string key = currentKey(window);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tweaks.reg"));
    const QString keyName = QStringLiteral("[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2\\") + fromAnsi(key);
    QFile out(file);
    if (key.empty() || !dir.isValid() || !out.open(QIODevice::WriteOnly)) return {};
    out.write((QStringLiteral("REGEDIT4\r\n\r\n") + keyName +
               "]\r\n\"ContactSoundMaxTime\"=dword:00000014\r\n\"QuickIconBgColor\"=dword:000080ff\r\n\r\n" +
               keyName +
               "\\WindowFont]\r\n\"Name\"=\"DejaVu Serif\"\r\n\"Height\"=dword:0000000c\r\n\"Weight\"=dword:000002bc\r\n"
               "\"Enable\"=dword:00000001\r\n")
                  .toLatin1());
    out.close();
    reg::Registry& registry = window.storeController().unrecorded();
    const ImportPlan plan = planImportFile(registry, file.toStdString());
    if (!plan.ok() || plan.changes.empty()) return {};
    const auto differences = gatherDifferences(registry, plan.changes);
    dialogs::DifferencesView view(
        &window, SettingsTransferActions::tr("Import settings"),
        SettingsTransferActions::tr("Importing %1 changes %n setting(s):", nullptr, int(differences.size()))
            .arg(QDir::toNativeSeparators(QStringLiteral("~/tweaks.reg"))),
        differenceRows(differences), SettingsTransferActions::tr("Import"));
    return shown(view);
}

QPixmap comparePicture(MainWindow& window) {
    reg::Registry& registry = window.storeController().unrecorded();
    const std::string mine = currentKey(window);
    const std::vector<std::string> accounts = otherAccounts(registry, mine);
    if (mine.empty() || accounts.empty()) return {};
    const auto differences =
        gatherDifferences(registry, compareKeys(registry, mine, registry, accounts.front() + "\\Preferences"));
    dialogs::DifferencesView view(&window, CompareSettings::tr("Compare settings"),
                                  CompareSettings::tr("%n setting(s) differ:", nullptr, int(differences.size())),
                                  differenceRows(differences), CompareSettings::tr("Take values over…"), true);
    view.offerTicks();
    return shown(view);
}

QPixmap copyTargetsPicture(MainWindow& window) {
    const std::string mine = currentKey(window);
    QStringList targets;
    for (const std::string& account : otherAccounts(window.storeController().unrecorded(), mine))
        targets << fromAnsi(account);
    if (mine.empty() || targets.isEmpty()) return {};
    targets << CopySettings::tr("Other folder…");
    dialogs::CopyTargetsView view(&window, CopySettings::tr("Copy settings"), targets);
    for (int row = 0; row < std::min(2, int(targets.size()) - 1); ++row) view.tick(row, true);
    view.which()->setCurrentIndex(1);
    return shown(view);
}

QPixmap copyPicture(MainWindow& window) {
    reg::Registry& registry = window.storeController().unrecorded();
    const std::string mine = currentKey(window);
    const std::vector<std::string> accounts = otherAccounts(registry, mine);
    if (mine.empty() || accounts.empty()) return {};
    const auto differences = copyDifferences(registry, mine, registry, accounts.front() + "\\Preferences", true);
    dialogs::DifferencesView view(
        &window, CopySettings::tr("Copy settings"),
        CopySettings::tr("Copying to %1 changes %n setting(s):", nullptr, int(differences.size()))
            .arg(fromAnsi(accounts.front())),
        differenceRows(differences), CopySettings::tr("Copy"));
    return shown(view);
}

}  // namespace fk
