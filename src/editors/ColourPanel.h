// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editors/EditorPanel.h"

#include <QColor>

#include <cstdint>

class QFrame;
class QLabel;

namespace fk {

// Picture1(6): the editor of the Colour settings. Colours are Windows
// colour references, 0x00BBGGRR.
class ColourPanel : public EditorPanel {
    Q_OBJECT
public:
    ColourPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;

    static QColor toQColor(std::uint32_t colourRef);
    static std::uint32_t toColourRef(const QColor& colour);

private:
    void loadColour(int index);
    void setNewColour(std::uint32_t colourRef);
    void selectColour();
    void save();
    void setDefault();

    QFrame* defaultSwatch_ = nullptr;
    QFrame* newSwatch_ = nullptr;
    std::uint32_t defaultColour_ = 0;
    std::uint32_t newColour_ = 0;
};

}  // namespace fk
