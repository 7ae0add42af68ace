#include "AboutPanel.h"

#include "AppIcon.h"
#include "EditorPanel.h"

#include <QFont>
#include <QLabel>

#include <algorithm>

namespace fk {

namespace {

QLabel* label(QWidget* parent, const char* name, const QRect& place, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(place);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    return l;
}

}  // namespace

AboutPanel::AboutPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1(0)"));
    setFont(formFont());
    setGeometry(twipsRect(120, 240, 4335, 2535));

    auto* title = label(this, "Label14", twipsRect(960, 240, 3135, 375), QStringLiteral("Fettlekit"));
    QFont titleFont(QStringLiteral("MS Sans Serif"), 12);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setWordWrap(false);

    version_ = label(this, "Label15", twipsRect(960, 600, 1815, 255));
    label(this, "Label16", twipsRect(120, 960, 3855, 615),
          QStringLiteral("Made by the Fettlekit developers, with thanks to every Brisko! user "
                         "who found out what a hidden setting does."));
    requirement_ = label(this, "Label17", twipsRect(120, 1800, 3855, 495));

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(twipsRect(120, 120, 720, 720));
    image->setPixmap(appPicture(std::min(image->width(), image->height())));
}

}  // namespace fk
