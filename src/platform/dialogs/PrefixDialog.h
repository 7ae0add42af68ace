#pragma once
// The prefix chooser: the prefixes found, or a note of where none was
// found, and a way to browse to a prefix folder or a user.reg. Scripted
// like the other dialogs: it records each request and gives the queued
// answer instead.
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace fk::dialogs {

class PrefixDialog {
public:
    struct Request {
        QStringList prefixes;  // in the order offered
        int preselected = -1;  // -1: none
        QString note;          // above the list: where Fettlekit looked, when nothing was found
    };

    // A prefix folder or a user.reg; nothing when cancelled.
    std::optional<QString> choose(QWidget* parent, const Request& request);

    void setScripted(bool scripted) { scripted_ = scripted; }
    void queueAnswer(std::optional<QString> answer) { answers_.push_back(std::move(answer)); }
    const std::vector<Request>& requests() const { return requests_; }

private:
    bool scripted_ = false;
    std::deque<std::optional<QString>> answers_;
    std::vector<Request> requests_;
};

}  // namespace fk::dialogs
