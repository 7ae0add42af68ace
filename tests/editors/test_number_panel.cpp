// The number panel driven as a user would, checked against the hive file
// after each action.
#include "EditorHive.h"
#include "NumberPanel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace fk::testing {
namespace {

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
    bool red() const { return box()->palette().color(QPalette::Text) == QColor(255, 0, 0); }
    bool black() const { return box()->palette().color(QPalette::Text) == QColor(0, 0, 0); }

    EditorHive hive;
    std::unique_ptr<NumberPanel> panel;
};

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
    EXPECT_FALSE(hive.stored("", "ContactSoundMaxTime"));  // loading writes nothing
    // A number stored as text counts as none.
    hive.put("IconShowDelay", reg::TypeSz, std::string("40\0", 3));
    showSetting("IconShowDelay");
    EXPECT_EQ(box()->text(), "300");
    EXPECT_TRUE(black());
}

TEST_F(NumberPanelTest, RedTextIsRefusedAndKeepsTheStoredValue) {
    hive.putNumber("ContactSoundMaxTime", 30);
    showSetting("ContactSoundMaxTime");
    EXPECT_EQ(slider()->value(), 30);
    type("150");
    EXPECT_TRUE(red());
    EXPECT_EQ(slider()->value(), 15);  // where "15" put it; red text moves nothing
    for (const char* text : {"150", "abc", ""}) {
        hive.dialogs.messages.clear();
        type(text);
        click("Command35");
        EXPECT_EQ(hive.messages(), std::vector<std::string>{"Error: Wrong value."}) << text;
        EXPECT_EQ(hive.dialogs.messages.shown().back().icon, dialogs::MessageIcon::Exclamation);
        EXPECT_EQ(hive.dword("", "ContactSoundMaxTime"), 30);
        EXPECT_EQ(box()->text(), text);  // the box keeps the text
    }
}

TEST_F(NumberPanelTest, TextIsRedOutsideTheLimitsOfTheShownEntry) {
    struct Case { const char* setting; const char* text; bool red; };
    for (const Case& c : {Case{"PersoAwayAutoClose", "2", true}, Case{"PersoAwayAutoClose", "3", false},
                          Case{"ContactSoundMaxTime", "12.5", false}, Case{"IMIgnoreCloseDelay", "", true},
                          Case{"IMIgnoreCloseDelay", "abc", true},
                          // the maximum of this one is not enforced
                          Case{"IconShowDelay", "5000", false}}) {
        showSetting(c.setting);
        type(c.text);
        EXPECT_EQ(red(), c.red) << c.setting << " " << c.text;
        EXPECT_EQ(black(), !c.red) << c.setting << " " << c.text;
    }
    // Stored values outside the limits too.
    for (int stored : {0, -5}) {
        hive.putNumber("ContactSoundMaxTime", stored);
        showSetting("ContactSoundMaxTime");
        EXPECT_EQ(box()->text(), QString::number(stored));
        EXPECT_TRUE(red()) << stored;
    }
}

TEST_F(NumberPanelTest, UnenforcedMaximumStoresMoreThanTheSliderShows) {
    showSetting("IconShowDelay");
    type("5000");
    EXPECT_EQ(slider()->value(), 1000);
    click("Command35");
    EXPECT_TRUE(hive.messages().empty());
    EXPECT_EQ(hive.stored("", "IconShowDelay")->type, reg::TypeDword);
    EXPECT_EQ(hive.dword("", "IconShowDelay"), 5000);
}

TEST_F(NumberPanelTest, TextIsConvertedInTheUsersLocale) {
    showSetting("ContactSoundMaxTime");
    type("13.5");
    click("Command35");
    EXPECT_EQ(hive.dword("", "ContactSoundMaxTime"), 14);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    showSetting("IconShowDelay");
    type("1.234,5");
    EXPECT_TRUE(black());
    click("Command35");
    EXPECT_EQ(hive.dword("", "IconShowDelay"), 1234);
    EXPECT_TRUE(hive.messages().empty());
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
    click("Command36");
    EXPECT_EQ(box()->text(), "3");
    EXPECT_TRUE(black());
    EXPECT_EQ(slider()->value(), 3);
    EXPECT_EQ(hive.stored("", "SchedulerMaxRecall")->type, reg::TypeDword);
    EXPECT_EQ(hive.dword("", "SchedulerMaxRecall"), 3);
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
    EXPECT_FALSE(hive.stored("", "ContactSoundMaxTime"));  // moving saves nothing
    // Typing moves the slider without rewriting the text.
    for (auto [text, value] : {std::pair{"40", 40}, {"040", 40}, {" 55 ", 55}}) {
        type(text);
        EXPECT_EQ(slider()->value(), value) << text;
        EXPECT_EQ(box()->text(), text);
    }
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
}  // namespace fk::testing
