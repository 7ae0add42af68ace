// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One editor panel: an element of the main window's Picture1 array,
// 4335 x 2535 twips, that edits the settings of one kind.
#include "form/FormLayout.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <vector>

class QLineEdit;

namespace fk {
class PreferenceStore;
namespace dialogs { struct Dialogs; }

// What a panel needs of the main window.
struct EditorContext {
    PreferenceStore* store = nullptr;        // current preferences key
    dialogs::Dialogs* dialogs = nullptr;
    QWidget* mainWindow = nullptr;           // owner of the modal dialogs
    std::function<int()> shownSetting;       // index of the entry shown
    // The tag picker: open it on a target box, and close it.
    std::function<void(QLineEdit* target)> openTagPicker;
    std::function<void()> closeTagPicker;
    // Whether the font editor has filled its lists in this run.
    bool* fontListsLoaded = nullptr;
    // Ends the program after a fatal message has been dismissed.
    std::function<void(int status)> exitProgram;
    // A hint in the line under the form (an allowed range); empty withdraws it.
    std::function<void(const QString& hint)> showHint;
};

class EditorPanel : public QWidget {
    Q_OBJECT
public:
    EditorPanel(const EditorContext& context, QWidget* parent);

    // The kind's branch of prepareEditor: the default display, then the
    // loader, for catalogue entry `index`.
    virtual void prepare(int index) = 0;

    // The controls Tab reaches, in reading order (by line, then from left
    // to right), then "Set default" and "Change".
    std::vector<QWidget*> tabStops() const;

    // A screen reader tells the setting's description with each of its
    // value editors (all but "Change" and "Set default").
    void describe(const QString& description);

    // While the store cannot be written, "Change" and "Set default" are off.
    void setStoreReadOnly(bool readOnly);

    // Red text in a box warns of a value out of its limits; otherwise the
    // box takes the palette's text colour, which suits a dark theme too.
    static void showWarning(QWidget* box, bool warn);

protected:
    const EditorContext& context() const { return context_; }
    // The form's font as measured when the panel was made; its controls
    // are placed by it.
    const form::FormMetrics& form() const { return form_; }
    int shownSetting() const { return context_.shownSetting(); }
    // The panel's "Change" and "Set default": Return in the panel presses
    // "Change", and a read-only store turns both off.
    void useButtons(QPushButton* changeButton, QPushButton* defaultButton);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateButtons();

    EditorContext context_;
    const form::FormMetrics form_;
    QPushButton* changeButton_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
    bool readOnly_ = false;
};

}  // namespace fk
