#include "UndoCommands.h"

#include "Catalogue.h"

#include <QStringList>

namespace fk {

ValueChangeCommand::ValueChangeCommand(reg::Registry& registry, std::vector<ValueChange> changes,
                                       const QString& text)
    : registry_(registry), changes_(std::move(changes)) {
    setText(text.isEmpty() ? describe(changes_) : text);
}

bool ValueChangeCommand::apply(bool before) const {
    const auto put = [this](std::size_t i, bool toBefore) {
        const ValueChange& c = changes_[i];
        return putStoredValue(registry_, c.keyPath, c.valueName, toBefore ? c.before : c.after);
    };
    // Backwards to the state before, forwards to the state after, so that a
    // value changed twice in a step ends right.
    const std::size_t count = changes_.size();
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t i = before ? count - 1 - n : n;
        if (put(i, before)) continue;
        for (std::size_t m = n; m-- > 0;) put(before ? count - 1 - m : m, !before);
        return false;
    }
    return true;
}

void ValueChangeCommand::undo() {
    if (skip_) {
        skip_ = false;
        return;
    }
    apply(true);
}

void ValueChangeCommand::redo() {
    if (skip_) {
        skip_ = false;
        return;
    }
    apply(false);
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
            if (settingEntry(i).Kind == Font && settingEntry(i).ValueName == leaf) name = QString::fromStdString(leaf);
        if (!names.contains(name)) names << name;
    }
    if (names.size() > 2) return names.mid(0, 2).join(QStringLiteral(", ")) + QStringLiteral(", ...");
    return names.join(QStringLiteral(", "));
}

}  // namespace fk
