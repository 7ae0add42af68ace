// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where "Copy settings to…" goes: every target ticked in one list (other
// accounts, other prefixes, another folder), and whether every setting
// goes or only the changed ones. Behind a seam as the other dialogs: once
// scripted it records what it would offer and gives the queued answer.
#include <QDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;

namespace fk::dialogs {

struct CopyTargets {
    std::vector<int> ticked;  // indices into the targets offered, in order
    bool changedOnly = false;
};

class CopyTargetsView : public QDialog {
    Q_OBJECT
public:
    CopyTargetsView(QWidget* parent, const QString& title, const QStringList& targets);
    QListWidget* list() const { return list_; }
    QComboBox* which() const { return which_; }
    CopyTargets chosen() const;
    void tick(int row, bool on);

private:
    QListWidget* list_;
    QComboBox* which_;
    QPushButton* copy_;
};

class CopyTargetsDialog {
public:
    struct Shown {
        QString title;
        QStringList targets;
    };

    // Nothing when cancelled; at least one target otherwise.
    std::optional<CopyTargets> choose(QWidget* parent, const QString& title, const QStringList& targets);

    void setScripted(bool scripted) { scripted_ = scripted; }
    // The next scripted answer; without one queued, Cancel.
    void queueAnswer(std::optional<CopyTargets> answer) { answers_.push_back(std::move(answer)); }
    const std::vector<Shown>& shown() const { return shown_; }

private:
    bool scripted_ = false;
    std::deque<std::optional<CopyTargets>> answers_;
    std::vector<Shown> shown_;
};

}  // namespace fk::dialogs
