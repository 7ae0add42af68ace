// The number panel driven as a user would, checked against the hive file
// after each action.
#include "NumberPanel.h"
#include "ValuePanelHive.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace fk {
namespace {

using testing::settingIndex;

class NumberPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        panel = std::make_unique<NumberPanel>(hive.context, nullptr);
        panel->show();
    }

    void showSetting(const char* name) {
        hive.shown = settingIndex(name);
        panel->prepare(hive.shown);
    }
    QLineEdit* box() const { return panel->findChild<QLineEdit*>("Text28"); }
    QSlider* slider() const { return panel->findChild<QSlider*>("Slider4"); }
    void click(const char* name) { QTest::mouseClick(panel->findChild<QPushButton*>(name), Qt::LeftButton); }
    void type(const QString& text) {
        box()->selectAll();
        QTest::keyClick(box(), Qt::Key_Delete);
        QTest::keyClicks(box(), text);
    }
    QColor colour() const { return box()->palette().color(QPalette::Text); }
    bool red() const { return colour() == QColor(255, 0, 0); }
    bool black() const { return colour() == QColor(0, 0, 0); }

    testing::ValuePanelHive hive;
    std::unique_ptr<NumberPanel> panel;
};

TEST_F(NumberPanelTest, ControlsAndTheirPlaces) {
    EXPECT_EQ(panel->objectName(), "Picture1(3)");
    struct Control { const char* name; QString caption; QRect place; };
    for (const Control& c : {Control{"Label2(17)", "Default value:", twipsRect(120, 120, 1095, 255)},
                             Control{"Label3(17)", "New value:", twipsRect(120, 480, 975, 255)},
                             Control{"Label7", "Value:", twipsRect(600, 1560, 975, 255)},
                             Control{"Command36", "Set default", twipsRect(2880, 120, 1335, 375)},
                             Control{"Command35", "Change", twipsRect(2880, 600, 1335, 375)}}) {
        auto* w = panel->findChild<QWidget*>(c.name);
        ASSERT_TRUE(w) << c.name;
        EXPECT_EQ(w->property("text").toString(), c.caption) << c.name;
        EXPECT_EQ(w->geometry(), c.place) << c.name;
    }
    auto* defaultBox = panel->findChild<QLineEdit*>("Text18");
    ASSERT_TRUE(defaultBox);
    EXPECT_TRUE(defaultBox->isReadOnly());
    EXPECT_EQ(defaultBox->geometry(), twipsRect(1200, 120, 1335, 285));
    EXPECT_EQ(slider()->geometry(), twipsRect(360, 840, 2295, 495));
    EXPECT_EQ(slider()->orientation(), Qt::Horizontal);
    EXPECT_NE(slider()->tickPosition(), QSlider::NoTicks);
    EXPECT_EQ(box()->geometry(), twipsRect(1560, 1560, 975, 285));
}

TEST_F(NumberPanelTest, NothingStoredShowsTheDefaultInBlack) {
    showSetting("ContactSoundMaxTime");
    EXPECT_EQ(panel->findChild<QLineEdit*>("Text18")->text(), "12");
    EXPECT_EQ(box()->text(), "12");
    EXPECT_TRUE(black());
    EXPECT_EQ(slider()->minimum(), 1);
    EXPECT_EQ(slider()->maximum(), 100);
    EXPECT_EQ(slider()->tickInterval(), 10);
    EXPECT_EQ(slider()->singleStep(), 1);
    EXPECT_EQ(slider()->pageStep(), 10);
    EXPECT_EQ(slider()->value(), 12);
    EXPECT_FALSE(hive.stored("ContactSoundMaxTime").present);  // loading writes nothing
}

TEST_F(NumberPanelTest, EnforcedMaximumRefusesAndKeepsTheStoredValue) {
    hive.putNumber("ContactSoundMaxTime", 30);
    showSetting("ContactSoundMaxTime");
    EXPECT_EQ(slider()->value(), 30);
    type("150");
    EXPECT_TRUE(red());
    EXPECT_EQ(slider()->value(), 15);  // where "15" put it, on the way to 150
    click("Command35");
    EXPECT_EQ(hive.messages(), std::vector<std::string>{"Error: Wrong value."});
    EXPECT_EQ(hive.dialogs.messages.shown().back().icon, dialogs::MessageIcon::Exclamation);
    EXPECT_EQ(hive.storedNumber("ContactSoundMaxTime"), 30);
    EXPECT_EQ(box()->text(), "150");  // the box keeps the text
}

TEST_F(NumberPanelTest, RedTextLeavesTheSliderWhereItWas) {
    showSetting("ContactSoundMaxTime");
    box()->setText("150");
    EXPECT_TRUE(red());
    EXPECT_EQ(slider()->value(), 12);
}

TEST_F(NumberPanelTest, UnenforcedMaximumStoresMoreThanTheSliderShows) {
    showSetting("IconShowDelay");
    type("5000");
    EXPECT_TRUE(black());
    EXPECT_EQ(slider()->value(), 1000);
    click("Command35");
    EXPECT_TRUE(hive.messages().empty());
    EXPECT_EQ(hive.stored("IconShowDelay").type, reg::TypeDword);
    EXPECT_EQ(hive.storedNumber("IconShowDelay"), 5000);
}

TEST_F(NumberPanelTest, MinimumIsValidBelowItIsNot) {
    showSetting("PersoAwayAutoClose");
    type("2");
    EXPECT_TRUE(red());
    type("3");
    EXPECT_TRUE(black());
    EXPECT_EQ(slider()->value(), 3);
}

TEST_F(NumberPanelTest, EmptyAndLettersAreRed) {
    showSetting("IMIgnoreCloseDelay");
    type("");
    EXPECT_EQ(box()->text(), "");
    EXPECT_TRUE(red());
    type("abc");
    EXPECT_TRUE(red());
    click("Command35");
    EXPECT_EQ(hive.messages(), std::vector<std::string>{"Error: Wrong value."});
    EXPECT_FALSE(hive.stored("IMIgnoreCloseDelay").present);
}

TEST_F(NumberPanelTest, BlanksAndFractionsAreStoredAsWholeNumbers) {
    showSetting("ContactSoundMaxTime");
    type(" 25 ");
    EXPECT_TRUE(black());
    click("Command35");
    EXPECT_EQ(hive.storedNumber("ContactSoundMaxTime"), 25);
    type("12.5");
    EXPECT_TRUE(black());
    click("Command35");
    EXPECT_EQ(hive.storedNumber("ContactSoundMaxTime"), 12);
    type("13.5");
    click("Command35");
    EXPECT_EQ(hive.storedNumber("ContactSoundMaxTime"), 14);
    EXPECT_TRUE(hive.messages().empty());
}

TEST_F(NumberPanelTest, CommaDecimalsUnderAGermanLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    showSetting("IconShowDelay");
    type("1.234,5");
    EXPECT_TRUE(black());
    click("Command35");
    EXPECT_EQ(hive.storedNumber("IconShowDelay"), 1234);
}

TEST_F(NumberPanelTest, StoredValueOutsideTheLimitsShowsRed) {
    hive.putNumber("ContactSoundMaxTime", 0);
    showSetting("ContactSoundMaxTime");
    EXPECT_EQ(box()->text(), "0");
    EXPECT_TRUE(red());
    hive.putNumber("ContactSoundMaxTime", -5);
    showSetting("ContactSoundMaxTime");
    EXPECT_EQ(box()->text(), "-5");
    EXPECT_TRUE(red());
}

TEST_F(NumberPanelTest, StoredTextCountsAsNotSet) {
    hive.put("IconShowDelay", reg::TypeSz, std::string("40\0", 3));
    showSetting("IconShowDelay");
    EXPECT_EQ(box()->text(), "300");
    EXPECT_TRUE(black());
}

TEST_F(NumberPanelTest, SameTextUnderAnotherEntryIsCheckedAgain) {
    hive.putNumber("PersoAwayAutoClose", 2);
    hive.putNumber("SchedulerMaxRecall", 2);
    showSetting("PersoAwayAutoClose");
    EXPECT_TRUE(red());
    showSetting("SchedulerMaxRecall");
    EXPECT_EQ(box()->text(), "2");
    EXPECT_TRUE(black());
    EXPECT_EQ(slider()->value(), 2);
}

TEST_F(NumberPanelTest, SetDefaultStoresTheDefaultWhenNothingWasThere) {
    showSetting("SchedulerMaxRecall");
    type("abc");
    ASSERT_FALSE(hive.stored("SchedulerMaxRecall").present);
    click("Command36");
    EXPECT_EQ(box()->text(), "3");
    EXPECT_TRUE(black());
    EXPECT_EQ(slider()->value(), 3);
    EXPECT_EQ(hive.stored("SchedulerMaxRecall").type, reg::TypeDword);
    EXPECT_EQ(hive.storedNumber("SchedulerMaxRecall"), 3);
    EXPECT_TRUE(hive.messages().empty());
}

TEST_F(NumberPanelTest, UserMovesOfTheSliderWriteTheBox) {
    showSetting("ContactSoundMaxTime");
    QTest::keyClick(slider(), Qt::Key_Right);
    EXPECT_EQ(box()->text(), "13");
    QTest::keyClick(slider(), Qt::Key_PageUp);
    EXPECT_EQ(box()->text(), "23");
    // a drag: the handle held down and moved
    slider()->setSliderDown(true);
    slider()->setSliderPosition(40);
    slider()->setSliderDown(false);
    EXPECT_EQ(box()->text(), "40");
    EXPECT_EQ(slider()->value(), 40);
    EXPECT_TRUE(black());
    EXPECT_FALSE(hive.stored("ContactSoundMaxTime").present);  // moving saves nothing
}

TEST_F(NumberPanelTest, TypingMovesTheSliderWithoutRewritingTheText) {
    showSetting("ContactSoundMaxTime");
    type("40");
    EXPECT_EQ(slider()->value(), 40);
    EXPECT_EQ(box()->text(), "40");
    type("040");
    EXPECT_EQ(slider()->value(), 40);
    EXPECT_EQ(box()->text(), "040");
    type(" 55 ");
    EXPECT_EQ(slider()->value(), 55);
    EXPECT_EQ(box()->text(), " 55 ");
}

TEST_F(NumberPanelTest, SliderRangeOfAWiderEntryIsNotClippedByTheLastOne) {
    showSetting("SchedulerMaxRecall");
    hive.putNumber("IMIgnoreCloseDelay", 1500);
    showSetting("IMIgnoreCloseDelay");
    EXPECT_EQ(slider()->minimum(), 0);
    EXPECT_EQ(slider()->maximum(), 1800);
    EXPECT_EQ(slider()->pageStep(), 300);
    EXPECT_EQ(slider()->value(), 1500);
}

}  // namespace
}  // namespace fk
