// The main window over a hive file that goes wrong under it: the file
// replaced, deleted or damaged, and Wine running. Folders that refuse the
// new file: test_hive_faults.
#include "TestFiles.h"
#include "AppDriver.h"
#include "HiveRegistry.h"
#include "Messages.h"
#include "StartUp.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace fk::testing {
namespace {

const int MaxTime = settingIndex("ContactSoundMaxTime");

// What the program left in the hive's folder besides the hive and its lock.
QStringList litterBeside(const std::string& hivePath) {
    QStringList names = QFileInfo(QString::fromStdString(hivePath)).dir().entryList(QDir::AllEntries | QDir::Hidden |
                                                                                     QDir::NoDotAndDotDot);
    names.removeAll("user.reg");
    names.removeAll("user.reg.fettlekit-lock");
    return names;
}

// The program over the store, showing alice's number setting (30).
struct Showing {
    Showing() : hive(threeAccounts()), app(hive.path()) {
        EXPECT_TRUE(app.loaded);
        app.pick("alice");
        app.clickSetting(MaxTime);
    }
    std::optional<std::int32_t> stored() const { return hive.storedNumber(AlicePrefs, "ContactSoundMaxTime"); }
    AppHive hive;
    Fettlekit app;
};

// Another program renames its own file over the hive, or removes it.
TEST(Faults, AHiveChangedUnderTheWindowIsReadAgainAndOnlyASoundOneWithTheAccountIsWritten) {
    struct Case {
        const char* what;
        std::optional<std::string> file;  // none: removed
        const char* shown;                // after the setting is chosen again
        bool saves;
    };
    const std::string sound = hiveText(hiveKey("Software\\Tavrel\\Brisko2") +
                                       hiveKey(AlicePrefs, "\"ContactSoundMaxTime\"=dword:0000000b\n"));
    for (const Case& c : {Case{"replaced", sound, "11", true},
                          Case{"without the account", hiveText(hiveKey("Software\\Tavrel\\Brisko2\\carol")), "12", false},
                          Case{"damaged", hiveText(hiveKey(AlicePrefs)) + "[Software\\\\Broken 1700000000\n", "30", false},
                          Case{"removed", std::nullopt, "30", false}}) {
        SCOPED_TRACE(c.what);
        Showing s;
        if (c.file) {
            s.hive.replace(*c.file);
        } else {
            ASSERT_EQ(std::remove(s.hive.path().c_str()), 0);
        }
        EXPECT_EQ(s.app.reselectNumber(), c.shown);
        s.app.changeNumber(70);
        EXPECT_TRUE(s.app.exits.empty());
        EXPECT_TRUE(litterBeside(s.hive.path()).isEmpty());
        if (!c.saves) {
            s.app.expectSettingNotSaved();
            // The window shows what the file holds, not the refused value.
            EXPECT_EQ(s.app.reselectNumber(), c.shown);
            if (c.file) {
                EXPECT_EQ(s.hive.fileText(), *c.file);
                continue;
            }
            // Nor is it made again for an account that needs a key: that ends the program.
            s.app.dialogs.messages.clear();
            s.app.pick("Bob");
            expectOneMessage(s.app.dialogs, "An unexpected error has been found while opening the account \"Bob\"",
                             "Error", dialogs::MessageIcon::Critical);
            EXPECT_EQ(s.app.exits, std::vector<int>{1});
            EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(s.hive.path())));
            continue;
        }
        EXPECT_TRUE(s.app.messages().empty());
        EXPECT_EQ(s.stored(), 70);
    }
}

// Wine starting stops saves; opened while Wine runs, without the bridge, the
// store only reads and the user is told once why.
TEST(Faults, WhileWineRunsNothingIsSavedAndTheFileIsLeftToWine) {
    if (!test::wineInstalled()) GTEST_SKIP() << "no wine here";
    Showing s;
    s.app.changeNumber(50);
    const std::string env = "WINEPREFIX=" + test::quote(s.hive.folder()) + " WINEDEBUG=-all ";
    ASSERT_EQ(test::shell(env + "wineserver -p").rc, 0);
    struct StopWine {
        std::string env;
        ~StopWine() { test::shell(env + "wineserver -k; " + env + "wineserver -w"); }
    } stop{env};
    // The server takes a moment to take its lock.
    for (int i = 0; i < 100 && !reg::openHiveRegistry(s.hive.path()).wineRunning; ++i) QTest::qWait(100);
    const std::string before = s.hive.fileText();
    s.app.changeNumber(60);
    s.app.expectSettingNotSaved();
    EXPECT_EQ(s.hive.fileText(), before);
    EXPECT_EQ(s.app.reselectNumber(), "50");

    ::setenv("FETTLEKIT_BRIDGE", (s.hive.folder() + "/no-such-bridge.exe").c_str(), 1);
    dialogs::Dialogs dialogs;
    dialogs.setScripted(true);
    const reg::RegistryChoice opened = openHive(QString::fromStdString(s.hive.path()), dialogs);
    ::unsetenv("FETTLEKIT_BRIDGE");
    ASSERT_TRUE(opened.wineRunning && opened.registry);
    EXPECT_FALSE(opened.throughBridge);
    EXPECT_FALSE(opened.bridgeError.empty());
    MainWindow window(*opened.registry, dialogs, [](int) { ADD_FAILURE() << "the program ended"; });
    ASSERT_TRUE(showMainWindow(window, opened, dialogs));
    EXPECT_TRUE(dialogs.messages.shown().empty()) << "the warning waits for the window to be on screen";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.messages.shown().empty(); }));
    expectOneMessage(dialogs,
                     "Wine is running in this prefix, so changes cannot be saved now. Close the programs that run "
                     "under Wine, then start Fettlekit again.",
                     "Warning", dialogs::MessageIcon::Exclamation);
    EXPECT_FALSE(opened.registry->writable());
    EXPECT_EQ(s.hive.fileText(), before);
}

// Wine started while a change was saved: it stays saved, the user is told
// once that Wine may write over it, and nothing more is saved.
TEST(Faults, WineStartingDuringASaveIsToldOnceAndStopsChanges) {
    Showing s;
    s.app.registry->wineStarts = true;
    s.app.changeNumber(70);
    QApplication::processEvents();
    EXPECT_EQ(s.stored(), 70);
    expectOneMessage(s.app.dialogs, messages::wineStartedDuringSave(), "Warning", dialogs::MessageIcon::Exclamation);
    EXPECT_FALSE(control<QPushButton>(s.app.window->panel(3), "Command35")->isEnabled());
    EXPECT_FALSE(s.app.control<QLabel>("readOnlyNote")->isHidden());
}

// A missing file is not made; a damaged one is named by its line and left
// as it is.
TEST(Faults, AMissingOrDamagedHiveAtStartUpTakesTheRegistryErrorAndIsLeftAlone) {
    AppHive hive(threeAccounts());
    const QString path = QString::fromStdString(hive.path());
    ASSERT_EQ(std::remove(hive.path().c_str()), 0);
    dialogs::Dialogs dialogs;
    dialogs.setScripted(true);
    EXPECT_EQ(openHive(path, dialogs).registry, nullptr);
    expectOneMessage(dialogs, RegistryError, "Error", dialogs::MessageIcon::Critical);
    EXPECT_FALSE(QFileInfo::exists(path));

    // The sixth line opens a key and never closes its bracket.
    const std::string damaged = hiveText("[Software\\\\Tavrel\\\\Brisko2 1700000000\n\"x\"=dword:00000001\n");
    hive.replace(damaged);
    dialogs.messages.clear();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(openHive(path, dialogs).registry, nullptr);
    const std::string said = ::testing::internal::GetCapturedStderr();
    expectOneMessage(dialogs, RegistryError, "Error", dialogs::MessageIcon::Critical);
    EXPECT_NE(said.find(hive.path() + ": line 6"), std::string::npos) << said;
    EXPECT_EQ(hive.fileText(), damaged);
    EXPECT_TRUE(litterBeside(hive.path()).isEmpty());
}

}  // namespace
}  // namespace fk::testing
