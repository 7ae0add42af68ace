// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "editors/EditorPanel.h"

class QLineEdit;
class QSlider;

namespace fk {

// Picture1(3): the editor of the Number settings. Each change of the number
// box is checked against the shown setting's limits; the verdict is kept,
// shown by red text while the value fails, and "Change" refuses a failed value.
class NumberPanel : public EditorPanel {
    Q_OBJECT
public:
    NumberPanel(const EditorContext& context, QWidget* parent);
    void prepare(int index) override;

private:
    void loadNumber(QLineEdit* box, int index);
    void saveNumber(QLineEdit* box, int index);
    void checkValue();
    void sliderMovedByUser();
    void setDefault();

    QLineEdit* defaultBox_;      // Text18
    QSlider* slider_;            // Slider4
    QLineEdit* numberBox_;       // Text28
    bool valueValid_ = true;     // the last check's verdict
};

}  // namespace fk
