// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The modal dialogs of the program, each behind a thin wrapper. In normal
// use a wrapper shows the platform's dialog; once scripted (tests, the
// screenshot run) it shows nothing, records each request and gives the
// queued answer instead.
#include "dialogs/CopyTargetsDialog.h"
#include "dialogs/DifferencesDialog.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace fk::dialogs {

enum class MessageIcon { Critical, Exclamation, Information };

class MessageDialog {
public:
    struct Shown {
        QString text;
        QString title;
        MessageIcon icon;
        QString details;  // behind the box's "Show Details..." button
    };

    // Modal, with an OK button only.
    void show(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
              const QString& details = {});

    void setScripted(bool scripted) { scripted_ = scripted; }
    const std::vector<Shown>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    bool scripted_ = false;
    std::vector<Shown> shown_;
};

class FileDialog {
public:
    struct Request {
        QString title;
        QStringList filters;      // "WAVs (*.wav)" ... in the order offered
        QString selectedFilter;   // the one selected when the dialog opens
        bool save = false;        // a name to write to, not an existing file
        QString suggestedName;    // save: the name offered
    };

    // Existing files only; a full path, or nothing when cancelled. Files the
    // program itself reads ask for no mapping: they keep their own names.
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QStringList& filters,
                                    bool mapPath = true);
    // A name to write to; the dialog asks before an existing file is
    // replaced. A full path as this machine names it, or nothing.
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QStringList& filters,
                                    const QString& suggestedName);

    void setScripted(bool scripted) { scripted_ = scripted; }
    // The next scripted answer: a path, or std::nullopt for Cancel.
    void queueAnswer(const std::optional<QString>& answer) { answers_.push_back(answer.value_or(QString())); }
    const std::vector<Request>& requests() const { return requests_; }

    // How the chosen path is handed back: under Wine, as Wine names the file.
    using PathMapping = std::function<QString(const QString& path)>;
    void setPathMapping(PathMapping mapping) { mapping_ = std::move(mapping); }

private:
    std::optional<QString> mapped(std::optional<QString> path) const;

    bool scripted_ = false;
    PathMapping mapping_;
    // The next queued answer; none (cancelled) when the queue is empty.
    std::optional<QString> takeAnswer();
    std::deque<QString> answers_;  // a null string: cancelled
    std::vector<Request> requests_;
};

// A question answered with one of its buttons or Cancel.
class QuestionDialog {
public:
    struct Asked {
        QString title;
        QString text;
        QStringList buttons;  // in order; Cancel follows them
        QString details;      // shown below the text, one item a line
    };

    // The index of the button pressed; nothing for Cancel or Esc.
    std::optional<int> ask(QWidget* parent, const QString& title, const QString& text, const QStringList& buttons,
                           const QString& details = {});

    void setScripted(bool scripted) { scripted_ = scripted; }
    // The next scripted answer: a button's index, or std::nullopt for Cancel.
    void queueAnswer(std::optional<int> answer) { answers_.push_back(answer); }
    const std::vector<Asked>& asked() const { return asked_; }

private:
    bool scripted_ = false;
    std::deque<std::optional<int>> answers_;
    std::vector<Asked> asked_;
};

class ColourDialog {
public:
    using CustomColours = std::array<QColor, 16>;
    struct Request {
        QColor initial;
        CustomColours custom;  // what the dialog offered, in order
    };

    // Any colour allowed; nothing when cancelled. The custom colours are
    // set before every opening, whatever the user did to them last time.
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial, const CustomColours& custom);

    void setScripted(bool scripted) { scripted_ = scripted; }
    // A scripted answer may also change a custom colour, as a user could.
    struct Answer {
        std::optional<QColor> colour;          // nullopt: Cancel
        int changeCustomIndex = -1;
        QColor changeCustomTo;
    };
    void queueAnswer(Answer answer) { answers_.push_back(std::move(answer)); }
    const std::vector<Request>& requests() const { return requests_; }

private:
    bool scripted_ = false;
    std::deque<Answer> answers_;
    std::vector<Request> requests_;
};

// The set the main window hands to its editors.
struct Dialogs {
    MessageDialog messages;
    FileDialog files;
    ColourDialog colours;
    QuestionDialog questions;
    DifferencesDialog differences;
    CopyTargetsDialog copyTargets;

    void setScripted(bool scripted) {
        messages.setScripted(scripted);
        files.setScripted(scripted);
        colours.setScripted(scripted);
        questions.setScripted(scripted);
        differences.setScripted(scripted);
        copyTargets.setScripted(scripted);
    }
};

}  // namespace fk::dialogs
