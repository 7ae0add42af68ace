// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editors/EditorPanel.h"

class QComboBox;
class QLineEdit;
class QStandardItemModel;

namespace fk {

// Picture1(8): the editor of the Account settings.
class AccountPanel : public EditorPanel {
    Q_OBJECT
public:
    AccountPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;
    // The account list, filled once at start-up by the main window.
    void addAccount(const QString& displayName);

    // The stored "Nobody" is shown as " --> Default user <--", and back.
    static QString displayName(const QString& storedName);
    static QString storedName(const QString& displayName);

private:
    void loadAccount(QComboBox* box, int index);
    void save();
    void setDefault();

    QLineEdit* defaultDisplay_;   // Text4
    QComboBox* accounts_;         // Combo4
    QStandardItemModel* accountNames_;  // its items, shown sorted
};

}  // namespace fk
