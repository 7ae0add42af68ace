// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows path the add-on is given for a file picked on Linux: first on
// a prefix laid out by hand, then against Wine's own winepath.
#include "platform/wine/WinePath.h"
#include "support/ChildProcesses.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using fk::wine::windowsPathFor;

// Files in a prefix's drive_c and in a media folder that d: links to, also
// reached through another link; with the names Wine gives them.
class PrefixDrives : public ::testing::Test {
protected:
    void lay(bool byHand) {
        for (const std::string& file : {prefix + "/drive_c/users/u/ding.wav", media + "/sounds/a b.wav"}) {
            fs::create_directories(fs::path(file).parent_path());
            fk::test::writeBytes(file, "RIFF");
        }
        if (byHand) {  // as Wine makes them: relative and absolute links
            fs::create_symlink("../drive_c", prefix + "/dosdevices/c:");
            fs::create_symlink("/", prefix + "/dosdevices/z:");
            fs::create_symlink("/dev/ttyS0", prefix + "/dosdevices/com1");
        }
        fs::create_symlink(media, prefix + "/dosdevices/d:");
        fs::create_directories(dir.path() + "/other");
        fs::create_symlink(media, dir.path() + "/other/link");
    }
    std::vector<std::pair<std::string, std::string>> files() const {
        return {{prefix + "/drive_c/users/u/ding.wav", "C:\\users\\u\\ding.wav"},
                {media + "/sounds/a b.wav", "D:\\sounds\\a b.wav"},
                {"/etc/hostname", "Z:\\etc\\hostname"},
                {media, "D:\\"},
                {dir.path() + "/other/link/sounds/a b.wav", "D:\\sounds\\a b.wav"},
                {media + "/gone/x.wav", "D:\\gone\\x.wav"},
                {media + "/sounds/../sounds/a b.wav", "D:\\sounds\\a b.wav"}};
    }

    fk::test::TempFolder dir;
    std::string prefix = dir.path() + "/pfx", media = dir.path() + "/media";
};

// By hand, for the runs without Wine.
TEST_F(PrefixDrives, AFileIsNamedThroughTheDriveThatHoldsItMostClosely) {
    fs::create_directories(prefix + "/dosdevices");
    lay(true);
    for (const auto& [file, name] : files()) EXPECT_EQ(windowsPathFor(file, prefix), name) << file;
    // Without a drive for the file Wine uses its Unix form.
    fs::remove(prefix + "/dosdevices/z:");
    EXPECT_EQ(windowsPathFor("/etc/hostname", prefix), "\\\\?\\unix\\etc\\hostname");
}

// Wine is the judge: its winepath names every file the same way.
TEST_F(PrefixDrives, WinepathNamesEveryFileTheSame) {
    if (!fk::test::wineInstalled()) GTEST_SKIP() << "wine is not installed";
    const std::string env = "WINEPREFIX=" + fk::test::quote(prefix) + " WINEDEBUG=-all ";
    ASSERT_EQ(fk::test::shell(env + "wine wineboot -i").rc, 0);
    lay(false);
    for (const auto& [file, name] : files()) {
        std::string named = fk::test::shell(env + "wine winepath -w " + fk::test::quote(file)).out;
        named.erase(named.find_last_not_of("\r\n") + 1);
        EXPECT_EQ(windowsPathFor(file, prefix), named) << file;
    }
    fk::test::stopWine(prefix);
}

}  // namespace
