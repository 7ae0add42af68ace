// The font panel over a real hive file: what loading shows, what "Change"
// and "Set default" write, and the sample judged by its pixels.
#include "FontList.h"
#include "FontPanel.h"
#include "EditorHive.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace fk::testing {
namespace {

const std::string Font = "CtcListFont";
// Where the sample goes: from its cell's corner to the panel's edges.
QRect sampleArea() {
    const QSize panel = twipsSize(4335, 2535);
    return QRect(FontPanel::previewAt(), QPoint(panel.width() - 1, panel.height() - 1));
}

std::string storedFont(const std::string& values) {
    return section("Alice\\Preferences\\" + Font, values);
}

const std::string EnabledFont = storedFont(
    "\"Enable\"=dword:00000005\n\"Height\"=dword:0000000c\n\"Weight\"=dword:000002bc\n"
    "\"Italic\"=dword:00000001\n\"Charset\"=dword:00000002\n\"Name\"=\"DejaVu Serif\"\n");

class FontPanelTest : public ::testing::Test {
protected:
    explicit FontPanelTest(const std::string& extra = {}) : hive(extra), panel(hive.context, nullptr) {
        hive.shown = settingIndex(Font);
        panel.prepare(hive.shown);
    }

    template <typename W>
    W* control(const char* name) {
        auto* widget = panel.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QCheckBox* enable() { return control<QCheckBox>("Check1"); }
    QLineEdit* weight() { return control<QLineEdit>("Text37"); }
    QLineEdit* sizeBox() { return control<QComboBox>("Combo2")->lineEdit(); }
    QLineEdit* charSet() { return control<QLineEdit>("Text38"); }
    QSlider* slider() { return control<QSlider>("Slider5"); }
    // As the user types over the box's whole text.
    void type(QLineEdit* box, const QString& text) {
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
    }
    // As the user pastes over the box's whole text: one change.
    void paste(QLineEdit* box, const QString& text) {
        box->selectAll();
        box->insert(text);
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    bool red(QLineEdit* box) { return box->palette().color(QPalette::Active, QPalette::Text) == QColor(255, 0, 0); }
    std::vector<QWidget*> editing() {
        return {control<QComboBox>("Combo3"), control<QComboBox>("Combo2"), control<QCheckBox>("Check2"),
                slider(), weight(), charSet()};
    }
    std::optional<std::int32_t> number(const char* name) { return hive.dword(Font, name); }

    // Rows of the sample area that hold ink: first and last.
    std::pair<int, int> inkedRows() {
        const QImage image = panel.grab().toImage();
        const QRgb background = image.pixel(sampleArea().right(), sampleArea().bottom());
        int first = -1, last = -1;
        for (int y = sampleArea().top(); y <= sampleArea().bottom(); ++y)
            for (int x = sampleArea().left(); x <= sampleArea().right(); ++x)
                if (image.pixel(x, y) != background) {
                    if (first < 0) first = y;
                    last = y;
                }
        return {first, last};
    }

    EditorHive hive;
    FontPanel panel;
};

class EnabledFontTest : public FontPanelTest {
protected:
    EnabledFontTest() : FontPanelTest(EnabledFont) {}
};

TEST_F(FontPanelTest, WithoutSubkeyShowsTheDefaultsDisabledAndCreatesNothing) {
    const std::string before = hive.fileText();
    EXPECT_EQ(enable()->text(), "Enable this setting (default is disabled)");
    EXPECT_FALSE(enable()->isChecked());
    EXPECT_EQ(control<QComboBox>("Combo3")->currentText(), "MS Sans Serif");
    EXPECT_EQ(control<QComboBox>("Combo2")->currentText(), "8");
    EXPECT_EQ(weight()->text(), "400");
    EXPECT_FALSE(control<QCheckBox>("Check2")->isChecked());
    EXPECT_EQ(charSet()->text(), "");
    for (QWidget* w : editing()) EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(panel.preview());
    EXPECT_EQ(inkedPixels(panel, sampleArea()), 0);

    EXPECT_FALSE(hive.keyExists(Font));
    EXPECT_EQ(hive.fileText(), before);
    EXPECT_EQ(hive.openHandles(), 1);
}

TEST_F(FontPanelTest, TheListsAreFilledOnceARunAndSorted) {
    EXPECT_TRUE(hive.fontListsLoaded);
    QComboBox* names = control<QComboBox>("Combo3");
    QComboBox* sizes = control<QComboBox>("Combo2");
    QStringList sizeItems;
    for (int i = 0; i < sizes->count(); ++i) sizeItems << sizes->itemText(i);
    EXPECT_EQ(sizeItems, QStringList({"6", "8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24"}));
    ASSERT_EQ(size_t(names->count()), fonts::ansiFontNames().size());
    EXPECT_GE(names->findText("DejaVu Sans"), 0);
    EXPECT_GE(names->findText("DejaVu Sans Bold"), 0) << "TrueType faces under their full names";
    for (int i = 1; i < names->count(); ++i)
        EXPECT_LE(QString::compare(names->itemText(i - 1), names->itemText(i), Qt::CaseInsensitive), 0);
    EXPECT_FALSE(slider()->isEnabled());

    // Later entries and visits keep the lists as they are.
    names->removeItem(0);
    const int left = names->count();
    hive.shown = settingIndex("WindowFont");
    panel.prepare(hive.shown);
    EXPECT_EQ(names->count(), left);
    FontPanel second(hive.context, nullptr);
    second.prepare(hive.shown);
    EXPECT_EQ(second.findChild<QComboBox*>("Combo3")->count(), 0);
}

TEST_F(EnabledFontTest, AStoredEnableOfFiveTicksTheBoxAndIsWrittenBackAsOne) {
    EXPECT_TRUE(enable()->isChecked());
    for (QWidget* w : editing()) EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(control<QComboBox>("Combo3")->currentText(), "DejaVu Serif");
    EXPECT_EQ(sizeBox()->text(), "12");
    EXPECT_EQ(weight()->text(), "700");
    EXPECT_EQ(slider()->value(), 700);
    EXPECT_TRUE(control<QCheckBox>("Check2")->isChecked());
    EXPECT_EQ(charSet()->text(), "2");
    ASSERT_TRUE(panel.preview());
    EXPECT_EQ(panel.preview()->font.family(), "DejaVu Serif");
    EXPECT_TRUE(panel.preview()->font.italic());
    EXPECT_GT(inkedPixels(panel, sampleArea()), 20);

    click("Command39");
    EXPECT_EQ(number("Enable"), 1);
    EXPECT_EQ(number("Italic"), 1);
    EXPECT_EQ(number("Weight"), 700);
    EXPECT_EQ(number("Height"), 12);
    EXPECT_EQ(number("Charset"), 2);
    EXPECT_EQ(hive.text(Font, "Name"), "DejaVu Serif");
    EXPECT_TRUE(hive.messages().empty());
}

TEST_F(EnabledFontTest, AWeightOutOfRangeIsRedButDrawnAndWritten) {
    paste(weight(), "1000");
    EXPECT_TRUE(red(weight()));
    EXPECT_EQ(slider()->value(), 700) << "the slider stays where it was";
    ASSERT_TRUE(panel.preview());
    EXPECT_EQ(panel.preview()->weight, 1000);
    EXPECT_GT(inkedPixels(panel, sampleArea()), 20);
    click("Command39");
    EXPECT_EQ(number("Weight"), 1000);

    // Typed key by key, the weight passes through 4 and 45 (red) to 450.
    type(weight(), "450");
    EXPECT_FALSE(red(weight()));
    EXPECT_EQ(slider()->value(), 450);
    // The slider writes into the box only when the user moves it.
    type(weight(), "1000");
    slider()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(weight()->text(), "900");
    EXPECT_FALSE(red(weight()));
    slider()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(weight()->text(), "875");
    // Letters empty the sample and save the default weight.
    type(weight(), "bold");
    EXPECT_TRUE(red(weight()));
    EXPECT_FALSE(panel.preview());
    EXPECT_EQ(inkedPixels(panel, sampleArea()), 0);
    click("Command39");
    EXPECT_EQ(number("Weight"), 400);
}

TEST_F(EnabledFontTest, ASizeOfTwelveAndAHalfIsDrawnAndWrittenAsTwelve) {
    type(sizeBox(), "24");
    ASSERT_TRUE(panel.preview());
    EXPECT_NEAR(QFontMetricsF(panel.preview()->font).height(), 24, 0.75) << "the size is the cell's height";
    const auto tall = inkedRows();
    type(sizeBox(), "12.5");
    ASSERT_TRUE(panel.preview());
    EXPECT_EQ(panel.preview()->size, 12);
    EXPECT_NEAR(QFontMetricsF(panel.preview()->font).height(), 12, 0.75);
    const auto rows = inkedRows();
    // The character cell is 12 pixels high from the sample's corner.
    EXPECT_GE(rows.first, FontPanel::previewAt().y());
    EXPECT_LT(rows.second, FontPanel::previewAt().y() + 12);
    EXPECT_GT(tall.second - tall.first, rows.second - rows.first);
    click("Command39");
    EXPECT_EQ(number("Height"), 12);

    type(sizeBox(), "");
    EXPECT_FALSE(panel.preview());
    click("Command39");
    EXPECT_EQ(number("Height"), 8) << "a size that does not convert saves the default";
}

TEST_F(EnabledFontTest, TheCharacterSetIsWrittenOnlyWhenItDiffersFromTheDefault) {
    const QImage before = panel.grab().toImage().copy(sampleArea());
    type(charSet(), "");
    // The character set takes no part in the sample.
    ASSERT_TRUE(panel.preview());
    EXPECT_EQ(panel.grab().toImage().copy(sampleArea()), before);
    click("Command39");
    EXPECT_EQ(number("Charset"), 2);

    for (const char* refused : {"-1", "ansi"}) {
        type(charSet(), refused);
        click("Command39");
        EXPECT_EQ(number("Charset"), 2) << refused;
    }

    type(charSet(), "0");
    click("Command39");
    EXPECT_EQ(number("Charset"), 0);
}

TEST_F(EnabledFontTest, SetDefaultWritesTheDefaultsAndKeepsTheStoredCharset) {
    click("Command40");
    EXPECT_FALSE(enable()->isChecked());
    for (QWidget* w : editing()) EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(charSet()->text(), "");
    EXPECT_FALSE(panel.preview());
    EXPECT_EQ(inkedPixels(panel, sampleArea()), 0);
    EXPECT_EQ(number("Enable"), 0);
    EXPECT_EQ(number("Italic"), 0);
    EXPECT_EQ(number("Weight"), 400);
    EXPECT_EQ(number("Height"), 8);
    EXPECT_EQ(hive.text(Font, "Name"), "MS Sans Serif");
    EXPECT_EQ(number("Charset"), 2);
}

TEST_F(EnabledFontTest, ClearingTheEnableBoxErasesTheSampleAndChangeStillWritesEverything) {
    enable()->click();
    for (QWidget* w : editing()) EXPECT_FALSE(w->isEnabled());
    EXPECT_FALSE(panel.preview());
    EXPECT_EQ(inkedPixels(panel, sampleArea()), 0);
    click("Command39");
    EXPECT_EQ(number("Enable"), 0);
    EXPECT_EQ(number("Height"), 12);
    EXPECT_EQ(hive.text(Font, "Name"), "DejaVu Serif");

    enable()->click();
    EXPECT_GT(inkedPixels(panel, sampleArea()), 20);
}

TEST_F(EnabledFontTest, TheSampleSurvivesBeingCoveredAndUncovered) {
    panel.show();
    const QImage before = panel.grab().toImage().copy(sampleArea());
    panel.hide();
    panel.show();
    EXPECT_EQ(panel.grab().toImage().copy(sampleArea()), before);
    EXPECT_GT(inkedPixels(panel, sampleArea()), 20);
}

TEST_F(EnabledFontTest, AFailedWriteStopsTheRestAndIsToldOnce) {
    type(weight(), "500");
    hive.registry->refuseValues.insert("Height");
    click("Command39");
    EXPECT_EQ(hive.messages(), std::vector<std::string>{"Error: Setting not saved."});
    EXPECT_EQ(number("Enable"), 1) << "written before the failure";
    EXPECT_EQ(number("Weight"), 500);
    EXPECT_EQ(number("Height"), 12) << "the stored height stays";
    EXPECT_EQ(hive.text(Font, "Name"), "DejaVu Serif");
    EXPECT_EQ(hive.openHandles(), 1);
}

TEST_F(FontPanelTest, ASubkeyThatCannotBeCreatedSavesNothing) {
    hive.registry->refuseCreate = true;
    click("Command39");
    EXPECT_EQ(hive.messages(), std::vector<std::string>{"Error: Setting not saved."});
    EXPECT_FALSE(hive.keyExists(Font));
}

class OddlyStoredFontTest : public FontPanelTest {
protected:
    OddlyStoredFontTest()
        : FontPanelTest(storedFont("\"Enable\"=hex:01,00,00,00\n\"Height\"=hex:10,00,00,00\n"
                                   "\"Weight\"=hex:01,02,03,04,05\n\"Name\"=\"" +
                                   std::string(256, 'n') + "\"\n")) {}
};

TEST_F(OddlyStoredFontTest, ValuesAreReadWhateverTheirTypeAndTooLongOnesGiveTheDefault) {
    EXPECT_TRUE(enable()->isChecked());
    EXPECT_EQ(sizeBox()->text(), "16");
    EXPECT_EQ(weight()->text(), "400") << "five bytes do not fit the buffer";
    EXPECT_EQ(control<QComboBox>("Combo3")->currentText(), "MS Sans Serif");
}

}  // namespace
}  // namespace fk::testing
