// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "catalogue/Catalogue.h"
#include "editors/EditorPanel.h"

#include <QFont>
#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace fk {

// Fills a font-name list with the installed fonts usable with code page
// 1252, sorted as the platform's sorted lists are.
void fillFontNameList(QComboBox* list);

// Picture1(4): the editor of the Font settings, a subkey of six values with
// a sample drawn in the chosen font.
class FontPanel : public EditorPanel {
    Q_OBJECT
public:
    FontPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;

    void loadFontSetting(int index);
    void saveFontSetting(int index);
    void drawFontPreview();

    // What the sample is drawn with, while one is drawn.
    struct Preview {
        QFont font;
        std::int32_t size = 0;    // height of the character cell, as typed
        std::int32_t weight = 0;  // as typed, also beyond 100..900
        bool italic = false;
    };
    const std::optional<Preview>& preview() const { return preview_; }

    // Where the sample's character cell starts: 2880, 1560 twips, just
    // below the preview label.
    QPoint previewAt() const { return form().point(2880, 1560); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static FontDefault defaultsOf(int index);
    void fillLists();
    void showValues(const FontDefault& values);
    void erasePreview();
    void weightEdited();
    void sliderMoved(int position);
    void enableChanged(bool enabled);
    void setDefault();
    QFont previewFont(const QString& face, std::int32_t size, std::int32_t weight, bool italic);
    bool& listsLoaded();

    QCheckBox* enable_ = nullptr;
    QComboBox* names_ = nullptr;
    QComboBox* sizes_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QSlider* slider_ = nullptr;
    QLineEdit* weight_ = nullptr;
    QLineEdit* charSet_ = nullptr;

    bool settingSlider_ = false;
    bool ownListsLoaded_ = false;
    std::optional<Preview> preview_;
    QHash<QString, QString> familyOfName_;
};

}  // namespace fk
