// SPDX-License-Identifier: GPL-3.0-or-later
// The tag picker window driven as a user would, over a stand-in main window
// holding the target box.
#include "catalogue/Catalogue.h"
#include "form/FormMetrics.h"
#include "picker/TagPicker.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace fk {
namespace {

class TagPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        mainWindow->setGeometry(200, 100, 400, 300);
        mainWindow->show();
    }
    void TearDown() override { picker.close(); }

    QListWidget* list() const { return picker.window()->findChild<QListWidget*>("List1"); }
    QPushButton* button(const char* name) const { return picker.window()->findChild<QPushButton*>(name); }
    // Picks the row of `tag` (the tag, a tab, what it stands for) and presses "Insert".
    void insert(const QString& tag) {
        const QList<QListWidgetItem*> rows = list()->findItems(tag + '\t', Qt::MatchStartsWith);
        ASSERT_EQ(rows.size(), 1) << tag.toStdString();
        list()->setCurrentItem(rows[0]);
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
    }

    std::unique_ptr<QWidget> mainWindow = std::make_unique<QWidget>();
    QLineEdit* target = new QLineEdit(mainWindow.get());
    TagPicker picker;
};

TEST_F(TagPickerTest, InsertReplacesTheSelectionOrGoesInAtTheCaretAndFocusGoesBack) {
    struct Case {
        const char* before;
        int from, length;  // a selection, backwards when negative; the caret alone when 0
        int style;
        const char* tag;
        const char* after;
        int caret;
    };
    for (const Case& c : {Case{"dd/MM", 3, 2, DateFormat, "MMMM", "dd/MMMM", 7}, Case{"dd/MM", 5, -2, DateFormat, "M", "dd/M", 4},
                          Case{"(!FC64)[%1] (!FC57)%2: %3", 25, 0, TagFormat, "%1", "(!FC64)[%1] (!FC57)%2: %3%1", 27}}) {
        target->setText(c.before);
        if (c.length) target->setSelection(c.from, c.length);
        else target->setCursorPosition(c.from);
        picker.open(mainWindow.get(), target, c.style);
        insert(c.tag);
        EXPECT_EQ(target->text(), c.after);
        EXPECT_EQ(target->cursorPosition(), c.caret) << c.after;
        EXPECT_FALSE(target->hasSelectedText());
        EXPECT_TRUE(picker.isOpen());  // several tags can follow
        picker.close();
    }
    // At the caret, and again where the last tag left it; nothing without a row.
    auto* elsewhere = new QLineEdit(mainWindow.get());
    elsewhere->show();
    elsewhere->setFocus();
    target->setText("/MM");
    target->setCursorPosition(0);
    picker.open(mainWindow.get(), target, DateFormat);
    list()->setFocus();
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    EXPECT_EQ(target->text(), "/MM");
    insert("dd");
    EXPECT_EQ(target->cursorPosition(), 2);
    // A real double click: a click, then the double-click press.
    list()->setCurrentRow(0);
    const QRect row = list()->visualItemRect(list()->currentItem());
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(target->text(), "ddd/MM");
    EXPECT_EQ(target->cursorPosition(), 3);
    QApplication::processEvents();
    EXPECT_EQ(mainWindow->focusWidget(), target);
}

// An owned, modeless tool window over the main window (its caption and rows:
// app-cases.txt). Opened again, it only takes the new box; closed, it leaves
// the box alone and is built anew; a box deleted under it is let go.
TEST_F(TagPickerTest, OpeningAgainHandsOverTheTargetAndCloseEndsIt) {
    target->setText("dd");
    picker.open(mainWindow.get(), target, DateFormat);
    TagPickerWindow* first = picker.window();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->parentWidget(), mainWindow.get());
    EXPECT_EQ(first->windowType(), Qt::Tool);
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(first->pos(), mainWindow->pos() + form::FormMetrics().point(135, 2220));
    auto* other = new QLineEdit(mainWindow.get());
    picker.open(mainWindow.get(), other, TimeFormat);
    EXPECT_EQ(picker.window(), first);
    EXPECT_EQ(first->target, other);
    EXPECT_EQ(picker.window()->windowTitle(), "Date Tags");
    insert("yyyy");
    EXPECT_EQ(other->text(), "yyyy");
    EXPECT_EQ(target->text(), "dd");
    delete other;
    insert("d");
    EXPECT_EQ(picker.target(), nullptr);

    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    EXPECT_FALSE(picker.isOpen());
    EXPECT_EQ(picker.window(), nullptr);
    EXPECT_EQ(target->text(), "dd");
    picker.open(mainWindow.get(), target, TagFormat);
    EXPECT_EQ(picker.window()->windowTitle(), "Quote Tags");
    EXPECT_EQ(list()->count(), 3);
}

}  // namespace
}  // namespace fk
