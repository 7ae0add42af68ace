// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutPanel.h"

#include "app/AppIcon.h"
#include "form/FormLayout.h"

#include <QFont>
#include <QLabel>

#include <algorithm>

namespace fk {

AboutPanel::AboutPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1(0)"));
    setFont(form::formFont());
    const form::FormMetrics form;
    setGeometry(form.rect(120, 240, 4335, 2535));

    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"Label14", WrappingLabel, tr("Fettlekit"), 960, 240, 3135, 375},
        {"Label15", WrappingLabel, {}, 960, 600, 1815, 255},
        {"Label16", WrappingLabel,
         tr("Made by the Fettlekit developers, with thanks to every Brisko! user."),
         120, 960, 3855, 615},
        {"Label17", WrappingLabel, {}, 120, 1800, 3855, 495},
        {"Image1", Label, {}, 120, 120, 720, 720},
    }, form);
    auto* title = made.get<QLabel>("Label14");
    QFont titleFont = form::formFont();
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setWordWrap(false);
    version_ = made.get<QLabel>("Label15");
    requirement_ = made.get<QLabel>("Label17");
    auto* image = made.get<QLabel>("Image1");
    image->setPixmap(appPicture(std::min(image->width(), image->height())));
}

}  // namespace fk
