// The Edit menu over a real hive file: marks of changed settings, the find
// box, undo and redo of each press, and resetting an account. An import's
// undo is in test_settings_transfer_window.cpp.
#include "AppDriver.h"
#include "ChangeMarks.h"
#include "EditTools.h"
#include "UndoHistory.h"

#include <QLabel>

namespace fk::testing {
namespace {

class EditToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        hive_ = std::make_unique<AppHive>(
            threeAccounts("\"ContactSoundMaxTime\"=dword:0000001e\n\"QuickIconBgColor\"=dword:00112233\n"));
        app_ = std::make_unique<Fettlekit>(hive_->path());
        ASSERT_TRUE(app_->loaded);
        app_->pick("alice");
    }

    void press(int index, const char* button) {
        app_->clickSetting(index);
        QTest::mouseClick(control<QPushButton>(app_->panelOf(index), button), Qt::LeftButton);
        QApplication::processEvents();
    }
    bool marked(int index) const { return app_->node(index)->data(0, ChangeMarks::ChangedRole).toBool(); }
    std::optional<std::int32_t> number(const std::string& value, const std::string& sub = {}) const {
        return hive_->storedNumber(AlicePrefs + sub, value);
    }
    QUndoStack& stack() const { return app_->window->editTools().history().stack(); }

    std::unique_ptr<AppHive> hive_;
    std::unique_ptr<Fettlekit> app_;
};

TEST_F(EditToolsTest, EachPressIsOneStepThatUndoAndRedoTakeBackAndForth) {
    const int maxTime = settingIndex("ContactSoundMaxTime");
    const int colour = settingIndex("QuickIconBgColor");
    const int boolean = settingIndex("AddCharToTruncateName");
    const int font = settingIndex("WindowFont");
    struct Case {
        int index;
        std::function<void()> act;
        std::string value, sub;
        std::optional<std::int32_t> before, after;
    };
    const Case cases[] = {
        {maxTime, [&] { app_->changeNumber(55); }, "ContactSoundMaxTime", "", 30, 55},
        {colour, [&] { press(colour, "Command2"); }, "QuickIconBgColor", "", 0x112233, std::nullopt},
        {boolean, [&] { press(boolean, "Command55"); }, "AddCharToTruncateName", "", std::nullopt, 0},
        // Six values in one press, one step.
        {font, [&] { press(font, "Command39"); }, "Height", "\\WindowFont", std::nullopt, 8},
    };
    for (const Case& c : cases) {
        const std::string name = settingEntry(c.index).ValueName;
        app_->clickSetting(c.index);
        const int steps = stack().count();
        c.act();
        QApplication::processEvents();
        EXPECT_EQ(stack().count(), steps + 1) << name;
        EXPECT_EQ(number(c.value, c.sub), c.after) << name;
        app_->trigger("actionUndo");
        EXPECT_EQ(number(c.value, c.sub), c.before) << name;
        if (c.index == font) {
            EXPECT_FALSE(storedInFile(hive_->path(), AlicePrefs + "\\WindowFont", "Name"));
        }
        app_->trigger("actionRedo");
        EXPECT_EQ(number(c.value, c.sub), c.after) << name;
    }
    // The panel shows what an undo put back.
    app_->clickSetting(maxTime);
    for (int i = 0; i < 4; ++i) app_->trigger("actionUndo");
    EXPECT_EQ(app_->numberBox()->text(), "30");
    EXPECT_FALSE(app_->control<QAction>("actionUndo")->isEnabled());
    EXPECT_TRUE(app_->messages().empty());
}

TEST_F(EditToolsTest, MarksFollowChangesUndoAccountsAndOtherPrograms) {
    const int maxTime = settingIndex("ContactSoundMaxTime");
    ASSERT_TRUE(marked(maxTime));
    EXPECT_TRUE(app_->node(maxTime)->font(0).bold());
    EXPECT_EQ(app_->node(maxTime)->toolTip(0), "Stored: 30\nDefault: 12");
    EXPECT_TRUE(marked(settingIndex("QuickIconBgColor")));

    press(maxTime, "Command36");  // Set default
    EXPECT_FALSE(marked(maxTime));
    EXPECT_FALSE(app_->node(maxTime)->font(0).bold());
    app_->trigger("actionUndo");
    EXPECT_TRUE(marked(maxTime));
    app_->pick("Bob");
    EXPECT_FALSE(marked(maxTime));
    // Another program sets alice's value back to the default.
    hive_->replace(hiveText(hiveKey(AlicePrefs, "\"ContactSoundMaxTime\"=dword:0000000c\n")));
    app_->pick("alice");
    EXPECT_FALSE(marked(maxTime));
    EXPECT_FALSE(hive_->hasKey(AlicePrefs + "\\WindowFont"));  // marks create no key
}

TEST_F(EditToolsTest, AnUndoOrRedoWhoseWriteFailsSaysSoAndKeepsTheStack) {
    app_->clickSetting(settingIndex("ContactSoundMaxTime"));
    app_->changeNumber(55);
    app_->registry->refuseWrites = true;
    app_->trigger("actionUndo");
    app_->expectSettingNotSaved();
    EXPECT_EQ(stack().index(), 1);
    EXPECT_EQ(number("ContactSoundMaxTime"), 55);

    // Undone for real, then a refused redo.
    app_->registry->refuseWrites = false;
    app_->trigger("actionUndo");
    app_->registry->refuseWrites = true;
    app_->dialogs.messages.clear();
    app_->trigger("actionRedo");
    app_->expectSettingNotSaved();
    EXPECT_EQ(stack().index(), 0);
}

// Every value coming back is proved by the store's tests; here the question
// and the one step.
TEST_F(EditToolsTest, ResetAllAsksThenRestoresEveryDefaultAsOneStep) {
    const int maxTime = settingIndex("ContactSoundMaxTime");
    app_->dialogs.questions.queueAnswer(std::nullopt);
    app_->trigger("actionResetAll");
    ASSERT_EQ(app_->dialogs.questions.asked().size(), 1u);
    EXPECT_EQ(number("ContactSoundMaxTime"), 30);

    app_->dialogs.questions.queueAnswer(0);
    app_->trigger("actionResetAll");
    EXPECT_EQ(number("ContactSoundMaxTime"), 12);
    EXPECT_FALSE(number("QuickIconBgColor"));  // its default is no value
    EXPECT_EQ(stack().count(), 1);
    EXPECT_FALSE(marked(maxTime));
    EXPECT_FALSE(marked(settingIndex("WindowFont")));  // its defaults, written out
    app_->trigger("actionUndo");
    EXPECT_EQ(number("QuickIconBgColor"), 0x112233);
    EXPECT_TRUE(marked(maxTime));
    EXPECT_TRUE(app_->messages().empty());
}

TEST_F(EditToolsTest, FindShowsOnlyMatchesDownEntersThemAndEscClearsThenHides) {
    EXPECT_EQ(app_->control<QAction>("actionFind")->shortcut(), QKeySequence(QKeySequence::Find));
    const int maxTime = settingIndex("ContactSoundMaxTime");
    app_->clickSetting(maxTime);
    app_->trigger("actionFind");
    auto* box = app_->control<QLineEdit>("filterBox");
    auto* tree = app_->control<SettingsTree>("TreeView1");
    auto* none = tree->findChild<QLabel*>("noMatch");
    ASSERT_TRUE(box->isVisible());
    struct Case {
        QString typed;
        std::vector<const char*> shown, hidden;
    };
    const Case cases[] = {
        {"soundmax", {"ContactSoundMaxTime"}, {"AddCharToTruncateName", "IconShowDelay"}},
        {QStringLiteral("S\u00d3UNDMCI"), {"SoundMCIType"}, {"ContactSoundMaxTime"}},
        {"word duel", {"AskInsultAnswer"}, {"SoundMCIType", "ContactSoundMaxTime"}},  // in the description
        {"xyzzy", {}, {"AskInsultAnswer", "ContactSoundMaxTime"}},
        {"", {"AskInsultAnswer", "SoundMCIType"}, {}},
    };
    for (const Case& c : cases) {
        box->clear();
        QTest::keyClicks(box, c.typed);
        for (const char* name : c.shown) EXPECT_FALSE(app_->node(settingIndex(name))->isHidden()) << name;
        for (const char* name : c.hidden) EXPECT_TRUE(app_->node(settingIndex(name))->isHidden()) << name;
        EXPECT_EQ(none->isVisible(), c.shown.empty()) << c.typed.toStdString();
    }
    EXPECT_EQ(none->text(), "No setting matches");
    // Down goes to the first result and shows it.
    QTest::keyClicks(box, "duel");
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(app_->window->shownSetting(), settingIndex("AskInsultAnswer"));
    EXPECT_EQ(app_->window->focusWidget(), tree);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(app_->node(settingIndex("SoundMCIType"))->isHidden());
    // A setting found far down the list stays whole in view when all come back.
    QTreeWidgetItem* last = tree->topLevelItem(tree->topLevelItemCount() - 1);
    QTest::keyClicks(box, last->text(0));
    app_->clickSetting(SettingsTree::keyOf(last).mid(1).toInt());
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(tree->viewport()->rect().contains(tree->visualItemRect(last)));
    EXPECT_TRUE(app_->window->isVisible());
    // The mark of a changed setting shows on its selected row too, in the
    // selected text's colour.
    const QImage dot = app_->node(maxTime)->icon(0).pixmap(8, QIcon::Selected).toImage();
    EXPECT_GT(std::abs(dot.pixelColor(4, 4).lightness() - tree->palette().color(QPalette::Highlight).lightness()), 80);
    // Elsewhere Esc still closes the window.
    QTest::keyClick(tree, Qt::Key_Escape);
    EXPECT_FALSE(app_->window->isVisible());
}

}  // namespace
}  // namespace fk::testing
