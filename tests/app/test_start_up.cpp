// SPDX-License-Identifier: GPL-3.0-or-later
// The private copy of the demo prefix the program starts on when asked.
#include "app/DemoPrefix.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fk::testing {
namespace {

std::string readFile(const QString& path) { return test::readBytes(path.toStdString()); }

void writeFile(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    test::writeBytes(path.toStdString(), bytes);
}

// The demo prefix is copied once into the user's state folder, symbolic
// links as links, and the user's edits are kept; a missing source or a copy
// that lost its hive says why and overwrites nothing.
TEST(DemoPrefix, CopiesThePrefixOnceAndKeepsTheUsersEdits) {
    QTemporaryDir sourceDir, stateDir;
    const QString source = sourceDir.path() + "/demo-prefix", copy = stateDir.path() + "/fettlekit/demo-prefix";
    writeFile(source + "/user.reg", "WINE REGISTRY Version 2\n");
    writeFile(source + "/drive_c/users/demo/readme.txt", "demo");
    QDir().mkpath(source + "/dosdevices");
    QFile::link("../drive_c", source + "/dosdevices/c:");
    QString error;
    EXPECT_TRUE(prepareDemoPrefix(sourceDir.path() + "/nothing", stateDir.path(), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(copy));

    const QString hive = prepareDemoPrefix(source, stateDir.path(), &error);
    ASSERT_EQ(hive, copy + "/user.reg") << error.toStdString();
    EXPECT_EQ(readFile(copy + "/drive_c/users/demo/readme.txt"), "demo");
    EXPECT_TRUE(QFileInfo(copy + "/dosdevices/c:").isSymLink());
    // Nothing half made is left beside it.
    EXPECT_EQ(QDir(stateDir.path() + "/fettlekit").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"demo-prefix"});
    writeFile(hive, "edited");
    EXPECT_EQ(prepareDemoPrefix(source, stateDir.path(), &error), hive);
    EXPECT_EQ(readFile(hive), "edited");
    EXPECT_EQ(readFile(source + "/user.reg"), "WINE REGISTRY Version 2\n");

    QFile::remove(hive);
    error.clear();
    EXPECT_TRUE(prepareDemoPrefix(source, stateDir.path(), &error).isEmpty());
    EXPECT_TRUE(error.contains("user.reg"));
    EXPECT_FALSE(QFileInfo::exists(hive));
    EXPECT_EQ(readFile(copy + "/drive_c/users/demo/readme.txt"), "demo");
}

}  // namespace
}  // namespace fk::testing
