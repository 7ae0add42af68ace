// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture1(0): the about panel, shown while no setting is.
#include <QWidget>

class QLabel;

namespace fk {

class AboutPanel : public QWidget {
    Q_OBJECT
public:
    explicit AboutPanel(QWidget* parent);

    QLabel* versionLabel() const { return version_; }          // Label15
    QLabel* requirementLabel() const { return requirement_; }  // Label17

private:
    QLabel* version_;
    QLabel* requirement_;
};

}  // namespace fk
