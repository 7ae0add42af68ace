// The main window over a hive file that goes wrong under it: a folder that
// refuses the new file, the file replaced, deleted or damaged, a second
// copy of the program on the same file, and key handles over a whole run.
#include "AppDriver.h"
#include "StartUp.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace fk::testing {
namespace {

const char* const AlicePrefs = "Software\\Tavrel\\Brisko2\\alice\\Preferences";

const int MaxTime = settingIndex("ContactSoundMaxTime");

std::string storeKeys() {
    return hiveKey("Software\\Tavrel\\Brisko2", "\"DefaultConfiguration\"=\"carol\"\n") +
           hiveKey("Software\\Tavrel\\Brisko2\\Bob") +
           hiveKey(AlicePrefs, "\"ContactSoundMaxTime\"=dword:0000001e\n") +
           hiveKey("Software\\Tavrel\\Brisko2\\carol\\Preferences", "\"ContactSoundMaxTime\"=dword:0000004d\n");
}

// Whatever Fettlekit left in the hive's folder besides the hive and its lock.
QStringList litterBeside(const std::string& hivePath) {
    QDir folder(QFileInfo(QString::fromStdString(hivePath)).path());
    QStringList names = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral("user.reg"));
    names.removeAll(QStringLiteral("user.reg.fettlekit-lock"));
    return names;
}

// Makes a folder refuse new files for as long as it lives. Root ignores
// the mode bits, so for root the folder is made immutable instead.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const std::string& folder) : folder_(folder) {
        if (::geteuid() == 0) {
            fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd_ >= 0 && ::ioctl(fd_, FS_IOC_GETFLAGS, &flags_) == 0) {
                int immutable = flags_ | FS_IMMUTABLE_FL;
                if (::ioctl(fd_, FS_IOC_SETFLAGS, &immutable) == 0) immutable_ = true;
            }
        } else if (::stat(folder.c_str(), &mode_) == 0 && ::chmod(folder.c_str(), 0555) == 0) {
            chmodded_ = true;
        }
    }
    ~UnwritableFolder() { undo(); }

    void undo() {
        if (immutable_) ::ioctl(fd_, FS_IOC_SETFLAGS, &flags_);
        if (fd_ >= 0) ::close(fd_);
        if (chmodded_) ::chmod(folder_.c_str(), mode_.st_mode & 07777);
        immutable_ = chmodded_ = false;
        fd_ = -1;
    }

    // Whether making a file there really fails now.
    bool refuses() const {
        const std::string probe = folder_ + "/probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) return errno == EACCES || errno == EPERM;
        ::close(fd);
        ::unlink(probe.c_str());
        return false;
    }

private:
    std::string folder_;
    int fd_ = -1;
    int flags_ = 0;
    bool immutable_ = false;
    bool chmodded_ = false;
    struct stat mode_ {};
};

// The program over the store, showing alice's number setting.
class FaultsWhileShowing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.loaded);
        app.pick("alice");
        app.clickSetting(MaxTime);
    }
    AppHive hive{storeKeys()};
    Fettlekit app{hive.path()};
};

TEST(Faults, AFolderThatRefusesTheNewFileKeepsTheOldBytesAndSaysSettingNotSaved) {
    for (bool savedBefore : {false, true}) {
        SCOPED_TRACE(savedBefore ? "the lock file exists already" : "no write has been made yet");
        AppHive hive(storeKeys());
        Fettlekit app(hive.path());
        ASSERT_TRUE(app.loaded);
        app.pick("alice");
        app.clickSetting(MaxTime);
        if (savedBefore) {
            app.changeNumber(50);
            ASSERT_TRUE(app.messages().empty());
            ASSERT_EQ(hive.storedNumber(AlicePrefs, "ContactSoundMaxTime"), 50);
        }
        const std::string before = hive.fileText();

        UnwritableFolder locked(hive.folder());
        if (!locked.refuses()) GTEST_SKIP() << "this file system lets the test write into any folder";
        app.changeNumber(60);
        app.expectSettingNotSaved();
        EXPECT_EQ(hive.fileText(), before);
        EXPECT_TRUE(app.exits.empty());
        // The window shows what the file holds, not the refused value.
        EXPECT_EQ(app.reselectNumber(), savedBefore ? "50" : "30");

        locked.undo();
        EXPECT_TRUE(litterBeside(hive.path()).isEmpty()) << litterBeside(hive.path()).join(' ').toStdString();
        app.dialogs.messages.clear();
        app.changeNumber(61);
        EXPECT_TRUE(app.messages().empty());
        EXPECT_EQ(hive.storedNumber(AlicePrefs, "ContactSoundMaxTime"), 61);
    }
}

TEST_F(FaultsWhileShowing, AHiveRenamedOverWhileTheWindowRunsTakesTheNextChangeAndKeepsItsContent) {
    ASSERT_EQ(app.numberBox()->text(), "30");

    // Another program writes its own version beside it and renames it over.
    hive.replace(hiveText(hiveKey("Software\\Tavrel\\Brisko2") +
                          hiveKey(AlicePrefs, "\"ContactSoundMaxTime\"=dword:0000000b\n") +
                          hiveKey("Software\\Elsewhere", "\"kept\"=\"yes\"\n")));

    EXPECT_EQ(app.reselectNumber(), "11");
    app.changeNumber(70);
    EXPECT_TRUE(app.messages().empty());
    EXPECT_EQ(hive.storedNumber(AlicePrefs, "ContactSoundMaxTime"), 70);
    const std::string after = hive.fileText();
    EXPECT_NE(after.find("[Software\\\\Elsewhere]"), std::string::npos);
    EXPECT_NE(after.find("\"kept\"=\"yes\""), std::string::npos);
    // Nothing of the replaced file comes back.
    EXPECT_FALSE(hive.hasKey("Software\\Tavrel\\Brisko2\\carol\\Preferences"));
    EXPECT_EQ(after.find("DefaultConfiguration"), std::string::npos);
}

TEST_F(FaultsWhileShowing, AHiveReplacedByOneWithoutTheAccountRefusesTheChangeAndStaysAsItCame) {

    const std::string replacement = hiveText(hiveKey("Software\\Tavrel\\Brisko2\\carol\\Preferences"));
    hive.replace(replacement);

    app.changeNumber(70);
    app.expectSettingNotSaved();
    EXPECT_EQ(hive.fileText(), replacement);
    EXPECT_FALSE(hive.hasKey(AlicePrefs));
    EXPECT_TRUE(app.exits.empty());
}

TEST_F(FaultsWhileShowing, AHiveDamagedUnderTheWindowIsNeverRewritten) {

    const std::string damaged = hiveText(hiveKey(AlicePrefs)) + "[Software\\\\Broken 1700000000\n\"x\"=dword:zz\n";
    hive.replace(damaged);

    app.changeNumber(70);
    app.expectSettingNotSaved();
    EXPECT_EQ(hive.fileText(), damaged);
    // Reading on goes on from what was read before.
    EXPECT_EQ(app.reselectNumber(), "30");
    EXPECT_EQ(app.messages().size(), 1u);

    // Once the file is sound again, saving works again.
    hive.replace(hiveText(hiveKey(AlicePrefs)));
    app.dialogs.messages.clear();
    app.changeNumber(71);
    EXPECT_TRUE(app.messages().empty());
    EXPECT_EQ(hive.storedNumber(AlicePrefs, "ContactSoundMaxTime"), 71);
}

TEST_F(FaultsWhileShowing, AHiveDeletedWhileTheWindowRunsFailsEachChangeCleanly) {
    ASSERT_EQ(std::remove(hive.path().c_str()), 0);

    app.changeNumber(70);
    app.expectSettingNotSaved();
    EXPECT_FALSE(std::filesystem::exists(hive.path()));
    EXPECT_TRUE(litterBeside(hive.path()).isEmpty()) << litterBeside(hive.path()).join(' ').toStdString();
    // Showing settings still works from what was read.
    EXPECT_EQ(app.reselectNumber(), "30");
    auto* notify = app.control<QAbstractButton>(app.window->panel(5), "Command56");
    app.clickSetting(settingIndex("CtcDetachStatusOnly"));
    QTest::mouseClick(notify, Qt::LeftButton);
    EXPECT_EQ(app.messages().size(), 2u);
    EXPECT_TRUE(app.exits.empty());

    // An account whose key would have to be made ends the program, as any
    // account that cannot be opened does.
    app.dialogs.messages.clear();
    app.pick("Bob");
    ASSERT_EQ(app.messages().size(), 1u);
    EXPECT_EQ(app.messages()[0].text, "An unexpected error has been found while opening the account \"Bob\"");
    EXPECT_EQ(app.messages()[0].icon, dialogs::MessageIcon::Critical);
    EXPECT_EQ(app.exits, std::vector<int>{1});
    EXPECT_FALSE(std::filesystem::exists(hive.path()));

    app.window->close();
    EXPECT_EQ(app.registry->openHandleCount(), 0);
}

TEST(Faults, WineStartingInThePrefixStopsSavesAndLeavesTheFileAlone) {
    if (!WineServer::installed()) GTEST_SKIP() << "no wineserver here";
    AppHive hive(storeKeys());
    Fettlekit app(hive.path());
    ASSERT_TRUE(app.loaded);
    app.pick("alice");
    app.clickSetting(MaxTime);
    app.changeNumber(50);
    ASSERT_TRUE(app.messages().empty());

    WineServer wine(hive.folder());
    ASSERT_TRUE(wine.started());
    ASSERT_TRUE(reg::openHiveRegistry(hive.path()).wineRunning) << "the server is not seen as serving the prefix";
    const std::string before = hive.fileText();
    app.changeNumber(60);
    app.expectSettingNotSaved();
    EXPECT_EQ(hive.fileText(), before);
    EXPECT_EQ(app.reselectNumber(), "50");
    EXPECT_TRUE(app.exits.empty());
}

TEST(Faults, AQuickTextRemovedByAnotherProgramWhileListedEndsTheProgramWithoutALeak) {
    const std::string hello = std::string(AlicePrefs) + "\\QuickTexts\\hello";
    AppHive hive(storeKeys() + hiveKey(hello, "\"Message\"=\"hi\"\n\"Alias\"=\"h\"\n"));
    Fettlekit app(hive.path());
    ASSERT_TRUE(app.loaded);
    app.pick("alice");
    app.clickSetting(settingIndex("MenuInclude"));
    auto* list = app.control<QComboBox>(app.window->panel(9), "Combo5");
    ASSERT_EQ(list->count(), 1);

    auto other = reg::openHiveRegistry(hive.path());
    ASSERT_NE(other.registry, nullptr);
    ASSERT_EQ(other.registry->RegDeleteKeyA(reg::CurrentUser, hello.c_str()), reg::Success);
    ASSERT_FALSE(hive.hasKey(hello));

    list->showPopup();
    QAbstractItemView* view = list->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
    ASSERT_EQ(app.messages().size(), 1u);
    EXPECT_EQ(app.messages()[0].text, "An unexpected error has been found while opening the registry");
    EXPECT_EQ(app.messages()[0].icon, dialogs::MessageIcon::Critical);
    EXPECT_EQ(app.exits, std::vector<int>{1});
    EXPECT_EQ(app.registry->openHandleCount(), 2);
    app.window->close();
    EXPECT_EQ(app.registry->openHandleCount(), 0);
}

TEST(Faults, TwoCopiesOnOneHiveSeeEachOthersChangesAndLoseNone) {
    AppHive hive(storeKeys());
    Fettlekit first(hive.path());
    Fettlekit second(hive.path());
    ASSERT_TRUE(first.loaded);
    ASSERT_TRUE(second.loaded);
    first.pick("alice");
    second.pick("alice");
    first.clickSetting(MaxTime);
    second.clickSetting(MaxTime);
    ASSERT_EQ(second.numberBox()->text(), "30");

    first.changeNumber(41);
    EXPECT_EQ(second.reselectNumber(), "41");
    second.changeNumber(42);
    EXPECT_EQ(first.reselectNumber(), "42");

    // Turn about, each on its own setting and on the shared one: every
    // last value is in the file, whoever wrote before.
    const int detach = settingIndex("CtcDetachStatusOnly");
    for (int round = 0; round < 10; ++round) {
        first.changeNumber(round + 1);
        second.pick("carol");
        second.clickSetting(MaxTime);
        second.changeNumber(round + 80);
        second.pick("alice");
        second.clickSetting(MaxTime);
    }
    second.clickSetting(detach);
    QTest::mouseClick(second.control<QAbstractButton>(second.window->panel(5), "Option13(0)"), Qt::LeftButton);
    QTest::mouseClick(second.control<QAbstractButton>(second.window->panel(5), "Command56"), Qt::LeftButton);
    first.changeNumber(55);

    EXPECT_TRUE(first.messages().empty());
    EXPECT_TRUE(second.messages().empty());
    EXPECT_EQ(hive.storedNumber(AlicePrefs, "ContactSoundMaxTime"), 55);
    EXPECT_EQ(hive.storedNumber("Software\\Tavrel\\Brisko2\\carol\\Preferences", "ContactSoundMaxTime"), 89);
    EXPECT_EQ(hive.storedNumber(AlicePrefs, "CtcDetachStatusOnly"), 1);
    EXPECT_EQ(second.reselectNumber(), "55");
    EXPECT_TRUE(litterBeside(hive.path()).isEmpty());
}

TEST(Faults, ADamagedHiveAtStartUpNamesTheLineAndIsLeftUntouched) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("user.reg").toStdString();
    // The sixth line opens a key and never closes its bracket.
    const std::string damaged = hiveText("[Software\\\\Tavrel\\\\Brisko2 1700000000\n\"x\"=dword:00000001\n");
    writeText(path, damaged);
    const timespec old[2] = {{978307200, 0}, {978307200, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    dialogs::Dialogs dialogs;
    dialogs.setScripted(true);
    ::testing::internal::CaptureStderr();
    const auto opened = openHive(QString::fromStdString(path), dialogs);
    const std::string said = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(opened.registry, nullptr);
    expectOneMessage(dialogs, RegistryError, "Error", dialogs::MessageIcon::Critical);
    EXPECT_NE(said.find("line 6"), std::string::npos) << said;
    EXPECT_NE(said.find(path), std::string::npos) << said;

    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(readText(path), damaged);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"user.reg"});
}

// Every setting shown in turn, and every button of its panel pressed, must
// leave only the store root and the account key open.
TEST(Faults, NoKeyHandleOutlivesAWholeRunThroughTheCatalogue) {
    AppHive hive(storeKeys() + hiveKey("Software\\Tavrel\\Brisko2\\alice\\Preferences\\QuickTexts\\hello",
                                       "\"Message\"=\"hi\"\n\"Alias\"=\"h\"\n"));
    Fettlekit app(hive.path());
    ASSERT_TRUE(app.loaded);
    EXPECT_EQ(app.registry->openHandleCount(), 1);
    int shown = 0;
    int pressed = 0;
    for (const QString& account : {QStringLiteral("alice"), QStringLiteral(" --> All users <--")}) {
        app.pick(account);
        const bool allUsers = account == MainWindow::AllUsers;
        const int expected = allUsers ? 1 : 2;
        EXPECT_EQ(app.registry->openHandleCount(), expected);
        for (int index = 0; index < SettingCount; ++index) {
            if (settingEntry(index).AllUsers != allUsers) continue;
            app.clickSetting(index);
            ++shown;
            EXPECT_EQ(app.registry->openHandleCount(), expected) << settingEntry(index).ValueName;
            QWidget* panel = app.window->panel(app.window->PanelOfKind()[size_t(settingEntry(index).Kind)]);
            for (QPushButton* button : panel->findChildren<QPushButton*>()) {
                if (!button->isVisible() || !button->isEnabled()) continue;
                QTest::mouseClick(button, Qt::LeftButton);
                ++pressed;
                app.window->tagPicker().close();
                EXPECT_EQ(app.registry->openHandleCount(), expected)
                    << settingEntry(index).ValueName << " after " << button->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(shown, SettingCount);
    EXPECT_GT(pressed, SettingCount);
    EXPECT_TRUE(app.exits.empty());
    app.window->close();
    EXPECT_EQ(app.registry->openHandleCount(), 0);
    // Every key opened was closed exactly once.
    std::vector<reg::Key> closes = app.registry->closes;
    std::sort(closes.begin(), closes.end());
    EXPECT_EQ(std::adjacent_find(closes.begin(), closes.end()), closes.end());
}

}  // namespace
}  // namespace fk::testing
