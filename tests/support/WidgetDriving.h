// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving and reading widgets as a user would: by name, by mouse and key.
#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace fk::testing {

inline QString qs(const std::string& text) { return QString::fromStdString(text); }

// The child control `name` of `in`, failing the test when there is none.
template <class T> T* control(const QWidget* in, const char* name) {
    T* found = in->findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline QStringList items(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
}

// Picks `item` of the combo box with the mouse, through its open list.
inline void chooseItem(QComboBox* combo, const QString& item) {
    const int row = combo->findText(item);
    ASSERT_GE(row, 0) << item.toStdString();
    combo->setFocus(Qt::MouseFocusReason);  // as the click that opens it gives
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    ASSERT_EQ(combo->currentText(), item);
}

// As the user selects the box's text and types over it key by key; any
// character, as an input method gives it.
inline void typeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The font sample's ink, from its cell's corner to the panel's edges: the
// first and last rows that hold any, and how many pixels do.
struct Ink {
    int first = -1, last = -1, pixels = 0;
};
inline Ink inkBelow(QWidget* panel, QPoint corner) {
    const QImage image = panel->grab().toImage();
    const QRect area(corner, image.rect().bottomRight());
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != image.pixel(area.bottomRight()))
                ++ink.pixels, ink.last = y, ink.first = ink.first < 0 ? y : ink.first;
    return ink;
}

}  // namespace fk::testing
