// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DifferenceRows.h"

#include "app/StoreTexts.h"
#include "editors/AnsiText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <iterator>

#include <set>

namespace fk {

namespace {

QString said(const char* text) { return QCoreApplication::translate("fk::DifferenceRows", text); }

// A font's words after its face and size, which stay as they are.
QString shownFont(const QString& text) {
    static const char* const Words[] = {QT_TRANSLATE_NOOP("fk::DifferenceRows", "bold"),
                                        QT_TRANSLATE_NOOP("fk::DifferenceRows", "italic"),
                                        QT_TRANSLATE_NOOP("fk::DifferenceRows", "disabled")};
    static const QRegularExpression weight(QStringLiteral("^weight (\\d+)$"));
    QStringList parts = text.split(QStringLiteral(", "));
    for (qsizetype i = parts.size() - 1; i >= 2; --i) {
        const auto known = std::find_if(std::begin(Words), std::end(Words),
                                        [&](const char* word) { return parts[i] == QLatin1String(word); });
        if (known != std::end(Words)) parts[i] = said(*known);
        else if (const auto m = weight.match(parts[i]); m.hasMatch())
            parts[i] = QCoreApplication::translate("fk::DifferenceRows", "weight %1").arg(m.captured(1));
        else break;
    }
    return parts.join(QStringLiteral(", "));
}

// The words as the user reads them: the leading yes or no (a switch's
// comes before its text), a font's style, the quick texts left out, a
// value that is not there.
QString shown(const std::string& words, SettingKind kind) {
    QString text = QString::fromStdString(words);
    if (kind == SettingKind::Font) return shownFont(text);
    const QString hidden = QStringLiteral("False for ");
    if (kind == SettingKind::QuickTexts && text.startsWith(hidden))
        return StoreTexts::tr("False for %1").arg(text.mid(hidden.size()));
    if (kind == SettingKind::None && text == QLatin1String("absent")) return StoreTexts::tr("absent");
    for (auto [word, yesNo] : {std::pair{QStringLiteral("yes"), QCoreApplication::translate("fk::DifferenceRows", "yes")},
                               {QStringLiteral("no"), QCoreApplication::translate("fk::DifferenceRows", "no")}})
        if (text == word || text.startsWith(word + QLatin1Char(','))) return yesNo + text.mid(word.size());
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
        const SettingKind kind = d.index >= 0 ? settingEntry(d.index).kind : SettingKind::None;
        rows.push_back({name, shown(d.current, kind), shown(d.incoming, kind), shown(d.byDefault, kind),
                        kind == SettingKind::Colour});
    }
    return rows;
}

}  // namespace fk
