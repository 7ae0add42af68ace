// The colour panel over a real hive file: swatches, the scripted colour
// dialog, and what "Change" and "Set default" leave in the file.
#include "ColourPanel.h"
#include "EditorHive.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace fk::testing {
namespace {

const std::uint32_t Custom[16] = {0xFFFFFF, 0xFFFF00, 0xFF00FF, 0xFF0000, 0x00FFFF, 0x00FF00, 0x0000FF, 0xC0C0C0,
                                  0x808080, 0x808000, 0x800080, 0x800000, 0x008080, 0x008000, 0x000080, 0x000000};

class ColourPanelTest : public ::testing::Test {
protected:
    explicit ColourPanelTest(const std::string& preferences = {})
        : hive({}, "Alice", preferences), panel(hive.context, nullptr) {
        hive.shown = settingIndex("QuickIconBgColor");
        panel.prepare(hive.shown);
    }

    template <typename W>
    W* control(const char* name) {
        auto* widget = panel.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    QRgb swatchPixel(const char* name) {
        QFrame* swatch = control<QFrame>(name);
        return panel.grab().toImage().pixel(swatch->geometry().center());
    }
    std::optional<std::int32_t> storedColour() { return hive.dword("", "QuickIconBgColor"); }

    EditorHive hive;
    ColourPanel panel;
};

class StoredColourTest : public ColourPanelTest {
protected:
    StoredColourTest() : ColourPanelTest("\"QuickIconBgColor\"=dword:00123456\n") {}
};

TEST_F(ColourPanelTest, WithoutStoredValueShowsVersionSpecificAndTheLightBlue) {
    EXPECT_TRUE(control<QFrame>("Shape1")->isHidden());
    QLabel* label = control<QLabel>("Label6");
    EXPECT_EQ(label->text(), "version specific");
    EXPECT_FALSE(label->isHidden());
    EXPECT_EQ(label->geometry(), control<QFrame>("Shape1")->geometry());
    EXPECT_EQ(panel.newColour(), 0xFCF5EFu);
    EXPECT_EQ(swatchPixel("Shape2"), qRgb(239, 245, 252));
    EXPECT_FALSE(storedColour());
    // A colour stored as text shows the default too.
    hive.put("QuickIconBgColor", reg::TypeSz, std::string("255\0", 4));
    panel.prepare(hive.shown);
    EXPECT_EQ(panel.newColour(), 0xFCF5EFu);
}

TEST_F(ColourPanelTest, PureRedIsStoredOnlyByChangeAsTheColourReference) {
    hive.dialogs.colours.queueAnswer({QColor(255, 0, 0)});
    click("Command1");
    ASSERT_EQ(hive.dialogs.colours.requests().size(), 1u);
    EXPECT_EQ(hive.dialogs.colours.requests()[0].initial, QColor(239, 245, 252));
    EXPECT_EQ(panel.newColour(), 0x0000FFu);
    EXPECT_EQ(swatchPixel("Shape2"), qRgb(255, 0, 0));
    EXPECT_FALSE(storedColour()) << "the dialog alone saves nothing";

    click("Command3");
    EXPECT_EQ(storedColour(), 0xFF);
    EXPECT_TRUE(hive.messages().empty());
}

TEST_F(ColourPanelTest, EveryOpeningOffersTheSameSixteenCustomColours) {
    // The user redefines a custom colour in the first opening.
    hive.dialogs.colours.queueAnswer({QColor(1, 2, 3), 4, QColor(10, 20, 30)});
    hive.dialogs.colours.queueAnswer({QColor(4, 5, 6)});
    click("Command1");
    click("Command1");
    const auto& requests = hive.dialogs.colours.requests();
    ASSERT_EQ(requests.size(), 2u);
    for (const auto& request : requests)
        for (int i = 0; i < 16; ++i) EXPECT_EQ(request.custom[size_t(i)], ColourPanel::toQColor(Custom[i])) << i;
    // The second opening starts on the colour the first one chose.
    EXPECT_EQ(requests[1].initial, QColor(1, 2, 3));
    EXPECT_EQ(panel.newColour(), 0x060504u);
}

TEST_F(StoredColourTest, CancelAfterChoosingInTheDialogChangesNothing) {
    EXPECT_EQ(panel.newColour(), 0x123456u);
    const std::string before = hive.fileText();
    hive.dialogs.colours.queueAnswer({std::nullopt, 0, QColor(9, 9, 9)});
    click("Command1");
    EXPECT_EQ(panel.newColour(), 0x123456u);
    EXPECT_EQ(swatchPixel("Shape2"), qRgb(0x56, 0x34, 0x12));
    EXPECT_EQ(hive.fileText(), before);
}

TEST_F(StoredColourTest, SetDefaultDeletesTheValueAndShowsTheDefaultAgain) {
    click("Command2");
    EXPECT_FALSE(hive.stored("", "QuickIconBgColor"));
    EXPECT_EQ(panel.newColour(), 0xFCF5EFu);
    EXPECT_EQ(swatchPixel("Shape2"), qRgb(239, 245, 252));
    // Deleting what is not there is quiet.
    click("Command2");
    EXPECT_TRUE(hive.messages().empty());
}

TEST_F(StoredColourTest, AFailedWriteTellsTheUserAndKeepsTheSwatch) {
    hive.registry->refuseValues.insert("QuickIconBgColor");
    hive.dialogs.colours.queueAnswer({QColor(0, 0, 255)});
    click("Command1");
    click("Command3");
    EXPECT_EQ(hive.messages(), std::vector<std::string>{"Error: Setting not saved."});
    EXPECT_EQ(panel.newColour(), 0xFF0000u);
    EXPECT_EQ(storedColour(), 0x123456);
}

}  // namespace
}  // namespace fk::testing
