#include "Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace fk::dialogs {

void MessageDialog::show(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) {
    shown_.push_back({text, title, icon});
    if (scripted_) return;
    QMessageBox::Icon qtIcon = QMessageBox::Information;
    if (icon == MessageIcon::Critical) qtIcon = QMessageBox::Critical;
    if (icon == MessageIcon::Exclamation) qtIcon = QMessageBox::Warning;
    QMessageBox box(qtIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> FileDialog::openFile(QWidget* parent, const QString& title, const QStringList& filters) {
    Request request{title, filters, filters.value(0)};
    requests_.push_back(request);
    if (scripted_) {
        if (answers_.empty()) return std::nullopt;
        auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    QFileDialog dialog(parent, title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(request.selectedFilter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
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
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedColor();
}

}  // namespace fk::dialogs
