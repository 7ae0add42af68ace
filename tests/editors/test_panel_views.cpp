// What the scripted panel cases cannot see: the colour dialog's custom
// colours, the font lists and the sample's size.
#include "ColourPanel.h"
#include "FontList.h"
#include "FontPanel.h"
#include "HiveFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

namespace fk::testing {
namespace {

TEST(ColourPanelView, EveryOpeningOffersTheSameSixteenCustomColoursAndStartsOnTheLastChoice) {
    const std::uint32_t custom[16] = {0xFFFFFF, 0xFFFF00, 0xFF00FF, 0xFF0000, 0x00FFFF, 0x00FF00, 0x0000FF, 0xC0C0C0,
                                      0x808080, 0x808000, 0x800080, 0x800000, 0x008080, 0x008000, 0x000080, 0x000000};
    EditorHive hive;
    ColourPanel panel(hive.context, nullptr);
    hive.shown = settingIndex("QuickIconBgColor");
    panel.prepare(hive.shown);
    // The user redefines a custom colour in the first opening.
    hive.dialogs.colours.queueAnswer({QColor(1, 2, 3), 4, QColor(10, 20, 30)});
    hive.dialogs.colours.queueAnswer({QColor(4, 5, 6), -1, {}});
    for (int i = 0; i < 2; ++i) QTest::mouseClick(control<QPushButton>(&panel, "Command1"), Qt::LeftButton);
    const auto& requests = hive.dialogs.colours.requests();
    ASSERT_EQ(requests.size(), 2u);
    for (const auto& request : requests)
        for (int i = 0; i < 16; ++i) EXPECT_EQ(request.custom[size_t(i)], ColourPanel::toQColor(custom[i])) << i;
    EXPECT_EQ(requests[1].initial, QColor(1, 2, 3));
    EXPECT_EQ(panel.newColour(), 0x060504u);
}

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
    // Rows of the sample that hold ink: first and last.
    auto inkedRows = [&] {
        const QImage image = panel.grab().toImage();
        const QRect area(panel.previewAt(), image.rect().bottomRight());
        int first = -1, last = -1;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) != image.pixel(area.bottomRight())) last = y, first = first < 0 ? y : first;
        return std::pair{first, last};
    };
    size->setText("24");
    ASSERT_TRUE(panel.preview());
    EXPECT_EQ(panel.preview()->font.family(), "DejaVu Serif");
    EXPECT_TRUE(panel.preview()->font.italic());
    EXPECT_NEAR(QFontMetricsF(panel.preview()->font).height(), 24, 0.75);
    const auto tall = inkedRows();
    size->setText("12.5");
    ASSERT_TRUE(panel.preview());
    EXPECT_NEAR(QFontMetricsF(panel.preview()->font).height(), 12, 0.75);
    const auto rows = inkedRows();
    EXPECT_GE(rows.first, panel.previewAt().y());
    EXPECT_LT(rows.second, panel.previewAt().y() + 12);
    EXPECT_GT(tall.second - tall.first, rows.second - rows.first);
    // The sample survives being covered and uncovered.
    const QImage before = panel.grab().toImage();
    panel.hide();
    panel.show();
    EXPECT_EQ(panel.grab().toImage(), before);
}

}  // namespace
}  // namespace fk::testing
