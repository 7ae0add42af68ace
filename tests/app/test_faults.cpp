// The program over a hive file that is missing or damaged at start-up, and
// Wine running. A file replaced, removed or damaged under the window and
// Wine starting during a save: app-cases.txt. Folders that refuse the new
// file: test_hive_faults.
#include "app/Session.h"
#include "AppDriver.h"
#include "platform/hive/HiveRegistry.h"

#include <QFileInfo>

namespace fk::testing {
namespace {

const std::string Keys = hiveKey(StoreRoot) + hiveKey(AlicePrefs, "\"ContactSoundMaxTime\"=dword:0000001e\n");
const QString RegistryError =
    "An error has been found with the registry.\r\nMake sure you have Brisko! 3 installed.";

// The one message shown since the last, as the user saw it.
void expectOneMessage(dialogs::Dialogs& dialogs, const QString& text, const QString& title, dialogs::MessageIcon icon) {
    ASSERT_EQ(dialogs.messages.shown().size(), 1u);
    const auto& m = dialogs.messages.shown()[0];
    EXPECT_EQ(std::tie(m.text, m.title, m.icon), std::tie(text, title, icon));
    dialogs.messages.clear();
}

// Wine starting stops saves; opened while Wine runs, without the bridge, the
// store only reads and the user is told once why.
TEST(Faults, WhileWineRunsNothingIsSavedAndTheFileIsLeftToWine) {
    if (!test::wineInstalled()) GTEST_SKIP() << "no wine here";
    AppHive hive(Keys);
    Fettlekit app(hive.path());
    app.pick("alice");
    app.clickSetting(settingIndex("ContactSoundMaxTime"));
    app.changeNumber(50);
    const std::string env = "WINEPREFIX=" + test::quote(hive.folder()) + " WINEDEBUG=-all ";
    ASSERT_EQ(test::shell(env + "wineserver -p").rc, 0);
    test::StopWine stop{env};
    // The server takes a moment to take its lock.
    for (int i = 0; i < 100 && !reg::openHiveRegistry(hive.path()).wineRunning; ++i) QTest::qWait(100);
    const std::string before = hive.fileText();
    app.changeNumber(60);
    expectOneMessage(app.dialogs, "Setting not saved.", "Error", dialogs::MessageIcon::Exclamation);
    EXPECT_EQ(hive.fileText(), before);
    app.clickSetting(settingIndex("CtcDetachStatusOnly"));
    app.clickSetting(settingIndex("ContactSoundMaxTime"));
    EXPECT_EQ(app.numberBox()->text(), "50");

    ::setenv("FETTLEKIT_BRIDGE", (hive.folder() + "/no-such-bridge.exe").c_str(), 1);
    dialogs::Dialogs dialogs;
    dialogs.setScripted(true);
    const reg::RegistryChoice opened = openHive(QString::fromStdString(hive.path()), dialogs);
    ::unsetenv("FETTLEKIT_BRIDGE");
    ASSERT_TRUE(opened.wineRunning && opened.registry);
    EXPECT_FALSE(opened.throughBridge);
    EXPECT_FALSE(opened.bridgeError.empty());
    MainWindow window(*opened.registry, dialogs, [](int) { ADD_FAILURE() << "the program ended"; });
    ASSERT_TRUE(showMainWindow(window, opened, dialogs));
    EXPECT_FALSE(control<QLabel>(&window, "readOnlyNote")->isHidden()) << "the window says why nothing is saved";
    EXPECT_TRUE(dialogs.messages.shown().empty()) << "the warning waits for the window to be on screen";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.messages.shown().empty(); }));
    expectOneMessage(dialogs,
                     "Wine is running in this prefix, so changes cannot be saved now. Close the programs that run "
                     "under Wine, then start Fettlekit again.",
                     "Warning", dialogs::MessageIcon::Exclamation);
    EXPECT_FALSE(opened.registry->writable());
    EXPECT_EQ(hive.fileText(), before);
}

// A missing file is not made; a damaged one is named by its line and left
// as it is.
TEST(Faults, AMissingOrDamagedHiveAtStartUpTakesTheRegistryErrorAndIsLeftAlone) {
    AppHive hive(Keys);
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
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(openHive(path, dialogs).registry, nullptr);
    const std::string said = ::testing::internal::GetCapturedStderr();
    expectOneMessage(dialogs, RegistryError, "Error", dialogs::MessageIcon::Critical);
    EXPECT_NE(said.find(hive.path() + ": line 6"), std::string::npos) << said;
    EXPECT_EQ(hive.fileText(), damaged);
    EXPECT_EQ(test::folderNames(hive.folder()), (std::set<std::string>{"user.reg"}));
}

}  // namespace
}  // namespace fk::testing
