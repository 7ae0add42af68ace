// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The prefix chooser: the prefixes found, or a note of where none was
// found, and a way to browse to a prefix folder or a user.reg. A place that
// will not do keeps the chooser open with the reason. Scripted like the
// other dialogs: it records each request and gives the queued answers
// instead, each checked as the open chooser checks it.
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace fk::dialogs {

class PrefixDialog {
public:
    // Why a place will not do; no problem when it will. One whose only fault
    // is that it lacks the add-on's key may be opened anyway.
    struct Verdict {
        QString problem;
        bool canOpenAnyway = false;
    };
    struct Request {
        QStringList prefixes;  // in the order offered
        QStringList labels;    // how each is shown; the prefix itself when missing
        int preselected = -1;  // -1: none
        QString note;          // above the list: what was looked for, when nothing was found
        QStringList looked;    // under the note, one place a line
        std::function<Verdict(const QString& place)> check;  // none: every place will do
    };
    struct Choice {
        Choice(QString chosen = {}, bool openAnyway = false) : place(std::move(chosen)), anyway(openAnyway) {}
        QString place;  // a prefix folder or a user.reg
        bool anyway;    // the user opens it although it lacks the key
        bool operator==(const Choice&) const = default;
    };

    // Nothing when cancelled.
    std::optional<Choice> choose(QWidget* parent, const Request& request);

    void setScripted(bool scripted) { scripted_ = scripted; }
    void queueAnswer(std::optional<Choice> answer) { answers_.push_back(std::move(answer)); }
    const std::vector<Request>& requests() const { return requests_; }
    // The problems the chooser showed, in order.
    const QStringList& refusals() const { return refusals_; }

private:
    bool scripted_ = false;
    std::deque<std::optional<Choice>> answers_;
    std::vector<Request> requests_;
    QStringList refusals_;
};

}  // namespace fk::dialogs
