// The start-up pieces around the main window: the hive that cannot be
// used, and the private copy of the demo prefix.
#include "AppDriver.h"
#include "DemoPrefix.h"
#include "Dialogs.h"
#include "MainWindow.h"
#include "StartUp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace fk::testing {
namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST(OpenHive, AMissingFileTakesTheRegistryErrorAndIsNotMade) {
    QTemporaryDir dir;
    const QString path = dir.filePath("user.reg");
    dialogs::Dialogs dialogs;
    dialogs.setScripted(true);
    const auto opened = openHive(path, dialogs);
    EXPECT_EQ(opened.registry, nullptr);
    expectOneMessage(dialogs, RegistryError, "Error", dialogs::MessageIcon::Critical);
    EXPECT_FALSE(QFileInfo::exists(path));
}

// Without the bridge, the store falls back to reading only and the user is
// told once why nothing can be saved; the file is left to Wine.
TEST(OpenHive, WhileWineRunsWithoutTheBridgeTheUserIsWarnedOnceAndNothingIsWritten) {
    if (!WineServer::installed()) GTEST_SKIP() << "wine is not installed";
    AppHive hive(hiveKey("Software\\Tavrel\\Brisko2") + hiveKey("Software\\Tavrel\\Brisko2\\Nobody"));
    const std::string before = hive.fileText();
    const std::string prefix = hive.folder();
    WineServer wine(prefix);
    ASSERT_TRUE(wine.started());
    ::setenv("FETTLEKIT_BRIDGE", (prefix + "/no-such-bridge.exe").c_str(), 1);

    dialogs::Dialogs dialogs;
    dialogs.setScripted(true);
    reg::RegistryChoice opened;
    // The server takes a moment to take its lock.
    for (int i = 0; i < 100 && !opened.wineRunning; ++i) {
        opened = openHive(QString::fromStdString(hive.path()), dialogs);
        if (!opened.wineRunning) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::unsetenv("FETTLEKIT_BRIDGE");
    ASSERT_TRUE(opened.wineRunning);
    ASSERT_NE(opened.registry, nullptr);
    EXPECT_FALSE(opened.throughBridge);
    EXPECT_FALSE(opened.bridgeError.empty());

    MainWindow window(*opened.registry, dialogs, [](int) { ADD_FAILURE() << "the program ended"; });
    ASSERT_TRUE(showMainWindow(window, opened, dialogs));
    expectOneMessage(dialogs,
                     "Wine is running in this prefix, so changes cannot be saved now. Close the programs that run "
                     "under Wine, then start Fettlekit again.",
                     "Warning", dialogs::MessageIcon::Exclamation);
    EXPECT_FALSE(opened.registry->writable());
    EXPECT_EQ(hive.fileText(), before);
}

class DemoPrefixTest : public ::testing::Test {
protected:
    void SetUp() override {
        source_ = sourceDir_.path() + "/demo-prefix";
        writeFile(source_ + "/user.reg", "WINE REGISTRY Version 2\n");
        writeFile(source_ + "/drive_c/users/demo/readme.txt", "demo");
        std::filesystem::create_directories((source_ + "/dosdevices").toStdString());
        std::filesystem::create_directory_symlink("../drive_c", (source_ + "/dosdevices/c:").toStdString());
    }
    QString copyDir() const { return stateDir_.path() + "/fettlekit/demo-prefix"; }

    QTemporaryDir sourceDir_;
    QTemporaryDir stateDir_;
    QString source_;
};

TEST_F(DemoPrefixTest, CopiesThePrefixOnceAndKeepsTheUsersEdits) {
    QString error;
    const QString hive = prepareDemoPrefix(source_, stateDir_.path(), &error);
    ASSERT_EQ(hive, copyDir() + "/user.reg") << error.toStdString();
    EXPECT_EQ(readFile(hive), "WINE REGISTRY Version 2\n");
    EXPECT_EQ(readFile(copyDir() + "/drive_c/users/demo/readme.txt"), "demo");
    EXPECT_TRUE(QFileInfo(copyDir() + "/dosdevices/c:").isSymLink());
    // Nothing half made is left beside it.
    EXPECT_EQ(QDir(stateDir_.path() + "/fettlekit").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"demo-prefix"});

    writeFile(hive, "edited");
    EXPECT_EQ(prepareDemoPrefix(source_, stateDir_.path(), &error), hive);
    EXPECT_EQ(readFile(hive), "edited");
    // The shipped prefix is untouched.
    EXPECT_EQ(readFile(source_ + "/user.reg"), "WINE REGISTRY Version 2\n");
}

TEST_F(DemoPrefixTest, AMissingSourceOrABrokenCopySaysWhy) {
    QString error;
    EXPECT_TRUE(prepareDemoPrefix(sourceDir_.path() + "/nothing", stateDir_.path(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(copyDir()));

    // A copy that lost its user.reg is not overwritten.
    writeFile(copyDir() + "/keep.txt", "mine");
    error.clear();
    EXPECT_TRUE(prepareDemoPrefix(source_, stateDir_.path(), &error).isEmpty());
    EXPECT_TRUE(error.contains("user.reg"));
    EXPECT_EQ(readFile(copyDir() + "/keep.txt"), "mine");
    EXPECT_FALSE(QFileInfo::exists(copyDir() + "/user.reg"));
}

}  // namespace
}  // namespace fk::testing
