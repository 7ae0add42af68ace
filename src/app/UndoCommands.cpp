// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UndoCommands.h"

#include "catalogue/Catalogue.h"

#include <QStringList>

namespace fk {

ValueChangeCommand::ValueChangeCommand(reg::Registry& registry, std::vector<ValueChange> changes,
                                       const QString& text, std::optional<RefusedStep>& refused)
    : registry_(registry), changes_(std::move(changes)), refused_(refused) {
    setText(text.isEmpty() ? describe(changes_) : text);
}

void ValueChangeCommand::moveTo(bool after) {
    // The stack moving back over a refused step finds the store on that side.
    if (after == storeHoldsAfter_) return;
    RefusedStep refusal;
    if (applyChanges(registry_, changes_, !after, refusal))
        storeHoldsAfter_ = after;
    else
        refused_ = std::move(refusal);
}

QString ValueChangeCommand::describe(const std::vector<ValueChange>& changes) {
    QStringList names;
    for (const ValueChange& c : changes) {
        // A font's values sit in a subkey named after the setting; a quick
        // text's flag is named after its setting.
        QString name = QString::fromStdString(c.valueName);
        const std::size_t slash = c.keyPath.rfind('\\');
        const std::string leaf = slash == std::string::npos ? c.keyPath : c.keyPath.substr(slash + 1);
        for (int i = 0; i < SettingCount; ++i)
            if (settingEntry(i).kind == SettingKind::Font && settingEntry(i).valueName == leaf) name = QString::fromStdString(leaf);
        if (!names.contains(name)) names << name;
    }
    if (names.size() > 2) return names.mid(0, 2).join(QStringLiteral(", ")) + QStringLiteral(", ...");
    return names.join(QStringLiteral(", "));
}

}  // namespace fk
