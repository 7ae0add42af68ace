#pragma once
#include "editors/EditorPanel.h"

class QLineEdit;
class QPushButton;
class QSlider;

namespace fk {

// Picture1(3): the editor of the Number settings. Whether the number box
// holds a valid value lives in its text colour, black or red, and "Change"
// reads it back from there.
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
    bool boxIsRed() const;

    QLineEdit* defaultBox_;      // Text18
    QSlider* slider_;            // Slider4
    QLineEdit* numberBox_;       // Text28
    QPushButton* defaultButton_; // Command36
    QPushButton* changeButton_;  // Command35
};

}  // namespace fk
