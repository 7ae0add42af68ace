// Form1 over hive files made for each test: start-up, account selection,
// setting selection, Esc and closing.
#include "AppDriver.h"
#include "EditorPanel.h"
#include "PreferenceStore.h"
#include "Version.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace fk::testing {
namespace {

const char* const Root = "Software\\Tavrel\\Brisko2";

int firstOfKind(int kind) {
    for (int i = 0; i < SettingCount; ++i)
        if (settingEntry(i).Kind == kind) return i;
    return -1;
}

int firstTextOfStyle(int style) {
    for (int i = 0; i < SettingCount; ++i)
        if (settingEntry(i).Kind == Text && settingEntry(i).TextStyle == style) return i;
    return -1;
}

// Three accounts, the default user, and a few values: alice and carol have a
// number stored, Bob has no Preferences key yet.
std::string storeWithAccounts() {
    return hiveKey("Software\\Tavrel\\Brisko2", "\"DefaultConfiguration\"=\"carol\"\n") +
           hiveKey("Software\\Tavrel\\Brisko2\\Bob") +
           hiveKey("Software\\Tavrel\\Brisko2\\Nobody\\Preferences", "\"ContactSoundMaxTime\"=dword:00000014\n") +
           hiveKey("Software\\Tavrel\\Brisko2\\alice\\Preferences", "\"ContactSoundMaxTime\"=dword:0000001e\n") +
           hiveKey("Software\\Tavrel\\Brisko2\\carol\\Preferences", "\"ContactSoundMaxTime\"=dword:0000004d\n");
}

class MainWindowTest : public ::testing::Test {
protected:
    // Opens the hive and loads the window as the program does.
    bool start(const std::string& keys) {
        hive_ = std::make_unique<AppHive>(keys);
        app_ = std::make_unique<Fettlekit>(hive_->path());
        return app_->loaded;
    }

    template <class T> T* control(const char* name) const { return app_->control<T>(name); }
    QComboBox* combo() const { return app_->chooser(); }
    SettingsTree* tree(int n) const { return control<SettingsTree>(n == 1 ? "TreeView1" : "TreeView2"); }
    QString title(const char* frame) const { return control<QGroupBox>(frame)->title(); }
    QString description() const { return control<QLabel>("Label1")->text(); }
    void pick(const QString& item) { app_->pick(item); }
    void clickSetting(int index) { app_->clickSetting(index); }

    QStringList comboItems() const {
        QStringList items;
        for (int i = 0; i < combo()->count(); ++i) items << combo()->itemText(i);
        return items;
    }

    // The Picture1 elements on screen.
    std::vector<int> visiblePanels() const {
        std::vector<int> shown;
        for (int i = 0; i < 10; ++i)
            if (app_->window->panel(i) && app_->window->panel(i)->isVisible()) shown.push_back(i);
        return shown;
    }

    int panelOf(int index) const { return app_->window->PanelOfKind()[size_t(settingEntry(index).Kind)]; }

    // What the notice looks like: the about panel, no captions, the notice text.
    void expectNotice() const {
        EXPECT_EQ(app_->window->Pref_Actual(), NoticeIndex);
        EXPECT_EQ(visiblePanels(), std::vector<int>{0});
        EXPECT_EQ(title("Frame4"), QString());
        EXPECT_EQ(title("Frame2"), QString());
        EXPECT_EQ(description(), QString::fromStdString(settingEntry(NoticeIndex).Description));
    }

    void expectShowing(int index) const {
        EXPECT_EQ(app_->window->Pref_Actual(), index);
        EXPECT_EQ(visiblePanels(), std::vector<int>{panelOf(index)}) << settingEntry(index).ValueName;
        EXPECT_EQ(title("Frame4"), QString::fromStdString(settingEntry(index).ValueName));
        EXPECT_EQ(title("Frame2"), QStringLiteral("Description"));
        EXPECT_EQ(description(), QString::fromStdString(settingEntry(index).Description));
    }

    const std::vector<dialogs::MessageDialog::Shown>& messages() const { return app_->messages(); }

    std::unique_ptr<AppHive> hive_;
    std::unique_ptr<Fettlekit> app_;
};

TEST_F(MainWindowTest, StartUpListsAccountsSortedAndFillsBothTrees) {
    ASSERT_TRUE(start(storeWithAccounts()));
    EXPECT_TRUE(app_->window->isVisible());
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(app_->exits.empty());

    EXPECT_EQ(comboItems(), (QStringList{" --> All users <--", " --> Default user <--", "alice", "Bob", "carol"}));
    EXPECT_EQ(combo()->currentIndex(), -1);
    EXPECT_FALSE(combo()->isEditable());
    // Every enumeration call offered 255-character buffers.
    ASSERT_EQ(app_->registry->enumNameLengths.size(), 5u);  // four accounts, then "no more"
    for (auto length : app_->registry->enumNameLengths) EXPECT_EQ(length, 255u);
    for (auto length : app_->registry->enumClassLengths) EXPECT_EQ(length, 255u);

    // The account editor's list has the same accounts, without all users.
    auto* accounts = control<QComboBox>("Combo4");
    ASSERT_NE(accounts, nullptr);
    QStringList items;
    for (int i = 0; i < accounts->count(); ++i) items << accounts->itemText(i);
    EXPECT_EQ(items, (QStringList{" --> Default user <--", "alice", "Bob", "carol"}));

    ASSERT_EQ(tree(1)->topLevelItemCount(), 44);
    ASSERT_EQ(tree(2)->topLevelItemCount(), 2);
    int next = 0;
    for (int i = 0; i < 44; ++i, ++next) {
        if (next == 5 || next == 14) ++next;
        QTreeWidgetItem* node = tree(1)->topLevelItem(i);
        EXPECT_EQ(SettingsTree::keyOf(node), QStringLiteral("P%1").arg(next));
        EXPECT_EQ(node->text(0), QString::fromStdString(settingEntry(next).ValueName));
        EXPECT_EQ(node->childCount(), 0);
    }
    EXPECT_EQ(SettingsTree::keyOf(tree(2)->topLevelItem(0)), "P5");
    EXPECT_EQ(tree(2)->topLevelItem(0)->text(0), "AutoUpdateNotification");
    EXPECT_EQ(SettingsTree::keyOf(tree(2)->topLevelItem(1)), "P14");
    EXPECT_EQ(tree(2)->topLevelItem(1)->text(0), "DefaultConfiguration");
    EXPECT_FALSE(tree(1)->isVisible());
    EXPECT_FALSE(tree(2)->isVisible());

    EXPECT_EQ(app_->window->PanelOfKind(), (std::array<int, 10>{5, 3, 2, 1, 6, 8, 4, 7, 9, 0}));
    EXPECT_FALSE(app_->window->FontListsLoaded());
    EXPECT_EQ(app_->window->property("Pref_Actual").toInt(), NoticeIndex);
    expectNotice();
    EXPECT_EQ(title("Frame3"), QString());
    EXPECT_EQ(title("Frame1"), "Edit settings for this user");
    // Only the store root is open.
    EXPECT_EQ(app_->registry->openHandleCount(), 1);
}

TEST_F(MainWindowTest, ControlsStandWhereTheFormPutsThem) {
    ASSERT_TRUE(start(storeWithAccounts()));
    EXPECT_EQ(app_->window->windowTitle(), "Fettlekit");
    EXPECT_EQ(app_->window->findChild<QWidget*>("clientArea")->size(), twipsSize(7815, 5040));
    EXPECT_EQ(app_->window->minimumSize(), app_->window->maximumSize());
    EXPECT_TRUE(app_->window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(app_->window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(app_->window->windowIcon().isNull());

    expectPlaced(*app_->window,
                 {{"Frame1", twipsRect(120, 120, 2895, 615)},
                  {"Combo1", twipsRect(120, 240, 2655, 315)},
                  {"Frame3", twipsRect(120, 840, 2895, 4095)},
                  {"TreeView1", twipsRect(120, 240, 2655, 3735)},
                  {"TreeView2", twipsRect(120, 240, 2655, 3735)},
                  {"Frame4", twipsRect(3120, 120, 4575, 2895)},
                  {"Frame2", twipsRect(3120, 3120, 4575, 1815)},
                  {"Label1Box", twipsRect(120, 240, 4335, 1455)},
                  {"Label14", twipsRect(960, 240, 3135, 375), "Fettlekit"},
                  {"Label15", twipsRect(960, 600, 1815, 255),
                   QStringLiteral("Version: %1.%2.%3").arg(FK_VERSION_MAJOR).arg(FK_VERSION_MINOR).arg(FK_VERSION_PATCH)},
                  {"Label16", twipsRect(120, 960, 3855, 615)},
                  {"Label17", twipsRect(120, 1800, 3855, 495), "Use this program with Brisko! 3.20 or above."},
                  {"Image1", twipsRect(120, 120, 720, 720)}});
    EXPECT_TRUE(control<QLabel>("Label14")->font().bold());
    EXPECT_EQ(control<QLabel>("Label14")->font().pointSize(), 12);
    EXPECT_FALSE(control<QLabel>("Label16")->text().isEmpty());
    EXPECT_FALSE(control<QLabel>("Image1")->pixmap().isNull());
    EXPECT_EQ(control<QWidget>("Combo1")->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(control<QWidget>("TreeView1")->parentWidget()->objectName(), "Frame3");
    EXPECT_EQ(control<QWidget>("Label1Box")->parentWidget()->objectName(), "Frame2");
    for (int i = 0; i < 10; ++i) {
        QWidget* panel = app_->window->panel(i);
        ASSERT_NE(panel, nullptr) << i;
        EXPECT_EQ(panel->objectName(), QStringLiteral("Picture1(%1)").arg(i));
        EXPECT_EQ(panel->parentWidget()->objectName(), "Frame4");
        EXPECT_EQ(panel->geometry(), twipsRect(120, 240, 4335, 2535)) << i;
    }
    for (int kind = Boolean; kind < None; ++kind)
        EXPECT_NE(qobject_cast<EditorPanel*>(app_->window->panel(app_->window->PanelOfKind()[size_t(kind)])), nullptr) << kind;
}

TEST_F(MainWindowTest, NoAccountsLeavesOnlyAllUsers) {
    ASSERT_TRUE(start(hiveKey(Root, "\"AutoUpdateNotification\"=dword:00000001\n")));
    EXPECT_EQ(comboItems(), QStringList{" --> All users <--"});
}

TEST_F(MainWindowTest, MissingStoreShowsTheRegistryErrorAndEndsWithStatusOne) {
    const std::string keys = hiveKey("Software\\Other\\Program", "\"x\"=dword:00000001\n");
    ASSERT_FALSE(start(keys));
    const std::string before = hiveText(keys);
    expectOneMessage(app_->dialogs, RegistryError, "Error", dialogs::MessageIcon::Critical);
    EXPECT_EQ(app_->exits, std::vector<int>{1});
    EXPECT_FALSE(app_->window->isVisible());
    EXPECT_EQ(combo()->count(), 0);
    EXPECT_EQ(app_->registry->openHandleCount(), 0);
    // The store root is only ever opened, never made.
    EXPECT_TRUE(app_->registry->creates.empty());
    ASSERT_EQ(app_->registry->opens.size(), 1u);
    EXPECT_EQ(app_->registry->opens[0].parent, reg::CurrentUser);
    EXPECT_EQ(app_->registry->opens[0].subKey, Root);
    EXPECT_EQ(app_->registry->opens[0].options, 0u);
    EXPECT_EQ(app_->registry->opens[0].access, reg::KeyAllAccess);
    app_->window.reset();
    EXPECT_EQ(hive_->fileText(), before);
}

TEST_F(MainWindowTest, PickingAnAccountWithoutPreferencesCreatesTheKeyInTheFile) {
    ASSERT_TRUE(start(storeWithAccounts()));
    ASSERT_FALSE(hive_->hasKey("Software\\Tavrel\\Brisko2\\Bob\\Preferences"));
    pick("Bob");
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(hive_->hasKey("Software\\Tavrel\\Brisko2\\Bob\\Preferences"));
    EXPECT_NE(hive_->fileText().find("[Software\\\\Tavrel\\\\Brisko2\\\\Bob\\\\Preferences]"), std::string::npos);
    ASSERT_EQ(app_->registry->creates.size(), 1u);
    const auto& create = app_->registry->creates[0];
    EXPECT_EQ(create.subKey, "Bob\\Preferences");
    EXPECT_EQ(create.keyClass, "");
    EXPECT_EQ(create.options, 0u);
    EXPECT_EQ(create.access, reg::KeyAllAccess);
    ASSERT_TRUE(create.hasSecurity);
    EXPECT_EQ(create.security.length, 10u);
    EXPECT_EQ(create.security.securityDescriptor, nullptr);
    EXPECT_TRUE(create.security.inheritHandle);

    EXPECT_TRUE(tree(1)->isVisible());
    EXPECT_FALSE(tree(2)->isVisible());
    EXPECT_EQ(title("Frame3"), "Settings");
    expectNotice();
    // A write now lands in the new key.
    const int maxTime = settingIndex("ContactSoundMaxTime");
    EXPECT_TRUE(app_->window->store().WriteSettingNumber(42, maxTime));
    EXPECT_EQ(hive_->storedNumber("Software\\Tavrel\\Brisko2\\Bob\\Preferences", "ContactSoundMaxTime"), 42);
}

TEST_F(MainWindowTest, ExistingPreferencesAreOpenedNotCreated) {
    ASSERT_TRUE(start(storeWithAccounts()));
    pick(" --> Default user <--");
    EXPECT_TRUE(app_->registry->creates.empty());
    ASSERT_FALSE(app_->registry->opens.empty());
    EXPECT_EQ(app_->registry->opens.back().parent, app_->window->storeRootKey());
    EXPECT_EQ(app_->registry->opens.back().subKey, "Nobody\\Preferences");
    EXPECT_EQ(app_->registry->opens.back().access, reg::KeyAllAccess);
    EXPECT_EQ(app_->window->store().ReadSettingNumber(settingIndex("ContactSoundMaxTime")), 20);
    EXPECT_FALSE(hive_->hasKey("Software\\Tavrel\\Brisko2\\ --> Default user <--"));
}

TEST_F(MainWindowTest, AnAccountKeyThatCannotBeMadeEndsTheProgramNamingNobody) {
    ASSERT_TRUE(start(storeWithAccounts()));
    app_->registry->refusePreferences = true;
    pick(" --> Default user <--");
    expectOneMessage(app_->dialogs, "An unexpected error has been found while opening the account \"Nobody\"", "Error",
                     dialogs::MessageIcon::Critical);
    EXPECT_EQ(app_->exits, std::vector<int>{1});
    // Nothing after the message: no tree, no caption.
    EXPECT_FALSE(tree(1)->isVisible());
    EXPECT_EQ(title("Frame3"), QString());
}

TEST_F(MainWindowTest, AllUsersUsesTheStoreRootItselfAndClosesItOnce) {
    ASSERT_TRUE(start(storeWithAccounts()));
    const reg::Key root = app_->window->storeRootKey();
    pick("alice");
    EXPECT_EQ(app_->registry->openHandleCount(), 2);
    const size_t opensBefore = app_->registry->opens.size();

    pick(" --> All users <--");
    EXPECT_EQ(app_->window->store().currentKey(), root);
    EXPECT_EQ(app_->registry->opens.size(), opensBefore);  // nothing opened
    EXPECT_EQ(app_->registry->openHandleCount(), 1);      // alice's key closed
    EXPECT_TRUE(tree(2)->isVisible());
    EXPECT_FALSE(tree(1)->isVisible());
    EXPECT_EQ(title("Frame3"), "Settings");

    pick(" --> All users <--");
    EXPECT_EQ(app_->registry->closesOf(root), 0);
    EXPECT_EQ(app_->registry->openHandleCount(), 1);
    EXPECT_EQ(app_->window->store().ReadSettingText(settingIndex("DefaultConfiguration")), "carol");

    // A save goes into the store root itself.
    const int notify = settingIndex("AutoUpdateNotification");
    EXPECT_TRUE(app_->window->store().WriteSettingBoolean(true, notify));
    EXPECT_EQ(hive_->storedNumber(Root, "AutoUpdateNotification"), 1);

    app_->window->close();
    EXPECT_FALSE(app_->window->isVisible());
    EXPECT_EQ(app_->registry->closesOf(root), 1);
    EXPECT_EQ(app_->registry->openHandleCount(), 0);
    app_->window.reset();
    EXPECT_EQ(app_->registry->closesOf(root), 1);
}

TEST_F(MainWindowTest, EachKindShowsItsOwnPanelWithNameAndDescription) {
    ASSERT_TRUE(start(storeWithAccounts()));
    pick("alice");
    for (int kind = Boolean; kind < None; ++kind) {
        const int index = firstOfKind(kind);
        ASSERT_GE(index, 0) << kind;
        if (settingEntry(index).AllUsers) pick(" --> All users <--");
        else if (combo()->currentText() != "alice") pick("alice");
        clickSetting(index);
        expectShowing(index);
    }
    EXPECT_TRUE(messages().empty());

    // Both entries of the switch-with-text pair show the one panel.
    clickSetting(settingIndex("SecurityWarningTxt"));
    expectShowing(settingIndex("SecurityWarningTxt"));
    clickSetting(settingIndex("ChangeSecurityWarning"));
    expectShowing(settingIndex("ChangeSecurityWarning"));
    EXPECT_EQ(panelOf(settingIndex("SecurityWarningTxt")), 7);
}

TEST_F(MainWindowTest, SwitchingAccountsReloadsTheShownSetting) {
    ASSERT_TRUE(start(storeWithAccounts()));
    const int maxTime = settingIndex("ContactSoundMaxTime");
    pick("alice");
    clickSetting(maxTime);
    expectShowing(maxTime);
    auto* number = app_->window->panel(3)->findChild<QLineEdit*>(QStringLiteral("Text28"));
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->text(), "30");

    pick("carol");
    expectShowing(maxTime);
    EXPECT_TRUE(tree(1)->selectedNode() != nullptr);
    EXPECT_EQ(number->text(), "77");

    pick(" --> Default user <--");
    EXPECT_EQ(number->text(), "20");

    pick("Bob");  // nothing stored: the default
    EXPECT_EQ(number->text(), QString::number(settingEntry(maxTime).DefaultLong));
    expectShowing(maxTime);
}

TEST_F(MainWindowTest, ChangingBetweenAccountAndAllUsersDropsTheSelection) {
    ASSERT_TRUE(start(storeWithAccounts()));
    const int maxTime = settingIndex("ContactSoundMaxTime");
    pick("alice");
    clickSetting(maxTime);
    expectShowing(maxTime);

    pick(" --> All users <--");
    expectNotice();
    EXPECT_EQ(tree(1)->selectedNode(), nullptr);

    clickSetting(settingIndex("DefaultConfiguration"));
    expectShowing(settingIndex("DefaultConfiguration"));

    pick("alice");
    expectNotice();
    EXPECT_EQ(tree(2)->selectedNode(), nullptr);
    EXPECT_EQ(tree(1)->selectedNode(), nullptr);
    // The node shown before is a fresh choice again.
    clickSetting(maxTime);
    expectShowing(maxTime);
}

TEST_F(MainWindowTest, KeyboardMovesInTheTreeShowTheSetting) {
    ASSERT_TRUE(start(storeWithAccounts()));
    pick("alice");
    clickSetting(0);
    expectShowing(0);
    tree(1)->setFocus();
    QTest::keyClick(tree(1), Qt::Key_Down);
    expectShowing(1);
}

TEST_F(MainWindowTest, EscInsideATextBoxClosesTheWindow) {
    ASSERT_TRUE(start(storeWithAccounts()));
    pick("alice");
    const int format = firstTextOfStyle(DateFormat);
    ASSERT_GE(format, 0);
    clickSetting(format);
    auto* box = app_->window->panel(2)->findChild<QLineEdit*>(QStringLiteral("Text33"));
    ASSERT_NE(box, nullptr);
    box->setFocus();
    const QString before = box->text();
    QTest::keyClick(box, Qt::Key_A);
    EXPECT_TRUE(app_->window->isVisible());
    EXPECT_EQ(box->text(), before + "a");
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(app_->window->isVisible());
    EXPECT_EQ(app_->registry->openHandleCount(), 0);
    EXPECT_EQ(app_->registry->closesOf(app_->window->storeRootKey()), 1);
}

TEST_F(MainWindowTest, TagPickerClosesOnSettingAccountAndEsc) {
    ASSERT_TRUE(start(storeWithAccounts()));
    pick("alice");
    const int format = firstTextOfStyle(DateFormat);
    ASSERT_GE(format, 0);
    auto openPicker = [&] {
        clickSetting(format);
        auto* insertTag = app_->window->panel(2)->findChild<QPushButton*>(QStringLiteral("Command52"));
        ASSERT_NE(insertTag, nullptr);
        QTest::mouseClick(insertTag, Qt::LeftButton);
        ASSERT_TRUE(app_->window->tagPicker().isOpen());
        EXPECT_EQ(app_->window->tagPicker().window()->windowTitle(), "Date Tags");
    };
    openPicker();
    clickSetting(settingIndex("ContactSoundMaxTime"));
    EXPECT_FALSE(app_->window->tagPicker().isOpen());

    openPicker();
    pick("carol");
    EXPECT_FALSE(app_->window->tagPicker().isOpen());

    openPicker();
    QTest::keyClick(tree(1), Qt::Key_Escape);
    EXPECT_FALSE(app_->window->tagPicker().isOpen());
    EXPECT_FALSE(app_->window->isVisible());
}

TEST_F(MainWindowTest, AKindOutsideTheTableOnlyWarns) {
    ASSERT_TRUE(start(storeWithAccounts()));
    pick("alice");
    const int maxTime = settingIndex("ContactSoundMaxTime");
    clickSetting(maxTime);
    for (int kind : {10, -1}) {
        app_->dialogs.messages.clear();
        app_->window->prepareEditorOfKind(kind, maxTime);
        SCOPED_TRACE(kind);
        expectOneMessage(app_->dialogs, "The program needs to be updated!", "Warning",
                         dialogs::MessageIcon::Exclamation);
    }
    expectShowing(maxTime);
    EXPECT_TRUE(app_->exits.empty());
}

TEST_F(MainWindowTest, AccountNamesCrossInCodePage1252) {
    // "Zoë" in the hive (UTF-16 in the file, 1252 through the registry calls).
    ASSERT_TRUE(start(hiveKey(Root) + "[Software\\\\Tavrel\\\\Brisko2\\\\Zo\\xeb] 1700000000\n\n"));
    EXPECT_EQ(comboItems(), (QStringList{" --> All users <--", QStringLiteral("Zo\u00eb")}));
    pick(QStringLiteral("Zo\u00eb"));
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(hive_->hasKey("Software\\Tavrel\\Brisko2\\Zo\xeb\\Preferences"));
}

}  // namespace
}  // namespace fk::testing
