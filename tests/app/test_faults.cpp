// SPDX-License-Identifier: GPL-3.0-or-later
// The program over a hive file that is missing or damaged at start-up, and
// Wine running. A file replaced, removed or damaged under the window and
// Wine starting during a save: app-cases.txt. Folders that refuse the new
// file: test_hive_faults.
#include "app/Session.h"
#include "AppDriver.h"
#include "platform/hive/HiveRegistry.h"
#include "support/ChildProcesses.h"

#include <QFileInfo>

namespace fk::testing {
namespace {

const std::string Keys = hiveKey(StoreRoot) + hiveKey(AlicePrefs, "\"ContactSoundMaxTime\"=dword:0000001e\n");
const QString RegistryError =
    "An error has been found with the registry.\r\nMake sure you have Brisko! 3 installed.";

// The one message shown since the last, as the user saw it; its details.
QString expectOneMessage(dialogs::Dialogs& dialogs, const QString& text, const QString& title,
                         dialogs::MessageIcon icon) {
    if (dialogs.messages.shown().size() != 1u) return ADD_FAILURE() << "not one message", QString();
    const auto m = dialogs.messages.shown()[0];
    EXPECT_EQ(std::tie(m.text, m.title, m.icon), std::tie(text, title, icon));
    dialogs.messages.clear();
    return m.details;
}

// Wine started under the window: a save finds it, starts the bridge and
// goes through it; without a bridge it is refused and the line under the
// form says why. Once Wine is gone saves go to the file again. Opened while
// Wine runs, without the bridge, the store only reads and the user is told
// once why.
TEST(Faults, SavesFollowWineInAndOutOfThePrefix) {
    if (!test::wineInstalled() || !std::filesystem::exists(FK_BRIDGE_EXE))
        GTEST_SKIP() << "no wine, or no " FK_BRIDGE_EXE " (scripts/test-windows builds it)";
    AppHive hive(Keys);
    // A prefix Wine has made, as the add-on's is, of the Wine installed here.
    std::string text = hiveText(Keys);
    hive.replace(text.replace(text.find("#arch=win32"), 11, "#arch=win64"));
    const std::string env = "WINEPREFIX=" + test::quote(hive.folder()) + " WINEDEBUG=-all ";
    test::shell(env + "wineboot -i; " + env + "wineserver -w");
    dialogs::Dialogs unused;
    Fettlekit app(hive.path(), openHive(QString::fromStdString(hive.path()), unused).registry);
    const auto stored = [&] { return asNumber(storedInFile(hive.path(), AlicePrefs, "ContactSoundMaxTime")); };
    auto* note = app.control<QLabel>("readOnlyNote");
    app.pick("alice");
    app.clickSetting(settingIndex("ContactSoundMaxTime"));
    app.changeNumber(50);
    test::StopWine stop{hive.folder()};
    const auto startWine = [&] {
        test::shell(env + "wineserver -p");
        // The server takes a moment to take its lock.
        for (int i = 0; i < 100 && !reg::openHiveRegistry(hive.path()).wineRunning; ++i) QTest::qWait(100);
        return hive.fileText();
    };
    std::string before = startWine();
    ::setenv("FETTLEKIT_BRIDGE", (hive.folder() + "/no-such-bridge.exe").c_str(), 1);
    app.changeNumber(60);
    expectOneMessage(app.dialogs, "Setting not saved.", "Error", dialogs::MessageIcon::Exclamation);
    EXPECT_TRUE(note->isVisible() && note->text().contains("fettlekit-bridge.exe was not found"));
    EXPECT_EQ(hive.fileText(), before);
    ::setenv("FETTLEKIT_BRIDGE", FK_BRIDGE_EXE, 1);
    app.changeNumber(70);
    EXPECT_TRUE(app.messages().empty());
    EXPECT_FALSE(note->isVisible()) << note->text().toStdString();
    const std::string live = test::shell(env + "wine reg query 'HKCU\\" + AlicePrefs + "' /v ContactSoundMaxTime").out;
    EXPECT_NE(live.find("0x46"), std::string::npos) << live;
    test::stopWine(hive.folder());
    app.changeNumber(80);
    EXPECT_TRUE(app.messages().empty());
    EXPECT_EQ(stored(), 80);

    before = startWine();
    ::setenv("FETTLEKIT_BRIDGE", (hive.folder() + "/no-such-bridge.exe").c_str(), 1);
    dialogs::Dialogs dialogs;
    dialogs.setScripted(true);
    const reg::RegistryChoice opened = openHive(QString::fromStdString(hive.path()), dialogs);
    ::unsetenv("FETTLEKIT_BRIDGE");
    ASSERT_TRUE(opened.wineRunning && opened.registry);
    EXPECT_FALSE(opened.throughBridge);
    EXPECT_TRUE(opened.bridgeError);
    MainWindow window(*opened.registry, dialogs, [](int) { ADD_FAILURE() << "the program ended"; });
    ASSERT_TRUE(showMainWindow(window, opened, dialogs));
    EXPECT_TRUE(control<QLabel>(&window, "readOnlyNote")->text().contains("fettlekit-bridge.exe was not found"));
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
    EXPECT_NE(expectOneMessage(dialogs, RegistryError, "Error", dialogs::MessageIcon::Critical), "");
    EXPECT_FALSE(QFileInfo::exists(path));

    // The sixth line opens a key and never closes its bracket.
    const std::string damaged = hiveText("[Software\\\\Tavrel\\\\Brisko2 1700000000\n\"x\"=dword:00000001\n");
    hive.replace(damaged);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(openHive(path, dialogs).registry, nullptr);
    const std::string said = ::testing::internal::GetCapturedStderr();
    // The reason is the box's details too; an export is named as such.
    EXPECT_TRUE(expectOneMessage(dialogs, RegistryError, "Error", dialogs::MessageIcon::Critical).contains("line 6: "));
    EXPECT_NE(said.find(hive.path() + ": line 6"), std::string::npos) << said;
    EXPECT_EQ(hive.fileText(), damaged);
    EXPECT_EQ(test::folderNames(hive.folder()), (std::set<std::string>{"user.reg"}));
    hive.replace("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n");
    EXPECT_EQ(openHive(path, dialogs).registry, nullptr);
    EXPECT_EQ(expectOneMessage(dialogs, RegistryError, "Error", dialogs::MessageIcon::Critical),
              path + " is a file of exported settings, not a prefix's registry: File > \"Import settings…\" "
                     "reads it.");
}

}  // namespace
}  // namespace fk::testing
