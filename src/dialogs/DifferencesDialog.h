// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The differences view: the settings about to change, each with its
// current, incoming and default value as the panels show them, and a tick
// to take it or leave it (all ticked at first). Behind a seam as the other
// dialogs: once scripted it records what it would show and unticks the
// rows it is told to.
#include <QDialog>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

class QTreeWidget;

namespace fk::dialogs {

struct DifferenceRow {
    QString name;
    QString current;
    QString incoming;
    QString byDefault;
    bool colour = false;  // the values are "#rrggbb": each gets a swatch
};

// The dialog itself, for the seam and the tests of its widgets.
class DifferencesView : public QDialog {
    Q_OBJECT
public:
    // With an empty `takeText`, only a Close button: nothing is taken.
    // `readOnly` shows no ticks until the user asks to take values over.
    DifferencesView(QWidget* parent, const QString& title, const QString& text,
                    const std::vector<DifferenceRow>& rows, const QString& takeText, bool readOnly = false);
    QTreeWidget* table() const { return table_; }
    // The rows ticked, in order.
    std::vector<int> ticked() const;

    // The ticks, all set, as "Take values over" shows them.
    void offerTicks();

private:
    void fitToRows();

    QTreeWidget* table_;
    bool readOnly_;
};

class DifferencesDialog {
public:
    struct Shown {
        QString title;
        QString text;
        std::vector<DifferenceRow> rows;
        QString takeText;
        bool readOnly = false;
    };

    // The rows the user left ticked and took, or nothing when cancelled (or
    // when only shown, without `takeText`).
    std::optional<std::vector<int>> choose(QWidget* parent, const QString& title, const QString& text,
                                           const std::vector<DifferenceRow>& rows, const QString& takeText,
                                           bool readOnly = false);

    void setScripted(bool scripted) { scripted_ = scripted; }
    // The next scripted answer: the rows to untick before taking, or
    // std::nullopt for Cancel. Without one queued, Cancel.
    void queueAnswer(std::optional<std::vector<int>> unticked) { answers_.push_back(std::move(unticked)); }
    const std::vector<Shown>& shown() const { return shown_; }

private:
    bool scripted_ = false;
    std::deque<std::optional<std::vector<int>>> answers_;
    std::vector<Shown> shown_;
};

}  // namespace fk::dialogs
