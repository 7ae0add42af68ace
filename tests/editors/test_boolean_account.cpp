// The Boolean, switch-with-text and account panels, driven through their
// widgets, with the hive file read afresh after each action.
#include "AccountPanel.h"
#include "BooleanPanel.h"
#include "Catalogue.h"
#include "Dialogs.h"
#include "EditorPanel.h"
#include "HiveRegistry.h"
#include "PreferenceStore.h"
#include "SwitchTextPanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace fk {
namespace {

namespace fs = std::filesystem;

constexpr int AddCharToTruncateName = 0;  // default false
constexpr int AskInsultAnswer = 3;        // default true
constexpr int ChangeSecurityWarning = 7;
constexpr int DefaultConfiguration = 14;
constexpr int SecurityWarningTxt = 36;

const char* const RootPath = "Software\\Tavrel\\Brisko2";
const char* const PrefsPath = "Software\\Tavrel\\Brisko2\\Nobody\\Preferences";

class TempHive {
public:
    explicit TempHive(const std::string& rootValues, const std::string& prefsValues) {
        std::string pattern = (fs::temp_directory_path() / "fk-editors-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        path_ = (fs::path(dir_) / "user.reg").string();
        std::ofstream out(path_, std::ios::binary);
        out << "WINE REGISTRY Version 2\n"
               ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
               "#arch=win32\n\n"
               "[Software\\\\Tavrel\\\\Brisko2] 1700000000\n"
            << rootValues
            << "\n[Software\\\\Tavrel\\\\Brisko2\\\\Nobody] 1700000000\n\n"
               "[Software\\\\Tavrel\\\\Brisko2\\\\Nobody\\\\Preferences] 1700000000\n"
            << prefsValues << "\n";
    }
    ~TempHive() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    const std::string& path() const { return path_; }
    std::string text() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }

private:
    std::string dir_;
    std::string path_;
};

struct StoredValue {
    long result = -1;
    std::uint32_t type = 0;
    std::string data;
};

std::string dword(std::uint32_t v) {
    return std::string{char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24 & 0xFF)};
}

// A panel of one kind over a hive, wired as the main window wires it.
class PanelTest : public ::testing::Test {
protected:
    template <typename Panel>
    Panel* make(const std::string& rootValues, const std::string& prefsValues, const char* keyPath,
                int shown, std::uint32_t access = reg::KeyAllAccess) {
        hive_ = std::make_unique<TempHive>(rootValues, prefsValues);
        auto opened = reg::openHiveRegistry(hive_->path());
        EXPECT_TRUE(opened.registry) << opened.error;
        if (!opened.registry) return nullptr;
        registry_ = std::move(opened.registry);
        dialogs_.setScripted(true);
        store_ = std::make_unique<PreferenceStore>(*registry_, [this] {
            dialogs_.messages.show(&window_, QStringLiteral("Setting not saved."), QStringLiteral("Error"),
                                   dialogs::MessageIcon::Exclamation);
        });
        reg::Key key = 0;
        EXPECT_EQ(registry_->RegOpenKeyExA(reg::CurrentUser, keyPath, 0, access, &key), reg::Success);
        store_->setCurrentKey(key);
        shown_ = shown;
        EditorContext context;
        context.store = store_.get();
        context.dialogs = &dialogs_;
        context.mainWindow = &window_;
        context.prefActual = [this] { return shown_; };
        auto* panel = new Panel(context, &window_);
        window_.resize(400, 300);
        window_.show();
        return panel;
    }
    void TearDown() override {
        if (registry_ && store_->currentKey()) registry_->RegCloseKey(store_->currentKey());
    }

    template <typename W>
    W* child(const char* name) const {
        W* w = window_.findChild<W*>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
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

    StoredValue stored(const char* keyPath, const char* name) const {
        StoredValue v;
        auto opened = reg::openHiveRegistry(hive_->path());
        if (!opened.registry) {
            ADD_FAILURE() << opened.error;
            return v;
        }
        reg::Key key = 0;
        if (opened.registry->RegOpenKeyExA(reg::CurrentUser, keyPath, 0, reg::KeyRead, &key) != reg::Success)
            return v;
        std::uint8_t buffer[1024] = {};
        std::uint32_t size = sizeof buffer;
        v.result = opened.registry->RegQueryValueExA(key, name, nullptr, &v.type, buffer, &size);
        if (v.result == reg::Success) v.data.assign(reinterpret_cast<char*>(buffer), size);
        opened.registry->RegCloseKey(key);
        return v;
    }
    StoredValue pref(const char* name) const { return stored(PrefsPath, name); }
    StoredValue root(const char* name) const { return stored(RootPath, name); }
    std::vector<QString> messages() const {
        std::vector<QString> texts;
        for (const auto& m : dialogs_.messages.shown()) {
            EXPECT_EQ(m.title, "Error");
            EXPECT_EQ(m.icon, dialogs::MessageIcon::Exclamation);
            texts.push_back(m.text);
        }
        return texts;
    }

    QWidget window_;
    dialogs::Dialogs dialogs_;
    std::unique_ptr<TempHive> hive_;
    std::unique_ptr<reg::Registry> registry_;
    std::unique_ptr<PreferenceStore> store_;
    int shown_ = NoticeIndex;
};

void expectPlaced(QWidget* w, int left, int top, int width, int height) {
    ASSERT_TRUE(w);
    EXPECT_EQ(w->geometry(), twipsRect(left, top, width, height)) << w->objectName().toStdString();
}

// ---- Boolean panel

TEST_F(PanelTest, BooleanControlsInPlace) {
    auto* panel = make<BooleanPanel>("", "", PrefsPath, AddCharToTruncateName);
    EXPECT_EQ(panel->objectName(), "Picture1(5)");
    expectPlaced(child<QLabel>("Label2(19)"), 120, 120, 1095, 255);
    expectPlaced(child<QLineEdit>("Text20"), 1200, 120, 1335, 285);
    expectPlaced(child<QLabel>("Label3(19)"), 120, 480, 975, 255);
    expectPlaced(child<QRadioButton>("Option13(0)"), 480, 840, 1095, 255);
    expectPlaced(child<QRadioButton>("Option13(1)"), 480, 1200, 1095, 255);
    expectPlaced(child<QPushButton>("Command55"), 2880, 120, 1335, 375);
    expectPlaced(child<QPushButton>("Command56"), 2880, 600, 1335, 375);
    EXPECT_EQ(child<QLabel>("Label2(19)")->text(), "Default value:");
    EXPECT_EQ(child<QLabel>("Label3(19)")->text(), "New value:");
    EXPECT_EQ(child<QRadioButton>("Option13(0)")->text(), "True");
    EXPECT_EQ(child<QRadioButton>("Option13(1)")->text(), "False");
    EXPECT_EQ(child<QPushButton>("Command55")->text(), "Set default");
    EXPECT_EQ(child<QPushButton>("Command56")->text(), "Change");
    EXPECT_TRUE(child<QLineEdit>("Text20")->isReadOnly());
}

TEST_F(PanelTest, BooleanStoredAsSevenShowsTrueAndChangeStoresOne) {
    auto* panel = make<BooleanPanel>("", "\"AddCharToTruncateName\"=dword:00000007\n", PrefsPath,
                                     AddCharToTruncateName);
    panel->prepare(AddCharToTruncateName);
    EXPECT_EQ(child<QLineEdit>("Text20")->text(), "False");
    EXPECT_TRUE(child<QRadioButton>("Option13(0)")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("Option13(1)")->isChecked());

    click("Command56");
    StoredValue v = pref("AddCharToTruncateName");
    EXPECT_EQ(v.type, reg::TypeDword);
    EXPECT_EQ(v.data, dword(1));

    click("Option13(1)");
    EXPECT_FALSE(child<QRadioButton>("Option13(0)")->isChecked());
    click("Command56");
    EXPECT_EQ(pref("AddCharToTruncateName").data, dword(0));
    EXPECT_TRUE(messages().empty());
}

TEST_F(PanelTest, BooleanMissingShowsDefaultAndSetDefaultWritesIt) {
    auto* panel = make<BooleanPanel>("", "\"AddCharToTruncateName\"=\"1\"\n", PrefsPath, AskInsultAnswer);
    panel->prepare(AskInsultAnswer);
    EXPECT_EQ(child<QLineEdit>("Text20")->text(), "True");
    EXPECT_TRUE(child<QRadioButton>("Option13(0)")->isChecked());
    click("Option13(1)");
    click("Command55");
    EXPECT_TRUE(child<QRadioButton>("Option13(0)")->isChecked());
    EXPECT_EQ(pref("AskInsultAnswer").data, dword(1));

    // A text where a number belongs reads as the default, False here.
    shown_ = AddCharToTruncateName;
    panel->prepare(AddCharToTruncateName);
    EXPECT_TRUE(child<QRadioButton>("Option13(1)")->isChecked());
    click("Option13(0)");
    click("Command55");
    StoredValue v = pref("AddCharToTruncateName");
    EXPECT_EQ(v.type, reg::TypeDword);
    EXPECT_EQ(v.data, dword(0));
}

TEST_F(PanelTest, BooleanFailedWriteIsToldOnce) {
    auto* panel = make<BooleanPanel>("", "", PrefsPath, AddCharToTruncateName, reg::KeyRead);
    panel->prepare(AddCharToTruncateName);
    click("Option13(0)");
    click("Command56");
    EXPECT_EQ(messages(), std::vector<QString>{"Setting not saved."});
    EXPECT_TRUE(child<QRadioButton>("Option13(0)")->isChecked());
    EXPECT_EQ(pref("AddCharToTruncateName").result, reg::NotFound);
}

// ---- Switch-with-text panel

TEST_F(PanelTest, SwitchControlsInPlace) {
    auto* panel = make<SwitchTextPanel>("", "", PrefsPath, ChangeSecurityWarning);
    panel->prepare(ChangeSecurityWarning);
    EXPECT_EQ(panel->objectName(), "Picture1(7)");
    expectPlaced(child<QLabel>("Label18"), 120, 120, 2655, 255);
    expectPlaced(child<QRadioButton>("Option1(0)"), 480, 480, 1935, 255);
    expectPlaced(child<QRadioButton>("Option1(1)"), 480, 840, 1935, 255);
    expectPlaced(child<QLabel>("Label19"), 120, 1320, 2655, 255);
    expectPlaced(child<QLabel>("Label2(1)"), 480, 1680, 1095, 255);
    expectPlaced(child<QLineEdit>("Text1"), 1560, 1680, 1335, 285);
    expectPlaced(child<QLabel>("Label20"), 1560, 1680, 1335, 255);
    expectPlaced(child<QLabel>("Label3(1)"), 480, 2040, 975, 255);
    expectPlaced(child<QLineEdit>("Text2"), 1560, 2040, 2055, 285);
    expectPlaced(child<QPushButton>("Command5"), 2880, 120, 1335, 375);
    expectPlaced(child<QPushButton>("Command4"), 2880, 600, 1335, 375);
    EXPECT_EQ(child<QLabel>("Label18")->text(), "ChangeSecurityWarning:");
    EXPECT_EQ(child<QLabel>("Label19")->text(), "SecurityWarningTxt:");
    EXPECT_EQ(child<QRadioButton>("Option1(0)")->text(), "True");
    EXPECT_EQ(child<QRadioButton>("Option1(1)")->text(), "False (default)");
    EXPECT_EQ(child<QLabel>("Label20")->text(), "local specific");
    EXPECT_EQ(child<QPushButton>("Command5")->text(), "Set default");
    EXPECT_EQ(child<QPushButton>("Command4")->text(), "Change");
    EXPECT_TRUE(child<QLineEdit>("Text1")->isReadOnly());
    // "local specific" is what shows while the default text is hidden.
    EXPECT_TRUE(child<QLineEdit>("Text1")->isHidden());
    EXPECT_TRUE(child<QLabel>("Label20")->isVisible());
    QWidget* p = panel;
    EXPECT_LT(p->children().indexOf(child<QLabel>("Label20")), p->children().indexOf(child<QLineEdit>("Text1")));
}

TEST_F(PanelTest, SwitchSetDefaultDeletesTheTextAndStoresFalse) {
    auto* panel = make<SwitchTextPanel>(
        "", "\"ChangeSecurityWarning\"=dword:00000001\n\"SecurityWarningTxt\"=\"Be careful\"\n", PrefsPath,
        SecurityWarningTxt);
    panel->prepare(SecurityWarningTxt);
    EXPECT_TRUE(child<QRadioButton>("Option1(0)")->isChecked());
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "Be careful");

    click("Command5");
    EXPECT_EQ(pref("SecurityWarningTxt").result, reg::NotFound);
    StoredValue flag = pref("ChangeSecurityWarning");
    EXPECT_EQ(flag.type, reg::TypeDword);
    EXPECT_EQ(flag.data, dword(0));
    EXPECT_TRUE(child<QRadioButton>("Option1(1)")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("Option1(0)")->isChecked());
    EXPECT_EQ(child<QRadioButton>("Option1(1)")->text(), "False (default)");
    EXPECT_TRUE(child<QLineEdit>("Text2")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>("Text1")->isHidden());
    EXPECT_TRUE(child<QLabel>("Label20")->isVisible());
    EXPECT_TRUE(messages().empty());
}

TEST_F(PanelTest, SwitchChangeStoresAnEmptyTextRatherThanDeletingIt) {
    auto* panel = make<SwitchTextPanel>("", "\"SecurityWarningTxt\"=\"old\"\n", PrefsPath, ChangeSecurityWarning);
    panel->prepare(ChangeSecurityWarning);
    EXPECT_TRUE(child<QRadioButton>("Option1(1)")->isChecked());
    click("Option1(0)");
    retype("Text2", QString());
    click("Command4");
    EXPECT_EQ(pref("ChangeSecurityWarning").data, dword(1));
    StoredValue text = pref("SecurityWarningTxt");
    EXPECT_EQ(text.result, reg::Success);
    EXPECT_EQ(text.type, reg::TypeSz);
    EXPECT_EQ(text.data, std::string(1, '\0'));

    // Typed letters reach the hive in code page 1252; others become '?'.
    retype("Text2", QString::fromUtf8("Attention: café ✓ €"));
    click("Command4");
    EXPECT_EQ(pref("SecurityWarningTxt").data, std::string("Attention: caf\xE9 ? \x80") + '\0');
    panel->prepare(ChangeSecurityWarning);
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QString::fromUtf8("Attention: café ? €"));
}

TEST_F(PanelTest, SwitchOfTheWrongTypeOrOverlongTextReadsAsDefault) {
    auto* panel = make<SwitchTextPanel>(
        "", "\"ChangeSecurityWarning\"=\"1\"\n\"SecurityWarningTxt\"=\"" + std::string(256, 'x') + "\"\n",
        PrefsPath, ChangeSecurityWarning);
    panel->prepare(ChangeSecurityWarning);
    EXPECT_TRUE(child<QRadioButton>("Option1(1)")->isChecked());
    EXPECT_TRUE(child<QLineEdit>("Text2")->text().isEmpty());
    // The other node of the pair shows the very same.
    click("Option1(0)");
    panel->prepare(SecurityWarningTxt);
    EXPECT_TRUE(child<QRadioButton>("Option1(1)")->isChecked());
    EXPECT_TRUE(child<QLineEdit>("Text2")->text().isEmpty());
}

TEST_F(PanelTest, SwitchFailedWriteStopsBeforeTheText) {
    auto* panel = make<SwitchTextPanel>("", "\"SecurityWarningTxt\"=\"kept\"\n", PrefsPath, ChangeSecurityWarning,
                                        reg::KeyRead);
    panel->prepare(ChangeSecurityWarning);
    click("Option1(0)");
    retype("Text2", "new text");
    click("Command4");
    EXPECT_EQ(messages(), std::vector<QString>{"Setting not saved."});
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "new text");
    EXPECT_EQ(pref("ChangeSecurityWarning").result, reg::NotFound);
    EXPECT_EQ(pref("SecurityWarningTxt").data, std::string("kept") + '\0');
}

// ---- Account panel

class AccountTest : public PanelTest {
protected:
    AccountPanel* makeAccounts(const std::string& rootValues, std::uint32_t access = reg::KeyAllAccess) {
        auto* panel = make<AccountPanel>(rootValues, "", RootPath, DefaultConfiguration, access);
        if (!panel) return nullptr;
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
};

TEST_F(AccountTest, ControlsInPlaceAndListSorted) {
    auto* panel = makeAccounts("");
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->objectName(), "Picture1(8)");
    expectPlaced(child<QLabel>("Label2(2)"), 120, 120, 1095, 255);
    expectPlaced(child<QLineEdit>("Text4"), 1200, 120, 1335, 285);
    expectPlaced(child<QLabel>("Label3(2)"), 120, 480, 975, 255);
    expectPlaced(box(), 480, 840, 2055, 315);
    expectPlaced(child<QPushButton>("Command7"), 2880, 120, 1335, 375);
    expectPlaced(child<QPushButton>("Command8"), 2880, 600, 1335, 375);
    EXPECT_EQ(child<QPushButton>("Command7")->text(), "Set default");
    EXPECT_EQ(child<QPushButton>("Command8")->text(), "Change");
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
    ASSERT_TRUE(panel);
    EXPECT_EQ(box()->currentText(), "bob");
    pick(0);
    EXPECT_EQ(box()->currentText(), " --> Default user <--");
    click("Command8");
    StoredValue v = root("DefaultConfiguration");
    EXPECT_EQ(v.type, reg::TypeSz);
    EXPECT_EQ(v.data, std::string("Nobody") + '\0');
    EXPECT_EQ(v.data.size(), 7u);
    EXPECT_EQ(pref("DefaultConfiguration").result, reg::NotFound);

    // Stored "Nobody" shows as the default user; "nobody" is just a name.
    panel->prepare(DefaultConfiguration);
    EXPECT_EQ(box()->currentText(), " --> Default user <--");
    type("nobody");
    click("Command8");
    EXPECT_EQ(root("DefaultConfiguration").data, std::string("nobody") + '\0');
    panel->prepare(DefaultConfiguration);
    EXPECT_EQ(box()->currentText(), "nobody");
}

TEST_F(AccountTest, TypedAndEmptyNamesAreStoredAsTheyAre) {
    auto* panel = makeAccounts("");
    ASSERT_TRUE(panel);
    type("carol@nowhere.example");
    click("Command8");
    EXPECT_EQ(root("DefaultConfiguration").data, std::string("carol@nowhere.example") + '\0');
    EXPECT_EQ(box()->count(), 4);

    type(QString());
    click("Command8");
    StoredValue v = root("DefaultConfiguration");
    EXPECT_EQ(v.type, reg::TypeSz);
    EXPECT_EQ(v.data.size(), 1u);
    panel->prepare(DefaultConfiguration);
    EXPECT_TRUE(box()->currentText().isEmpty());
    EXPECT_TRUE(messages().empty());
}

TEST_F(AccountTest, SetDefaultWritesNobodyAtOnce) {
    auto* panel = makeAccounts("\"DefaultConfiguration\"=\"zoe@example.com\"\n");
    ASSERT_TRUE(panel);
    EXPECT_EQ(box()->currentText(), "zoe@example.com");
    click("Command7");
    EXPECT_EQ(box()->currentText(), " --> Default user <--");
    EXPECT_EQ(root("DefaultConfiguration").data, std::string("Nobody") + '\0');
}

TEST_F(AccountTest, FailedWriteIsToldOnceAndTheBoxKeepsItsText) {
    auto* panel = makeAccounts("\"DefaultConfiguration\"=\"bob\"\n", reg::KeyRead);
    ASSERT_TRUE(panel);
    pick(1);
    click("Command8");
    EXPECT_EQ(messages(), std::vector<QString>{"Setting not saved."});
    EXPECT_EQ(box()->currentText(), "Alice@example.com");
    EXPECT_EQ(root("DefaultConfiguration").data, std::string("bob") + '\0');
}

}  // namespace
}  // namespace fk

int main(int argc, char** argv) {
    // Listing the tests at build time happens without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
