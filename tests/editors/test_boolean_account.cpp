// The Boolean, switch-with-text and account panels, driven through their
// widgets, with the hive file read afresh after each action.
#include "AccountPanel.h"
#include "BooleanPanel.h"
#include "EditorHive.h"
#include "SwitchTextPanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace fk::testing {
namespace {

const int AddCharToTruncateName = settingIndex("AddCharToTruncateName");  // default false
const int AskInsultAnswer = settingIndex("AskInsultAnswer");              // default true
const int ChangeSecurityWarning = settingIndex("ChangeSecurityWarning");
const int SecurityWarningTxt = settingIndex("SecurityWarningTxt");
const int DefaultConfiguration = settingIndex("DefaultConfiguration");
const std::vector<std::string> NotSaved{"Error: Setting not saved."};

std::string sz(const std::string& text) { return text + '\0'; }

// A panel of one kind over a hive, wired as the main window wires it.
class PanelTest : public ::testing::Test {
protected:
    template <typename Panel>
    Panel* make(int shown, const std::string& prefs, const std::string& root = {}) {
        hive_ = std::make_unique<EditorHive>("", "Alice", prefs, root);
        hive_->shown = shown;
        hive_->context.mainWindow = &window_;
        auto* panel = new Panel(hive_->context, &window_);
        window_.resize(400, 300);
        window_.show();
        panel->prepare(shown);
        return panel;
    }
    template <typename W>
    W* child(const char* name) const {
        W* w = window_.findChild<W*>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    bool checked(const char* option) const { return child<QRadioButton>(option)->isChecked(); }
    void click(const char* name) {
        QAbstractButton* button = child<QAbstractButton>(name);
        // An option button answers on its circle and caption only.
        const QPoint at = qobject_cast<QRadioButton*>(button) ? QPoint(6, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
    static void retype(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        for (QChar c : text) QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QString text(const char* box) const { return child<QLineEdit>(box)->text(); }
    std::optional<Stored> pref(const char* name) const { return hive_->stored("", name); }

    QWidget window_;
    std::unique_ptr<EditorHive> hive_;
};

TEST_F(PanelTest, BooleanShowsAnyNonZeroAsTrueAndChangeStoresOneOrZero) {
    make<BooleanPanel>(AddCharToTruncateName, "\"AddCharToTruncateName\"=dword:00000007\n");
    EXPECT_EQ(text("Text20"), "False");
    EXPECT_TRUE(child<QLineEdit>("Text20")->isReadOnly());
    EXPECT_TRUE(checked("Option13(0)"));
    click("Command56");
    EXPECT_EQ(pref("AddCharToTruncateName")->type, reg::TypeDword);
    EXPECT_EQ(hive_->dword("", "AddCharToTruncateName"), 1);
    click("Option13(1)");
    EXPECT_FALSE(checked("Option13(0)"));
    click("Command56");
    EXPECT_EQ(hive_->dword("", "AddCharToTruncateName"), 0);
    EXPECT_TRUE(hive_->messages().empty());
}

TEST_F(PanelTest, BooleanMissingOrMistypedShowsTheDefaultAndSetDefaultWritesIt) {
    auto* panel = make<BooleanPanel>(AskInsultAnswer, "\"AddCharToTruncateName\"=\"1\"\n");
    EXPECT_EQ(text("Text20"), "True");
    click("Option13(1)");
    click("Command55");
    EXPECT_TRUE(checked("Option13(0)"));
    EXPECT_EQ(hive_->dword("", "AskInsultAnswer"), 1);
    // A text where a number belongs reads as the default, False here.
    hive_->shown = AddCharToTruncateName;
    panel->prepare(AddCharToTruncateName);
    EXPECT_TRUE(checked("Option13(1)"));
    click("Option13(0)");
    click("Command55");
    EXPECT_EQ(hive_->dword("", "AddCharToTruncateName"), 0);

    hive_->registry->refuseWrites = true;
    click("Option13(0)");
    click("Command56");
    EXPECT_EQ(hive_->messages(), NotSaved);
    EXPECT_TRUE(checked("Option13(0)"));
    EXPECT_EQ(hive_->dword("", "AddCharToTruncateName"), 0);
}

TEST_F(PanelTest, SwitchSetDefaultDeletesTheTextAndStoresFalse) {
    auto* panel = make<SwitchTextPanel>(
        SecurityWarningTxt, "\"ChangeSecurityWarning\"=dword:00000001\n\"SecurityWarningTxt\"=\"Be careful\"\n");
    EXPECT_TRUE(checked("Option1(0)"));
    EXPECT_EQ(text("Text2"), "Be careful");
    // "local specific" shows while the default text is hidden, above it.
    EXPECT_TRUE(child<QLineEdit>("Text1")->isHidden());
    EXPECT_TRUE(child<QLabel>("Label20")->isVisible());
    EXPECT_LT(panel->children().indexOf(child<QLabel>("Label20")), panel->children().indexOf(child<QLineEdit>("Text1")));
    click("Command5");
    EXPECT_FALSE(pref("SecurityWarningTxt"));
    EXPECT_EQ(hive_->dword("", "ChangeSecurityWarning"), 0);
    EXPECT_TRUE(checked("Option1(1)"));
    EXPECT_FALSE(checked("Option1(0)"));
    EXPECT_TRUE(text("Text2").isEmpty());
    EXPECT_TRUE(hive_->messages().empty());
}

TEST_F(PanelTest, SwitchChangeStoresAnEmptyTextRatherThanDeletingItAndTextsInCodePage1252) {
    auto* panel = make<SwitchTextPanel>(ChangeSecurityWarning, "\"SecurityWarningTxt\"=\"old\"\n");
    EXPECT_TRUE(checked("Option1(1)"));
    click("Option1(0)");
    retype(child<QLineEdit>("Text2"), QString());
    click("Command4");
    EXPECT_EQ(hive_->dword("", "ChangeSecurityWarning"), 1);
    EXPECT_EQ(pref("SecurityWarningTxt")->type, reg::TypeSz);
    EXPECT_EQ(pref("SecurityWarningTxt")->data, sz(""));
    retype(child<QLineEdit>("Text2"), QString::fromUtf8("Attention: café ✓ €"));
    click("Command4");
    EXPECT_EQ(pref("SecurityWarningTxt")->data, sz("Attention: caf\xE9 ? \x80"));
    panel->prepare(ChangeSecurityWarning);
    EXPECT_EQ(text("Text2"), QString::fromUtf8("Attention: café ? €"));
}

TEST_F(PanelTest, SwitchOfTheWrongTypeOrOverlongTextReadsAsTheDefaultOnEitherNode) {
    auto* panel = make<SwitchTextPanel>(
        ChangeSecurityWarning,
        "\"ChangeSecurityWarning\"=\"1\"\n\"SecurityWarningTxt\"=\"" + std::string(256, 'x') + "\"\n");
    for (int node : {ChangeSecurityWarning, SecurityWarningTxt}) {
        click("Option1(0)");
        panel->prepare(node);
        EXPECT_TRUE(checked("Option1(1)"));
        EXPECT_TRUE(text("Text2").isEmpty());
    }
}

TEST_F(PanelTest, SwitchFailedWriteStopsBeforeTheText) {
    make<SwitchTextPanel>(ChangeSecurityWarning, "\"SecurityWarningTxt\"=\"kept\"\n");
    hive_->registry->refuseValues.insert("ChangeSecurityWarning");
    click("Option1(0)");
    retype(child<QLineEdit>("Text2"), "new text");
    click("Command4");
    EXPECT_EQ(hive_->messages(), NotSaved);
    EXPECT_EQ(text("Text2"), "new text");
    EXPECT_FALSE(pref("ChangeSecurityWarning"));
    EXPECT_EQ(hive_->text("", "SecurityWarningTxt"), "kept");
}

class AccountTest : public PanelTest {
protected:
    AccountPanel* makeAccounts(const std::string& rootValues) {
        auto* panel = make<AccountPanel>(DefaultConfiguration, "", rootValues);
        hive_->useStoreRoot();
        for (const char* name : {"zoe@example.com", " --> Default user <--", "Alice@example.com", "bob"})
            panel->addAccount(QString::fromLatin1(name));
        panel->prepare(DefaultConfiguration);
        return panel;
    }
    QComboBox* box() const { return child<QComboBox>("Combo4"); }
    void type(const QString& text) { retype(box()->lineEdit(), text); }
    void pick(int row) {
        box()->showPopup();
        QAbstractItemView* view = box()->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
    }
    std::string stored() const {
        const auto value = hive_->storedIn(StoreRoot, "DefaultConfiguration");
        return value && value->type == reg::TypeSz ? value->data : "<none>";
    }
};

TEST_F(AccountTest, TheListIsSortedAndNothingStoredShowsTheDefaultUser) {
    makeAccounts("");
    QStringList items;
    for (int i = 0; i < box()->count(); ++i) items << box()->itemText(i);
    EXPECT_EQ(items, (QStringList{" --> Default user <--", "Alice@example.com", "bob", "zoe@example.com"}));
    EXPECT_TRUE(box()->isEditable());
    EXPECT_EQ(text("Text4"), " --> Default user <--");
    EXPECT_EQ(box()->currentText(), " --> Default user <--");
}

TEST_F(AccountTest, TheDefaultUserIsStoredAsNobodyAndOtherNamesAsTyped) {
    auto* panel = makeAccounts("\"DefaultConfiguration\"=\"bob\"\n");
    EXPECT_EQ(box()->currentText(), "bob");
    pick(0);
    click("Command8");
    EXPECT_EQ(stored(), sz("Nobody"));
    EXPECT_FALSE(pref("DefaultConfiguration"));
    panel->prepare(DefaultConfiguration);
    EXPECT_EQ(box()->currentText(), " --> Default user <--");
    // "nobody" is just a name; so is an empty one.
    for (const char* name : {"nobody", "carol@nowhere.example", ""}) {
        type(name);
        click("Command8");
        EXPECT_EQ(stored(), sz(name));
        panel->prepare(DefaultConfiguration);
        EXPECT_EQ(box()->currentText(), name);
    }
    EXPECT_EQ(box()->count(), 4);
    type("zoe@example.com");
    click("Command7");
    EXPECT_EQ(box()->currentText(), " --> Default user <--");
    EXPECT_EQ(stored(), sz("Nobody"));
    EXPECT_TRUE(hive_->messages().empty());
}

TEST_F(AccountTest, FailedWriteIsToldOnceAndTheBoxKeepsItsText) {
    makeAccounts("\"DefaultConfiguration\"=\"bob\"\n");
    hive_->registry->refuseWrites = true;
    pick(1);
    click("Command8");
    EXPECT_EQ(hive_->messages(), NotSaved);
    EXPECT_EQ(box()->currentText(), "Alice@example.com");
    EXPECT_EQ(stored(), sz("bob"));
}

}  // namespace
}  // namespace fk::testing
