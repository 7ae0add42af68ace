// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editors/EditorPanel.h"

#include <QStringList>

#include <string>

class QLineEdit;
class QPushButton;

namespace fk {

// Picture1(1): the editor of the File settings (the path of a sound file).
class FilePanel : public EditorPanel {
    Q_OBJECT
public:
    FilePanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;

    // An open-file filter of NUL-ended description/pattern pairs, as the
    // catalogue keeps it, in Qt's "WAVs (*.wav)" form, order kept.
    static QStringList nameFilters(const std::string& dialogFilter);

private:
    void loadText(QLineEdit* box, int index);
    void saveText(QLineEdit* box, int index);
    void selectFile();
    void setDefault();

    QLineEdit* defaultBox_;      // Text13
    QLineEdit* pathBox_;         // Text35
    QPushButton* selectButton_;  // Command53
};

}  // namespace fk
