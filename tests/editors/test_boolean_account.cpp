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
#include <QPushButton>
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
    void retype(const char* name, const QString& text) { retype(child<QLineEdit>(name), text); }
    static void retype(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        // One key per character, whatever the character.
        for (QChar c : text) QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    std::optional<Stored> pref(const char* name) const { return hive_->stored("", name); }

    QWidget window_;
    std::unique_ptr<EditorHive> hive_;
};

TEST_F(PanelTest, BooleanControlsInPlace) {
    auto* panel = make<BooleanPanel>(AddCharToTruncateName, "");
    EXPECT_EQ(panel->objectName(), "Picture1(5)");
    expectPlaced(*panel, {{"Label2(19)", twipsRect(120, 120, 1095, 255), "Default value:"},
                          {"Text20", twipsRect(1200, 120, 1335, 285)},
                          {"Label3(19)", twipsRect(120, 480, 975, 255), "New value:"},
                          {"Option13(0)", twipsRect(480, 840, 1095, 255), "True"},
                          {"Option13(1)", twipsRect(480, 1200, 1095, 255), "False"},
                          {"Command55", twipsRect(2880, 120, 1335, 375), "Set default"},
                          {"Command56", twipsRect(2880, 600, 1335, 375), "Change"}});
    EXPECT_TRUE(child<QLineEdit>("Text20")->isReadOnly());
}

TEST_F(PanelTest, BooleanStoredAsSevenShowsTrueAndChangeStoresOne) {
    auto* panel = make<BooleanPanel>(AddCharToTruncateName, "\"AddCharToTruncateName\"=dword:00000007\n");
    panel->prepare(AddCharToTruncateName);
    EXPECT_EQ(child<QLineEdit>("Text20")->text(), "False");
    EXPECT_TRUE(checked("Option13(0)"));
    EXPECT_FALSE(checked("Option13(1)"));

    click("Command56");
    EXPECT_EQ(pref("AddCharToTruncateName")->type, reg::TypeDword);
    EXPECT_EQ(pref("AddCharToTruncateName")->data, dwordBytes(1));

    click("Option13(1)");
    EXPECT_FALSE(checked("Option13(0)"));
    click("Command56");
    EXPECT_EQ(hive_->dword("", "AddCharToTruncateName"), 0);
    EXPECT_TRUE(hive_->messages().empty());
}

TEST_F(PanelTest, BooleanMissingOrMistypedShowsDefaultAndSetDefaultWritesIt) {
    auto* panel = make<BooleanPanel>(AskInsultAnswer, "\"AddCharToTruncateName\"=\"1\"\n");
    panel->prepare(AskInsultAnswer);
    EXPECT_EQ(child<QLineEdit>("Text20")->text(), "True");
    EXPECT_TRUE(checked("Option13(0)"));
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
}

TEST_F(PanelTest, BooleanFailedWriteIsToldOnce) {
    auto* panel = make<BooleanPanel>(AddCharToTruncateName, "");
    hive_->registry->refuseWrites = true;
    panel->prepare(AddCharToTruncateName);
    click("Option13(0)");
    click("Command56");
    EXPECT_EQ(hive_->messages(), NotSaved);
    EXPECT_TRUE(checked("Option13(0)"));
    EXPECT_FALSE(pref("AddCharToTruncateName"));
}

TEST_F(PanelTest, SwitchControlsInPlace) {
    auto* panel = make<SwitchTextPanel>(ChangeSecurityWarning, "");
    panel->prepare(ChangeSecurityWarning);
    EXPECT_EQ(panel->objectName(), "Picture1(7)");
    expectPlaced(*panel, {{"Label18", twipsRect(120, 120, 2655, 255), "ChangeSecurityWarning:"},
                          {"Option1(0)", twipsRect(480, 480, 1935, 255), "True"},
                          {"Option1(1)", twipsRect(480, 840, 1935, 255), "False (default)"},
                          {"Label19", twipsRect(120, 1320, 2655, 255), "SecurityWarningTxt:"},
                          {"Label2(1)", twipsRect(480, 1680, 1095, 255)},
                          {"Text1", twipsRect(1560, 1680, 1335, 285)},
                          {"Label20", twipsRect(1560, 1680, 1335, 255), "local specific"},
                          {"Label3(1)", twipsRect(480, 2040, 975, 255)},
                          {"Text2", twipsRect(1560, 2040, 2055, 285)},
                          {"Command5", twipsRect(2880, 120, 1335, 375), "Set default"},
                          {"Command4", twipsRect(2880, 600, 1335, 375), "Change"}});
    EXPECT_TRUE(child<QLineEdit>("Text1")->isReadOnly());
    // "local specific" is what shows while the default text is hidden.
    EXPECT_TRUE(child<QLineEdit>("Text1")->isHidden());
    EXPECT_TRUE(child<QLabel>("Label20")->isVisible());
    QWidget* p = panel;
    EXPECT_LT(p->children().indexOf(child<QLabel>("Label20")), p->children().indexOf(child<QLineEdit>("Text1")));
}

TEST_F(PanelTest, SwitchSetDefaultDeletesTheTextAndStoresFalse) {
    auto* panel = make<SwitchTextPanel>(
        SecurityWarningTxt, "\"ChangeSecurityWarning\"=dword:00000001\n\"SecurityWarningTxt\"=\"Be careful\"\n");
    panel->prepare(SecurityWarningTxt);
    EXPECT_TRUE(checked("Option1(0)"));
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "Be careful");

    click("Command5");
    EXPECT_FALSE(pref("SecurityWarningTxt"));
    EXPECT_EQ(hive_->dword("", "ChangeSecurityWarning"), 0);
    EXPECT_TRUE(checked("Option1(1)"));
    EXPECT_FALSE(checked("Option1(0)"));
    EXPECT_TRUE(child<QLineEdit>("Text2")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>("Text1")->isHidden());
    EXPECT_TRUE(hive_->messages().empty());
}

TEST_F(PanelTest, SwitchChangeStoresAnEmptyTextRatherThanDeletingIt) {
    auto* panel = make<SwitchTextPanel>(ChangeSecurityWarning, "\"SecurityWarningTxt\"=\"old\"\n");
    panel->prepare(ChangeSecurityWarning);
    EXPECT_TRUE(checked("Option1(1)"));
    click("Option1(0)");
    retype("Text2", QString());
    click("Command4");
    EXPECT_EQ(hive_->dword("", "ChangeSecurityWarning"), 1);
    EXPECT_EQ(pref("SecurityWarningTxt")->type, reg::TypeSz);
    EXPECT_EQ(pref("SecurityWarningTxt")->data, sz(""));

    // Typed letters reach the hive in code page 1252; others become '?'.
    retype("Text2", QString::fromUtf8("Attention: café ✓ €"));
    click("Command4");
    EXPECT_EQ(pref("SecurityWarningTxt")->data, sz("Attention: caf\xE9 ? \x80"));
    panel->prepare(ChangeSecurityWarning);
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QString::fromUtf8("Attention: café ? €"));
}

TEST_F(PanelTest, SwitchOfTheWrongTypeOrOverlongTextReadsAsDefault) {
    auto* panel = make<SwitchTextPanel>(
        ChangeSecurityWarning,
        "\"ChangeSecurityWarning\"=\"1\"\n\"SecurityWarningTxt\"=\"" + std::string(256, 'x') + "\"\n");
    // Either node of the pair shows the very same.
    for (int node : {ChangeSecurityWarning, SecurityWarningTxt}) {
        click("Option1(0)");
        panel->prepare(node);
        EXPECT_TRUE(checked("Option1(1)"));
        EXPECT_TRUE(child<QLineEdit>("Text2")->text().isEmpty());
    }
}

TEST_F(PanelTest, SwitchFailedWriteStopsBeforeTheText) {
    auto* panel = make<SwitchTextPanel>(ChangeSecurityWarning, "\"SecurityWarningTxt\"=\"kept\"\n");
    hive_->registry->refuseValues.insert("ChangeSecurityWarning");
    panel->prepare(ChangeSecurityWarning);
    click("Option1(0)");
    retype("Text2", "new text");
    click("Command4");
    EXPECT_EQ(hive_->messages(), NotSaved);
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "new text");
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
        QComboBox* combo = box();
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
    }
    std::string stored() const {
        const auto value = hive_->storedIn(StoreRoot, "DefaultConfiguration");
        return value ? value->data : "<none>";
    }
};

TEST_F(AccountTest, ControlsInPlaceAndListSorted) {
    auto* panel = makeAccounts("");
    EXPECT_EQ(panel->objectName(), "Picture1(8)");
    expectPlaced(*panel, {{"Label2(2)", twipsRect(120, 120, 1095, 255)},
                          {"Text4", twipsRect(1200, 120, 1335, 285)},
                          {"Label3(2)", twipsRect(120, 480, 975, 255)},
                          {"Combo4", twipsRect(480, 840, 2055, 315)},
                          {"Command7", twipsRect(2880, 120, 1335, 375), "Set default"},
                          {"Command8", twipsRect(2880, 600, 1335, 375), "Change"}});
    EXPECT_TRUE(child<QLineEdit>("Text4")->isReadOnly());
    EXPECT_TRUE(box()->isEditable());

    QStringList items;
    for (int i = 0; i < box()->count(); ++i) items << box()->itemText(i);
    EXPECT_EQ(items, (QStringList{" --> Default user <--", "Alice@example.com", "bob", "zoe@example.com"}));
    // Nothing stored: the default user, in both boxes.
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), " --> Default user <--");
    EXPECT_EQ(box()->currentText(), " --> Default user <--");
}

TEST_F(AccountTest, PickedDefaultUserIsStoredAsNobody) {
    auto* panel = makeAccounts("\"DefaultConfiguration\"=\"bob\"\n");
    EXPECT_EQ(box()->currentText(), "bob");
    pick(0);
    EXPECT_EQ(box()->currentText(), " --> Default user <--");
    click("Command8");
    EXPECT_EQ(hive_->storedIn(StoreRoot, "DefaultConfiguration")->type, reg::TypeSz);
    EXPECT_EQ(stored(), sz("Nobody"));
    EXPECT_FALSE(pref("DefaultConfiguration"));

    // Stored "Nobody" shows as the default user; "nobody" is just a name.
    panel->prepare(DefaultConfiguration);
    EXPECT_EQ(box()->currentText(), " --> Default user <--");
    type("nobody");
    click("Command8");
    EXPECT_EQ(stored(), sz("nobody"));
    panel->prepare(DefaultConfiguration);
    EXPECT_EQ(box()->currentText(), "nobody");
}

TEST_F(AccountTest, TypedAndEmptyNamesAreStoredAsTheyAre) {
    auto* panel = makeAccounts("");
    type("carol@nowhere.example");
    click("Command8");
    EXPECT_EQ(stored(), sz("carol@nowhere.example"));
    EXPECT_EQ(box()->count(), 4);

    type(QString());
    click("Command8");
    EXPECT_EQ(stored(), sz(""));
    panel->prepare(DefaultConfiguration);
    EXPECT_TRUE(box()->currentText().isEmpty());
    EXPECT_TRUE(hive_->messages().empty());
}

TEST_F(AccountTest, SetDefaultWritesNobodyAtOnce) {
    makeAccounts("\"DefaultConfiguration\"=\"zoe@example.com\"\n");
    EXPECT_EQ(box()->currentText(), "zoe@example.com");
    click("Command7");
    EXPECT_EQ(box()->currentText(), " --> Default user <--");
    EXPECT_EQ(stored(), sz("Nobody"));
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
