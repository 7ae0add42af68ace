// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The find box above the settings list: as the user types, the list keeps
// only the settings whose name or description holds the text, ignoring
// case and accents, and says so when none does. "Changed only" narrows it
// further to the settings marked as differing from their default.
#include <QObject>

#include <vector>

class QLabel;
class QLineEdit;
class QRect;

namespace fk {

class SettingsTree;

class SettingsFilter : public QObject {
    Q_OBJECT
public:
    // `trees` lie on top of each other.
    explicit SettingsFilter(std::vector<SettingsTree*> trees);

    QLineEdit* box() const { return box_; }
    // Shows the box above the list, focused with its text selected.
    void open();
    // Esc in the box: clears a text, else hides the box. True when taken.
    bool takeEscape(QObject* watched);
    // Narrows the trees to the box's text (and the marks, with changed only).
    void apply();
    void setChangedOnly(bool on);
    bool changedOnly() const { return changedOnly_; }

    // Case and accents left out, for comparing.
    static QString folded(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void close();
    SettingsTree* shownTree() const;
    void enterResults();
    void keepSelectionInView();

    std::vector<SettingsTree*> trees_;
    std::vector<QLabel*> noMatch_;  // one a tree, over its empty list
    QLineEdit* box_;
    std::vector<QRect> places_;  // of the trees while the box is shown
    bool changedOnly_ = false;
};

}  // namespace fk
