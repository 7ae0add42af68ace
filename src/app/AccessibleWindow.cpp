// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AccessibleWindow.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace fk {

namespace {

// Asked for each class of an object, its own first.
QAccessibleInterface* mainWindowInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow() || className != QLatin1String("fk::MainWindow")) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void presentMainWindowAsWindow() { QAccessible::installFactory(mainWindowInterface); }

}  // namespace fk
