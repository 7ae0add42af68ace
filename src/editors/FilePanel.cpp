// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/FilePanel.h"

#include "catalogue/Catalogue.h"
#include "dialogs/Dialogs.h"
#include "editors/AnsiText.h"
#include "editors/CatalogueText.h"
#include "store/PreferenceStore.h"

#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace fk {

namespace {

// The NUL-ended pieces of a dialog text, translated; an empty piece ends the list.
QStringList nulPieces(const std::string& text) {
    QStringList pieces;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const auto end = text.find('\0', start);
        const std::string piece = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (piece.empty()) break;
        pieces << catalogueText(piece);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return pieces;
}

}  // namespace

QStringList FilePanel::nameFilters(const std::string& dialogFilter) {
    const QStringList pieces = nulPieces(dialogFilter);
    QStringList filters;
    for (int i = 0; i + 1 < pieces.size(); i += 2) {
        const QString& description = pieces[i];
        // Windows separates patterns with ';', Qt with blanks.
        const QString patterns = QString(pieces[i + 1]).replace(';', ' ');
        const QString bracketed = "(" + patterns + ")";
        filters << (description.endsWith(bracketed) ? description : description + " " + bracketed);
    }
    return filters;
}

FilePanel::FilePanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName("Picture1(1)");
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"Label2(12)", Label, tr("Default value:"), 120, 120, 1095, 255},
        {"Text13", ReadOnlyBox, {}, 1200, 120, 1335, 285},
        {"Label3(12)", Label, tr("New value:"), 120, 480, 975, 255},
        {"Command53", Button, tr("Select file..."), 1200, 600, 1335, 375},
        {"Text35", TextBox, {}, 480, 1080, 3735, 285},
        {"Command26", Button, tr("Set default"), 2880, 120, 1335, 375},
        {"Command25", Button, tr("Change"), 2880, 600, 1335, 375},
    }, form());
    defaultBox_ = made.get<QLineEdit>("Text13");
    selectButton_ = made.get<QPushButton>("Command53");
    pathBox_ = made.get<QLineEdit>("Text35");
    pathBox_->setMaxLength(std::numeric_limits<int>::max());  // a long text is refused on saving, not cut
    QPushButton* defaultButton = made.get<QPushButton>("Command26");
    QPushButton* changeButton = made.get<QPushButton>("Command25");
    useButtons(changeButton, defaultButton);

    connect(selectButton_, &QPushButton::clicked, this, [this] { selectFile(); });
    connect(changeButton, &QPushButton::clicked, this, [this] { saveText(pathBox_, shownSetting()); });
    connect(defaultButton, &QPushButton::clicked, this, [this] { setDefault(); });
}

void FilePanel::prepare(int index) {
    defaultBox_->setText(fromAnsi(settingEntry(index).defaultText));
    loadText(pathBox_, index);
}

void FilePanel::loadText(QLineEdit* box, int index) {
    box->setText(fromAnsi(context().store->readSettingText(index)));
}

void FilePanel::saveText(QLineEdit* box, int index) {
    context().store->writeSettingText(toAnsi(box->text()), index);
}

void FilePanel::selectFile() {
    const SettingEntry& entry = settingEntry(shownSetting());
    const QStringList title = nulPieces(entry.dialogTitle);
    const auto path = context().dialogs->files.openFile(context().mainWindow, title.value(0),
                                                         nameFilters(entry.dialogFilter));
    // The path reaches the store only through "Change".
    if (path) pathBox_->setText(*path);
}

void FilePanel::setDefault() {
    pathBox_->setText(fromAnsi(settingEntry(shownSetting()).defaultText));
    saveText(pathBox_, shownSetting());
}

}  // namespace fk
