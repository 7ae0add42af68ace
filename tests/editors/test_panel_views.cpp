// SPDX-License-Identifier: GPL-3.0-or-later
// What the scripted panel cases cannot see: the font lists and the
// sample's size.
#include "editors/FontPanel.h"
#include "platform/fonts/FontList.h"
#include "support/CaseScript.h"
#include "support/EditorHive.h"
#include "support/WidgetDriving.h"

#include <QCheckBox>
#include <QFontMetricsF>

#include <algorithm>

namespace fk::testing {
namespace {

// One entry a family, each name once, sorted, and whole in the open list.
TEST(FontPanelView, TheListsAreFilledOnceARunWithEachFamilyOnceAndShownWhole) {
    EditorHive hive;
    FontPanel panel(hive.context, nullptr);
    hive.shown = settingIndex("CtcListFont");
    panel.prepare(hive.shown);
    EXPECT_EQ(control<QCheckBox>(&panel, "Check1")->text(), "Enable this setting (default is disabled)");
    QComboBox* names = control<QComboBox>(&panel, "Combo3");
    ASSERT_GT(names->count(), 0);
    const QStringList listed = items(names);
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    }));
    EXPECT_EQ(QStringList(listed).removeDuplicates(), 0);
    for (const QString& name : listed)
        EXPECT_EQ(fonts::familyForName(name.toStdString()), name.toStdString()) << "not a family";
    names->setFixedWidth(names->width() / 4);  // names longer than the box
    names->showPopup();
    EXPECT_GE(names->view()->viewport()->width(), names->view()->sizeHintForColumn(0));
    names->hidePopup();
    // Later entries and visits keep the lists as they are.
    names->removeItem(0);
    hive.shown = settingIndex("WindowFont");
    panel.prepare(hive.shown);
    EXPECT_EQ(names->count(), listed.size() - 1);
    FontPanel second(hive.context, nullptr);
    second.prepare(hive.shown);
    EXPECT_EQ(control<QComboBox>(&second, "Combo3")->count(), 0);
}

TEST(FontPanelView, TheSizeIsTheHeightOfTheSamplesCharacterCell) {
    EditorHive hive(
        EditorHive::Keys{{"Alice\\Preferences\\CtcListFont",
                          "\"Enable\"=dword:00000001\n\"Italic\"=dword:00000001\n\"Name\"=\"DejaVu Serif\"\n"}});
    FontPanel panel(hive.context, nullptr);
    hive.shown = settingIndex("CtcListFont");
    panel.prepare(hive.shown);
    panel.show();
    QLineEdit* size = control<QComboBox>(&panel, "Combo2")->lineEdit();
    size->setText("24");
    ASSERT_TRUE(panel.preview());
    EXPECT_EQ(panel.preview()->font.family(), "DejaVu Serif");
    EXPECT_TRUE(panel.preview()->font.italic());
    EXPECT_NEAR(QFontMetricsF(panel.preview()->font).height(), 24, 0.75);
    const Ink tall = inkBelow(&panel, panel.previewAt());
    size->setText("12.5");
    ASSERT_TRUE(panel.preview());
    EXPECT_NEAR(QFontMetricsF(panel.preview()->font).height(), 12, 0.75);
    const Ink rows = inkBelow(&panel, panel.previewAt());
    EXPECT_GE(rows.first, panel.previewAt().y());
    EXPECT_LT(rows.last, panel.previewAt().y() + 12);
    EXPECT_GT(tall.last - tall.first, rows.last - rows.first);
    // The sample survives being covered and uncovered.
    const QImage before = panel.grab().toImage();
    panel.hide();
    panel.show();
    EXPECT_EQ(panel.grab().toImage(), before);
}

}  // namespace
}  // namespace fk::testing
