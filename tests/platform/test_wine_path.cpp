// The Windows path the add-on is given for a file picked on Linux: first on
// a prefix laid out by hand, then against Wine's own winepath.
#include "WinePath.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;
using fk::wine::windowsPathFor;

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/fk-winepath-XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~TempDir() { fs::remove_all(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "RIFF";
}

// A prefix with c: on its drive_c, d: on a media folder and z: on the root,
// as Wine makes them (relative and absolute links).
class PrefixDrives : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(prefix() + "/dosdevices");
        fs::create_directories(prefix() + "/drive_c/users/u");
        fs::create_directories(media());
        fs::create_symlink("../drive_c", prefix() + "/dosdevices/c:");
        fs::create_symlink(media(), prefix() + "/dosdevices/d:");
        fs::create_symlink("/", prefix() + "/dosdevices/z:");
        fs::create_symlink("/dev/ttyS0", prefix() + "/dosdevices/com1");
    }
    std::string prefix() const { return dir.path() + "/pfx"; }
    std::string media() const { return dir.path() + "/media"; }

    TempDir dir;
};

// By hand, for the runs without Wine; the same files as Wine names them below.
TEST_F(PrefixDrives, AFileIsNamedThroughTheDriveThatHoldsItMostClosely) {
    touch(prefix() + "/drive_c/users/u/ding.wav");
    touch(media() + "/sounds/a b.wav");
    fs::create_directories(dir.path() + "/other");
    fs::create_symlink(media(), dir.path() + "/other/link");
    for (auto [file, name] : {std::pair{prefix() + "/drive_c/users/u/ding.wav", "C:\\users\\u\\ding.wav"},
                              {media() + "/sounds/a b.wav", "D:\\sounds\\a b.wav"},
                              {std::string("/etc/hostname"), "Z:\\etc\\hostname"},
                              {media(), "D:\\"},
                              {dir.path() + "/other/link/sounds/a b.wav", "D:\\sounds\\a b.wav"},
                              {media() + "/gone/x.wav", "D:\\gone\\x.wav"},
                              {media() + "/sounds/../sounds/a b.wav", "D:\\sounds\\a b.wav"}})
        EXPECT_EQ(windowsPathFor(file, prefix()), name) << file;
    // Without a drive for the file Wine uses its Unix form.
    fs::remove(prefix() + "/dosdevices/z:");
    EXPECT_EQ(windowsPathFor("/etc/hostname", prefix()), "\\\\?\\unix\\etc\\hostname");
}

std::string run(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) return out;
    std::array<char, 512> chunk{};
    while (size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe.get())) out.append(chunk.data(), n);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    return out;
}

// Wine is the judge: its winepath names every file the same way.
TEST(WinePathAgainstWine, EveryPathIsNamedAsWinepathNamesIt) {
    if (std::system("command -v wine >/dev/null 2>&1") != 0) GTEST_SKIP() << "wine is not installed";
    TempDir dir;
    const std::string prefix = dir.path() + "/pfx";
    const std::string env = "WINEPREFIX='" + prefix + "' WINEDEBUG=-all ";
    ASSERT_EQ(std::system((env + "wine wineboot -i </dev/null >/dev/null 2>&1").c_str()), 0);
    const std::string media = dir.path() + "/media";
    touch(media + "/sounds/a b.wav");
    touch(prefix + "/drive_c/users/u/ding.wav");
    fs::create_symlink(media, prefix + "/dosdevices/d:");
    fs::create_directories(dir.path() + "/other");
    fs::create_symlink(media, dir.path() + "/other/link");

    for (const std::string& file : {prefix + "/drive_c/users/u/ding.wav", media + "/sounds/a b.wav",
                                    dir.path() + "/other/link/sounds/a b.wav", media, std::string("/etc/hostname"),
                                    dir.path() + "/gone/x.wav"}) {
        EXPECT_EQ(windowsPathFor(file, prefix), run(env + "wine winepath -w '" + file + "' 2>/dev/null")) << file;
    }
    std::system((env + "wineserver -k; " + env + "wineserver -w").c_str());
}

}  // namespace
