// The text and file panels driven as a user would, checked against the hive
// file after each action.
#include "EditorHive.h"
#include "FilePanel.h"
#include "TextPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace fk::testing {
namespace {

const QString DateHint = "To add normal text, use single quotes. Example: \"dd'/'MM\" will produce \"18/10\".";
const QString TimeHint = "To add normal text, use single quotes. Example: \"HH':'mm\" will produce \"12:40\".";
const QString TagHint = "Don't put each tag more than once, else the 2nd and next ones may not work.";

std::string sz(const std::string& text) { return text + '\0'; }

class TextPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        hive.context.openTagPicker = [this](QLineEdit* target) { pickerTargets.push_back(target); };
        panel = std::make_unique<TextPanel>(hive.context, nullptr);
        panel->show();
    }
    void showSetting(const char* name) {
        hive.shown = settingIndex(name);
        panel->prepare(hive.shown);
    }
    template <class W = QWidget> W* child(const char* name) const { return panel->findChild<W*>(name); }
    QLineEdit* box() const { return child<QLineEdit>("Text33"); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    void type(const QString& text) {
        box()->selectAll();
        QTest::keyClick(box(), Qt::Key_Delete);
        QTest::keyClicks(box(), text);
    }
    bool shownOnPanel(const char* name) const { return child(name)->isVisibleTo(panel.get()); }

    EditorHive hive;
    std::unique_ptr<TextPanel> panel;
    std::vector<QLineEdit*> pickerTargets;
};

TEST_F(TextPanelTest, HintAndTagButtonFollowTheStyle) {
    struct Expect { const char* name; bool tags; QString hint; };
    for (const Expect& e : {Expect{"QuoteFormat", true, TagHint}, Expect{"SoundMCIType", false, ""},
                            Expect{"ArchiveFileDateFmt", true, DateHint}, Expect{"NickNameSeparator", false, ""},
                            Expect{"ChatLogTimeStampFmt", true, TimeHint}}) {
        showSetting(e.name);
        EXPECT_EQ(shownOnPanel("Command52"), e.tags) << e.name;
        EXPECT_EQ(shownOnPanel("Label4"), e.tags) << e.name;
        EXPECT_EQ(child<QLabel>("Label4")->text(), e.hint) << e.name;
    }
    click("Command52");
    ASSERT_EQ(pickerTargets.size(), 1u);
    EXPECT_EQ(pickerTargets[0], box());
}

TEST_F(TextPanelTest, LocalSpecificDefaultIsRestoredByDeleting) {
    hive.put("LogHeadDateFormat", reg::TypeSz, sz("dd MMM"));
    showSetting("LogHeadDateFormat");
    EXPECT_FALSE(shownOnPanel("Text17"));
    EXPECT_TRUE(shownOnPanel("Label5"));
    EXPECT_EQ(box()->text(), "dd MMM");
    click("Command34");
    EXPECT_FALSE(hive.stored("", "LogHeadDateFormat"));
    EXPECT_EQ(box()->text(), "");
    // Other defaults are stored as they are.
    showSetting("ArchiveFileDateFmt");
    EXPECT_TRUE(shownOnPanel("Text17"));
    EXPECT_EQ(child<QLineEdit>("Text17")->text(), "MMMM yyyy");
    type("yyyy");
    click("Command34");
    EXPECT_EQ(box()->text(), "MMMM yyyy");
    EXPECT_EQ(hive.text("", "ArchiveFileDateFmt"), "MMMM yyyy");
    EXPECT_TRUE(hive.messages().empty());
}

TEST_F(TextPanelTest, EmptiedTextIsStoredAsTheZeroAlone) {
    showSetting("NickNameSeparator");
    EXPECT_EQ(box()->text(), ", ");
    type("");
    click("Command33");
    EXPECT_EQ(hive.text("", "NickNameSeparator"), "");
    showSetting("SoundMCIType");
    showSetting("NickNameSeparator");
    EXPECT_EQ(box()->text(), "");
}

TEST_F(TextPanelTest, OverlongTextIsSavedWholeButReadsAsTheDefault) {
    showSetting("SoundMCIType");
    // Longer than a line edit takes by default: nothing may be cut.
    const QString longText(40000, QChar('x'));
    type("");
    box()->setText(longText);
    click("Command33");
    EXPECT_TRUE(hive.messages().empty());
    EXPECT_EQ(hive.stored("", "SoundMCIType")->data, sz(std::string(40000, 'x')));
    showSetting("SoundMCIType");
    EXPECT_EQ(box()->text(), "MPEGVideo");
}

TEST_F(TextPanelTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    showSetting("NameOnSignin");
    // Ω has no place in the code page but Windows writes its best-fit letter;
    // 中 has neither and becomes "?".
    box()->setText(QString::fromUtf8("Zoë 中 Ω €"));
    click("Command33");
    EXPECT_EQ(hive.stored("", "NameOnSignin")->data, sz("Zo\xEB ? O \x80"));
    showSetting("NameOnSignin");
    EXPECT_EQ(box()->text(), QString::fromUtf8("Zoë ? O €"));
}

class FilePanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel = std::make_unique<FilePanel>(hive.context, nullptr);
        panel->show();
        hive.shown = settingIndex("DefaultContactSigninSound");
    }
    template <class W = QWidget> W* child(const char* name) const { return panel->findChild<W*>(name); }
    QLineEdit* box() const { return child<QLineEdit>("Text35"); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

    EditorHive hive;
    std::unique_ptr<FilePanel> panel;
};

TEST_F(FilePanelTest, CancelledDialogChangesNothing) {
    hive.put("DefaultContactSigninSound", reg::TypeSz, sz("/home/a/old.wav"));
    panel->prepare(hive.shown);
    EXPECT_EQ(box()->text(), "/home/a/old.wav");
    hive.dialogs.files.queueAnswer(std::nullopt);
    click("Command53");
    ASSERT_EQ(hive.dialogs.files.requests().size(), 1u);
    const auto& request = hive.dialogs.files.requests()[0];
    EXPECT_EQ(request.title, "Select sound file");
    EXPECT_EQ(request.filters, (QStringList{"WAVs (*.wav)", "MP3s (*.mp3)", "All files (*.*)"}));
    EXPECT_EQ(request.selectedFilter, "WAVs (*.wav)");
    EXPECT_EQ(box()->text(), "/home/a/old.wav");
    EXPECT_EQ(hive.stored("", "DefaultContactSigninSound")->data, sz("/home/a/old.wav"));
}

TEST_F(FilePanelTest, ChosenFileFillsTheBoxAndOnlyChangeSavesIt) {
    panel->prepare(hive.shown);
    EXPECT_EQ(box()->text(), "");
    hive.dialogs.files.queueAnswer(QString("/home/a/Sounds/ding.wav"));
    click("Command53");
    EXPECT_EQ(box()->text(), "/home/a/Sounds/ding.wav");
    EXPECT_FALSE(hive.stored("", "DefaultContactSigninSound"));
    click("Command25");
    EXPECT_EQ(hive.text("", "DefaultContactSigninSound"), "/home/a/Sounds/ding.wav");
    // The default is the empty text, stored.
    click("Command26");
    EXPECT_EQ(box()->text(), "");
    EXPECT_EQ(hive.text("", "DefaultContactSigninSound"), "");
    EXPECT_TRUE(hive.messages().empty());
}

TEST(FilePanelFilters, PairsBecomeQtNameFilters) {
    using namespace std::string_literals;
    EXPECT_EQ(FilePanel::nameFilters("Sounds\0*.wav;*.mp3\0Text (*.txt)\0*.txt\0\0"s),
              (QStringList{"Sounds (*.wav *.mp3)", "Text (*.txt)"}));
    EXPECT_EQ(FilePanel::nameFilters(""), QStringList{});
    EXPECT_EQ(FilePanel::nameFilters("Odd one\0"s), QStringList{});  // a description without pattern
}

}  // namespace
}  // namespace fk::testing
