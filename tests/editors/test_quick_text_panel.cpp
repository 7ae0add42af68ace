// The quick text panel over a real hive file: the list in the registry's
// order, the read-only displays, the "MenuInclude" choice and the fatal
// message when a quick text vanishes.
#include "EditorHive.h"
#include "QuickTextPanel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

namespace fk::testing {
namespace {

const std::string Texts = "Alice\\Preferences\\QuickTexts";

std::string quickText(const std::string& name, const std::string& values) {
    return section(Texts + "\\" + name, values);
}

std::string threeQuickTexts() {
    return section(Texts) +
           quickText("Zeta", "\"Message\"=\"Hi there\\r\\nline two\"\n\"Alias\"=\"/hi\"\n") +
           quickText("alpha", "\"Message\"=\"\"\n\"MenuInclude\"=dword:00000000\n") +
           quickText("Beta", "\"MenuInclude\"=\"0\"\n\"Message\"=\"B\"\n\"Alias\"=\"\"\n");
}

class QuickTextPanelTest : public ::testing::Test {
protected:
    explicit QuickTextPanelTest(const std::string& extra = threeQuickTexts(), const std::string& account = "Alice")
        : hive(extra, account), panel(hive.context, nullptr) {
        hive.shown = settingIndex("MenuInclude");
    }

    template <typename W>
    W* control(const char* name) {
        auto* widget = panel.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QStringList listed() {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i) names << list()->itemText(i);
        return names;
    }
    QComboBox* list() { return control<QComboBox>("Combo5"); }
    // As the user picks it from the drop-down list.
    void choose(const QString& name) {
        const int at = list()->findText(name);
        ASSERT_GE(at, 0) << name.toStdString();
        list()->setCurrentIndex(at);
        emit list()->activated(at);
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    QString shownMessage() { return control<QPlainTextEdit>("Text6")->toPlainText(); }
    QString shownAlias() { return control<QLineEdit>("Text5")->text(); }
    bool trueSet() { return control<QRadioButton>("Option2(0)")->isChecked(); }
    bool falseSet() { return control<QRadioButton>("Option2(1)")->isChecked(); }

    EditorHive hive;
    QuickTextPanel panel;
};

// In the registry's order, not sorted: listed backwards, they show backwards.
TEST_F(QuickTextPanelTest, ListsTheQuickTextsInTheRegistrysOrderWithNothingChosen) {
    panel.prepare(hive.shown);
    const QStringList forwards = listed();
    EXPECT_EQ(QSet<QString>(forwards.begin(), forwards.end()), (QSet<QString>{"Zeta", "alpha", "Beta"}));
    EXPECT_EQ(list()->currentText(), "");
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), "True");
    EXPECT_FALSE(trueSet() || falseSet());
    EXPECT_EQ(hive.openHandles(), 1) << "only the test's preferences key stays open";
    hive.registry->listBackwards = true;
    panel.prepare(hive.shown);
    QStringList backwards = listed();
    std::reverse(backwards.begin(), backwards.end());
    EXPECT_EQ(backwards, forwards);
}

TEST_F(QuickTextPanelTest, ShowsFlagMessageAndAliasOfTheChosenQuickText) {
    panel.prepare(hive.shown);
    choose("Zeta");  // no "MenuInclude": the default
    EXPECT_TRUE(trueSet());
    EXPECT_EQ(shownMessage(), "Hi there\nline two");
    EXPECT_EQ(shownAlias(), "/hi");

    choose("alpha");  // "MenuInclude" 0 and an empty message
    EXPECT_TRUE(falseSet());
    EXPECT_FALSE(trueSet());
    EXPECT_EQ(shownMessage(), "");
    EXPECT_EQ(shownAlias(), "") << "no alias stored";

    choose("Beta");  // "MenuInclude" stored as text: the default
    EXPECT_TRUE(trueSet());
    EXPECT_EQ(shownMessage(), "B");
    EXPECT_TRUE(hive.messages().empty());
    EXPECT_TRUE(hive.exits.empty());
}

TEST_F(QuickTextPanelTest, ChangeWritesTheChoiceAndSetDefaultWritesTrueOnceAQuickTextIsChosen) {
    panel.prepare(hive.shown);
    const std::string before = hive.fileText();
    control<QRadioButton>("Option2(1)")->setChecked(true);
    click("Command6");
    click("Command9");
    EXPECT_EQ(hive.fileText(), before) << "nothing chosen yet";
    choose("Zeta");
    QTest::mouseClick(control<QRadioButton>("Option2(1)"), Qt::LeftButton);
    click("Command6");
    EXPECT_EQ(hive.dword("QuickTexts\\Zeta", "MenuInclude"), 0);

    choose("Beta");
    click("Command9");
    EXPECT_TRUE(trueSet());
    EXPECT_EQ(hive.dword("QuickTexts\\Beta", "MenuInclude"), 1) << "the text value is replaced by the number";
    // Neither the text nor the alias is ever written.
    EXPECT_EQ(hive.text("QuickTexts\\Beta", "Message"), "B");
    EXPECT_EQ(hive.text("QuickTexts\\Zeta", "Alias"), "/hi");
}

TEST_F(QuickTextPanelTest, AFailedWriteSaysSoAndKeepsTheStoredFlag) {
    panel.prepare(hive.shown);
    choose("alpha");
    hive.registry->refuseValues.insert("MenuInclude");
    click("Command9");
    EXPECT_EQ(hive.messages(), std::vector<std::string>{"Error: Setting not saved."});
    EXPECT_EQ(hive.dword("QuickTexts\\alpha", "MenuInclude"), 0);
    EXPECT_TRUE(hive.exits.empty());
}

TEST_F(QuickTextPanelTest, AQuickTextRemovedMeanwhileEndsTheProgram) {
    panel.prepare(hive.shown);
    // The add-on deletes "Beta" while the list still shows it.
    hive.rewrite(section(Texts) + quickText("Zeta", "") + quickText("alpha", ""));
    choose("Beta");
    EXPECT_EQ(hive.messages(),
              std::vector<std::string>{"Error: An unexpected error has been found while opening the registry"});
    EXPECT_EQ(hive.dialogs.messages.shown().at(0).icon, dialogs::MessageIcon::Critical);
    EXPECT_EQ(hive.exits, std::vector<int>{1});
}

class LongMessagesTest : public QuickTextPanelTest {
protected:
    LongMessagesTest()
        : QuickTextPanelTest(section(Texts) +
                             quickText("Fits", "\"Message\"=\"" + std::string(1023, 'm') + "\"\n\"Alias\"=\"" +
                                                   std::string(255, 'a') + "\"\n") +
                             quickText("Long", "\"Message\"=\"" + std::string(1024, 'm') + "\"\n\"Alias\"=\"" +
                                                   std::string(256, 'a') + "\"\n")) {}
};

TEST_F(LongMessagesTest, ShowsUpTo1023CharactersAndAnEmptyBoxBeyond) {
    panel.prepare(hive.shown);
    choose("Fits");
    EXPECT_EQ(shownMessage(), QString(1023, 'm'));
    EXPECT_EQ(shownAlias(), QString(255, 'a'));
    choose("Long");
    EXPECT_EQ(shownMessage(), "");
    EXPECT_EQ(shownAlias(), "");
}

class NoQuickTextsTest : public QuickTextPanelTest {
protected:
    NoQuickTextsTest() : QuickTextPanelTest({}, "Bob") {}
};

TEST_F(NoQuickTextsTest, ShowingTheEntryCreatesTheEmptyKeyAndEndsTheProgramWhenItCannot) {
    EXPECT_FALSE(hive.keyExists("QuickTexts"));
    panel.prepare(hive.shown);
    EXPECT_TRUE(hive.keyExists("QuickTexts"));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(hive.messages().empty());
    hive.rewrite("");
    hive.registry->refuseCreate = true;
    panel.prepare(hive.shown);
    EXPECT_EQ(hive.messages(),
              std::vector<std::string>{"Error: An unexpected error has been found while opening the registry"});
    EXPECT_EQ(hive.exits, std::vector<int>{1});
}

}  // namespace
}  // namespace fk::testing
