// Form1 over hive files made for each test: start-up, account selection,
// setting selection, Esc and closing.
#include "AppDriver.h"
#include "EditorPanel.h"
#include "PreferenceStore.h"
#include "Version.h"

#include <QGroupBox>
#include <QLabel>

#include <fstream>

namespace fk::testing {
namespace {

const QString AllUsers = " --> All users <--", DefaultUser = " --> Default user <--";

class MainWindowTest : public ::testing::Test {
protected:
    bool start(const std::string& keys = threeAccounts()) {
        hive_ = std::make_unique<AppHive>(keys);
        app_ = std::make_unique<Fettlekit>(hive_->path());
        return app_->loaded;
    }
    SettingsTree* tree(int n) const { return app_->control<SettingsTree>(n == 1 ? "TreeView1" : "TreeView2"); }
    QString title(const char* frame) const { return app_->control<QGroupBox>(frame)->title(); }

    // What the window shows for entry `index` (the notice included): one
    // panel, the entry's name as the frame's title, its description.
    void expectShowing(int index) const {
        EXPECT_EQ(app_->window->shownSetting(), index);
        std::vector<int> shown;
        for (int i = 0; i < 10; ++i)
            if (app_->window->panel(i)->isVisible()) shown.push_back(i);
        const bool notice = index == NoticeIndex;
        EXPECT_EQ(shown, std::vector<int>{notice ? 0 : app_->window->panelOfKind()[size_t(settingEntry(index).Kind)]});
        EXPECT_EQ(title("Frame4"), notice ? QString() : QString::fromStdString(settingEntry(index).ValueName));
        EXPECT_EQ(title("Frame2"), notice ? QString() : QStringLiteral("Description"));
        EXPECT_EQ(app_->control<QLabel>("Label1")->text(), QString::fromStdString(settingEntry(index).Description));
    }

    std::unique_ptr<AppHive> hive_;
    std::unique_ptr<Fettlekit> app_;
};

// The registry lists "Nobody" last; the default user stands second all the same.
TEST_F(MainWindowTest, StartUpListsAccountsInNameOrderAndFillsBothTreesInCatalogueOrder) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(app_->messages().empty());
    EXPECT_EQ(items(app_->chooser()), (QStringList{AllUsers, DefaultUser, "alice", "Bob", "carol"}));
    EXPECT_EQ(app_->chooser()->currentIndex(), -1);
    EXPECT_EQ(items(app_->control<QComboBox>("Combo4")), (QStringList{DefaultUser, "alice", "Bob", "carol"}));

    std::vector<QString> perAccount, allUsers;
    for (int i = 0; i < SettingCount; ++i)
        (settingEntry(i).AllUsers ? allUsers : perAccount).push_back(QString::fromStdString(settingEntry(i).ValueName));
    for (auto [n, names] : {std::pair{1, &perAccount}, std::pair{2, &allUsers}}) {
        ASSERT_EQ(tree(n)->topLevelItemCount(), int(names->size()));
        for (int i = 0; i < int(names->size()); ++i) EXPECT_EQ(tree(n)->topLevelItem(i)->text(0), (*names)[size_t(i)]);
        EXPECT_FALSE(tree(n)->isVisible());
    }
    expectShowing(NoticeIndex);
    EXPECT_EQ(title("Frame1"), "Edit settings for this user");
    EXPECT_EQ(app_->registry->openHandleCount(), 1);  // only the store root
}

// One table of places and captions for the window and every panel.
TEST_F(MainWindowTest, ControlsStandWhereTheFormPutsThem) {
    ASSERT_TRUE(start());
    EXPECT_EQ(app_->window->windowTitle(), "Fettlekit");
    EXPECT_EQ(app_->window->findChild<QWidget*>("clientArea")->size(), twipsSize(7815, 5040));
    EXPECT_EQ(app_->window->minimumSize(), app_->window->maximumSize());
    EXPECT_FALSE(app_->window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(app_->control<QLabel>("Label15")->text(),
              QStringLiteral("Version: %1.%2.%3").arg(FK_VERSION_MAJOR).arg(FK_VERSION_MINOR).arg(FK_VERSION_PATCH));
    app_->pick("alice");
    app_->clickSetting(settingIndex("ChangeSecurityWarning"));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(app_->window->panel(i)->objectName(), QStringLiteral("Picture1(%1)").arg(i));
        EXPECT_EQ(app_->window->panel(i)->geometry(), twipsRect(120, 240, 4335, 2535)) << i;
    }
    std::ifstream table(FK_TEST_DATA "/places.txt");
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        const QStringList f = QString::fromStdString(line).split('\t');
        const QStringList box = f[2].split(' ');
        QWidget* in = f[0] == "Form1" ? app_->window.get() : app_->window->panel(f[0].mid(7).toInt());
        auto* w = control<QWidget>(in, f[1].toLatin1().constData());
        if (!w) continue;
        ++rows;
        EXPECT_EQ(w->geometry(), twipsRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt())) << line;
        if (f.size() > 3) {
            EXPECT_EQ(w->property("text").toString(), f[3]) << line;
        }
    }
    EXPECT_GT(rows, 60);
}

TEST_F(MainWindowTest, AMissingStoreShowsTheRegistryErrorEndsWithOneAndMakesNothing) {
    const std::string keys = hiveKey("Software\\Other\\Program", "\"x\"=dword:00000001\n");
    ASSERT_FALSE(start(keys));
    expectOneMessage(app_->dialogs, RegistryError, "Error", dialogs::MessageIcon::Critical);
    EXPECT_EQ(app_->exits, std::vector<int>{1});
    EXPECT_FALSE(app_->window->isVisible());
    EXPECT_EQ(app_->registry->openHandleCount(), 0);
    app_->window.reset();
    EXPECT_EQ(hive_->fileText(), hive_->seeded);
}

TEST_F(MainWindowTest, AnAccountWithoutPreferencesGetsTheKeyAsTheAddOnMakesIt) {
    ASSERT_TRUE(start());
    app_->pick("Bob");
    EXPECT_EQ(app_->registry->creates, std::vector<std::string>{"Bob\\Preferences"});
    EXPECT_TRUE(tree(1)->isVisible());
    EXPECT_EQ(title("Frame3"), "Settings");
    EXPECT_TRUE(app_->window->store().writeSettingNumber(42, settingIndex("ContactSoundMaxTime")));
    EXPECT_EQ(hive_->storedNumber("Software\\Tavrel\\Brisko2\\Bob\\Preferences", "ContactSoundMaxTime"), 42);

    // The default user is the key "Nobody", opened, not made.
    app_->pick(DefaultUser);
    EXPECT_EQ(app_->registry->creates.size(), 1u);
    EXPECT_EQ(app_->window->store().readSettingNumber(settingIndex("ContactSoundMaxTime")), 20);
}

TEST_F(MainWindowTest, AllUsersUsesTheStoreRootItselfAndClosesItOnce) {
    ASSERT_TRUE(start());
    const reg::Key root = app_->window->storeRootKey();
    app_->pick("alice");
    app_->pick(AllUsers);
    EXPECT_EQ(app_->window->store().currentKey(), root);
    EXPECT_EQ(app_->registry->openHandleCount(), 1);  // alice's key closed
    EXPECT_TRUE(tree(2)->isVisible());
    EXPECT_FALSE(tree(1)->isVisible());
    app_->pick(AllUsers);
    EXPECT_EQ(app_->registry->closesOf(root), 0);
    app_->window->close();
    EXPECT_EQ(app_->registry->openHandleCount(), 0);
}

TEST_F(MainWindowTest, EachKindShowsItsPanelAndAnotherAccountReloadsIt) {
    ASSERT_TRUE(start());
    app_->pick("alice");
    for (int index = 0; index < SettingCount; ++index) {
        if (settingEntry(index).AllUsers) continue;
        app_->clickSetting(index);
        expectShowing(index);
    }
    const int maxTime = settingIndex("ContactSoundMaxTime");
    app_->clickSetting(maxTime);
    EXPECT_EQ(app_->numberBox()->text(), "30");
    for (auto [account, shown] : {std::pair{QString("carol"), "77"}, {DefaultUser, "20"}, {QString("Bob"), "12"}}) {
        app_->pick(account);
        expectShowing(maxTime);
        EXPECT_EQ(app_->numberBox()->text(), shown) << account.toStdString();
    }
    // Between an account and all users the selection goes.
    app_->pick(AllUsers);
    expectShowing(NoticeIndex);
    EXPECT_EQ(tree(1)->selectedNode(), nullptr);
    app_->clickSetting(settingIndex("DefaultConfiguration"));
    app_->pick("alice");
    expectShowing(NoticeIndex);
    EXPECT_EQ(tree(2)->selectedNode(), nullptr);
    app_->clickSetting(0);
    QTest::keyClick(tree(1), Qt::Key_Down);
    expectShowing(1);
    EXPECT_TRUE(app_->messages().empty());
}

TEST_F(MainWindowTest, EscClosesTheWindowAndTheTagPickerWhichAlsoClosesOnAnyOtherChoice) {
    ASSERT_TRUE(start());
    app_->pick("alice");
    const int format = settingIndex("ArchiveFileDateFmt");
    auto openPicker = [&] {
        app_->clickSetting(format);
        QTest::mouseClick(control<QPushButton>(app_->window->panel(2), "Command52"), Qt::LeftButton);
        ASSERT_TRUE(app_->window->tagPicker().isOpen());
    };
    openPicker();
    app_->clickSetting(settingIndex("ContactSoundMaxTime"));
    EXPECT_FALSE(app_->window->tagPicker().isOpen());
    openPicker();
    app_->pick("carol");
    EXPECT_FALSE(app_->window->tagPicker().isOpen());
    openPicker();
    auto* box = control<QLineEdit>(app_->window->panel(2), "Text33");
    QTest::keyClick(box, Qt::Key_A);
    EXPECT_TRUE(app_->window->isVisible());
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(app_->window->tagPicker().isOpen());
    EXPECT_FALSE(app_->window->isVisible());
    EXPECT_EQ(app_->registry->openHandleCount(), 0);
}

// Names as long as the registry allows are listed whole.
TEST_F(MainWindowTest, AccountNamesCrossInCodePage1252AndListWhole) {
    // "Zoë" in the hive (UTF-16 in the file, 1252 through the registry calls).
    const std::string longName(254, 'x');
    ASSERT_TRUE(start(hiveKey(StoreRoot) + hiveKey(std::string(StoreRoot) + "\\" + longName) +
                      "[Software\\\\Tavrel\\\\Brisko2\\\\Zo\\xeb] 1700000000\n\n"));
    const QStringList listed{AllUsers, QString::fromStdString(longName), QStringLiteral("Zo\u00eb")};
    EXPECT_EQ(items(app_->chooser()), listed);
    app_->pick(QStringLiteral("Zo\u00eb"));
    EXPECT_TRUE(hive_->hasKey("Software\\Tavrel\\Brisko2\\Zo\xeb\\Preferences"));
}

}  // namespace
}  // namespace fk::testing
