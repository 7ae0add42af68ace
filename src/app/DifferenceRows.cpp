// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DifferenceRows.h"

#include "editors/AnsiText.h"

#include <QCoreApplication>

#include <set>

namespace fk {

namespace {

// The words' leading yes or no (a switch's comes before its text) as the user reads them.
QString shown(const std::string& words) {
    QString text = QString::fromStdString(words);
    for (auto [word, said] : {std::pair{QStringLiteral("yes"), QCoreApplication::translate("fk::DifferenceRows", "yes")}, {QStringLiteral("no"), QCoreApplication::translate("fk::DifferenceRows", "no")}})
        if (text == word || text.startsWith(word + QLatin1Char(','))) return said + text.mid(word.size());
    return text;
}

}  // namespace

std::vector<dialogs::DifferenceRow> differenceRows(const std::vector<SettingDifference>& differences) {
    std::set<std::string> keys;
    for (const SettingDifference& d : differences) keys.insert(d.keyPath.substr(0, d.keyPath.find('\\')));
    std::vector<dialogs::DifferenceRow> rows;
    for (const SettingDifference& d : differences) {
        QString name = QString::fromStdString(d.name);
        if (keys.size() > 1) {
            const std::string account = d.keyPath.substr(0, d.keyPath.find('\\'));
            name = QCoreApplication::translate("fk::DifferenceRows", "%1 (%2)").arg(name, account.empty() ? QCoreApplication::translate("fk::DifferenceRows", "all users") : fromAnsi(account));
        }
        const bool colour = d.index >= 0 && settingEntry(d.index).kind == SettingKind::Colour;
        rows.push_back({name, shown(d.current), shown(d.incoming), shown(d.byDefault), colour});
    }
    return rows;
}

}  // namespace fk
