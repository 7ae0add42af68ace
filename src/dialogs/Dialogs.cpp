// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QAbstractButton>
#include <QPushButton>

namespace fk::dialogs {

void MessageDialog::show(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                         const QString& details) {
    shown_.push_back({text, title, icon, details});
    if (scripted_) return;
    QMessageBox::Icon qtIcon = QMessageBox::Information;
    if (icon == MessageIcon::Critical) qtIcon = QMessageBox::Critical;
    if (icon == MessageIcon::Exclamation) qtIcon = QMessageBox::Warning;
    QMessageBox box(qtIcon, title, text, QMessageBox::Ok, parent);
    box.setDetailedText(details);
    box.exec();
}

namespace {

// "*.*" means every file on Windows but only names with a dot to Qt. Qt
// matches the patterns in the last brackets and, with their details hidden,
// shows the rest: the caption the user is told.
QString qtFilter(const QString& filter) {
    const int open = filter.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !filter.endsWith(QLatin1Char(')'))) return filter;
    QStringList patterns = filter.mid(open + 1, filter.size() - open - 2).split(QLatin1Char(';'));
    for (QString& pattern : patterns)
        if (pattern.trimmed() == QLatin1String("*.*")) pattern = QStringLiteral("*");
    return filter + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

}  // namespace

std::optional<QString> FileDialog::mapped(std::optional<QString> path) const {
    if (path && mapping_) return mapping_(*path);
    return path;
}

std::optional<QString> FileDialog::takeAnswer() {
    if (answers_.empty()) return std::nullopt;
    const QString answer = answers_.front();
    answers_.pop_front();
    if (answer.isNull()) return std::nullopt;
    return answer;
}

std::optional<QString> FileDialog::openFile(QWidget* parent, const QString& title, const QStringList& filters,
                                            bool mapPath) {
    Request request{title, filters, filters.value(0), false, {}};
    requests_.push_back(request);
    auto result = [&](std::optional<QString> path) { return mapPath ? mapped(path) : path; };
    if (scripted_) return result(takeAnswer());
    QStringList qtFilters;
    for (const QString& filter : filters) qtFilters << qtFilter(filter);
    // Qt's own dialog: a desktop's dialog may not honour the filters as given.
    QFileDialog dialog(parent, title);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(qtFilters);
    dialog.selectNameFilter(qtFilter(request.selectedFilter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return result(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath());
}

std::optional<QString> FileDialog::saveFile(QWidget* parent, const QString& title, const QStringList& filters,
                                            const QString& suggestedName) {
    requests_.push_back({title, filters, filters.value(0), true, suggestedName});
    if (scripted_) return takeAnswer();
    QStringList qtFilters;
    for (const QString& filter : filters) qtFilters << qtFilter(filter);
    QFileDialog dialog(parent, title);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(qtFilters);
    dialog.setDefaultSuffix(QStringLiteral("reg"));
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
}

std::optional<int> QuestionDialog::ask(QWidget* parent, const QString& title, const QString& text,
                                       const QStringList& buttons, const QString& details) {
    asked_.push_back({title, text, buttons, details});
    if (scripted_) {
        if (answers_.empty()) return std::nullopt;
        auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    box.setInformativeText(details);
    std::vector<QAbstractButton*> pressed;
    for (const QString& caption : buttons) pressed.push_back(box.addButton(caption, QMessageBox::AcceptRole));
    box.addButton(QMessageBox::Cancel);
    box.exec();
    for (size_t i = 0; i < pressed.size(); ++i)
        if (box.clickedButton() == pressed[i]) return int(i);
    return std::nullopt;
}

std::optional<QColor> ColourDialog::chooseColour(QWidget* parent, const QColor& initial, const CustomColours& custom) {
    for (int i = 0; i < int(custom.size()); ++i) QColorDialog::setCustomColor(i, custom[size_t(i)]);
    CustomColours offered;
    for (int i = 0; i < int(offered.size()); ++i) offered[size_t(i)] = QColorDialog::customColor(i);
    requests_.push_back({initial, offered});
    if (scripted_) {
        if (answers_.empty()) return std::nullopt;
        Answer answer = answers_.front();
        answers_.pop_front();
        if (answer.changeCustomIndex >= 0) QColorDialog::setCustomColor(answer.changeCustomIndex, answer.changeCustomTo);
        return answer.colour;
    }
    // Qt's own dialog: a desktop's dialog may not offer the custom colours.
    QColorDialog dialog(initial, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedColor();
}

}  // namespace fk::dialogs
