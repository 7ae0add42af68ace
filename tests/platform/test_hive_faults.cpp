// What the hive file meets in use: a full disk, a folder the user may not
// write, another program removing, replacing or damaging the file, and two
// editors writing the same file in turn (at once: test_concurrent_writers).
// Each failed write returns a failure code, leaves the file and its folder
// as they were and keeps reads working. A hive too big to be checked whole
// when opened is read a section at a time, yet damage anywhere is named
// before anything is written.
#include "HiveRegistry.h"
#include "HiveTestFiles.h"
#include "PreferenceStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <set>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace fk::reg;
using fk::test::readBytes;
using fk::test::TempFolder;
using fk::test::writeBytes;

namespace {

const std::string Brisko = "Software\\Tavrel\\Brisko2\\Nobody\\Preferences";

constexpr long BadDatabase = 1009;

// A hive of `keys` filler keys before the key the tests write to; `broken`
// replaces the padding of the middle filler key, on line 8 + 4 * (keys / 2).
std::string hiveText(int keys = 0, const std::string& broken = {}) {
    std::string text =
        "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n";
    for (int n = 0; n < keys; ++n) {
        char key[160];
        std::snprintf(key, sizeof key, "\n[Software\\\\Filler\\\\Key%05d] 1796496286\n#time=1dd84e8b351e1ae\n", n);
        text += key;
        text += n == keys / 2 && !broken.empty() ? broken : "\"Padding\"=\"" + std::string(200, 'x') + "\"\n";
    }
    text += "\n[Software\\\\Tavrel\\\\Brisko2\\\\Nobody\\\\Preferences] 1796496422\n#time=1dd84e9047bb56e\n"
            "\"ContactSoundMaxTime\"=dword:0000000c\n\"QuoteFormat\"=\"> %s\"\n";
    return text;
}
constexpr int BigHive = 6000;  // keys: about 1.6 MB, past what is checked whole when opened

std::set<std::string> folderListing(const std::string& folder) {
    std::set<std::string> names;
    for (auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// The registry calls the store makes, on one key.
struct Editor {
    std::unique_ptr<Registry> registry;
    Key key = 0;

    explicit Editor(const std::string& path) {
        auto opened = openHiveRegistry(path);
        if (!opened.registry) throw std::runtime_error(opened.error);
        registry = std::move(opened.registry);
        registry->RegOpenKeyExA(CurrentUser, Brisko.c_str(), 0, KeyAllAccess, &key);
    }
    ~Editor() {
        if (key) registry->RegCloseKey(key);
    }
    long setNumber(const char* name, std::int32_t v) {
        return registry->RegSetValueExA(key, name, 0, TypeDword, reinterpret_cast<const std::uint8_t*>(&v), 4);
    }
    std::int32_t numberOr(const char* name, std::int32_t missing) {
        std::int32_t v = 0;
        std::uint32_t size = 4;
        long rc = registry->RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<std::uint8_t*>(&v), &size);
        return rc == Success ? v : missing;
    }
};

// Runs `body` in a child process, for limits and identities the test
// process must not take on. The child's complaints come back as text.
std::string inChild(const std::function<std::string()>& body) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "no pipe";
    std::fflush(nullptr);
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string complaints;
        try {
            complaints = body();
        } catch (const std::exception& e) {
            complaints = std::string("exception: ") + e.what();
        }
        if (!complaints.empty() && ::write(pipeFds[1], complaints.data(), complaints.size()) < 0) ::_exit(2);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string out;
    char buf[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) out.append(buf, size_t(n));
    ::close(pipeFds[0]);
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) < 0) return "no child";
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) out += " (the child ended with status " + std::to_string(status) + ")";
    return out;
}

// Collects failed checks in a child process, where gtest cannot report.
struct Complaints {
    std::string text;
    void check(bool ok, const std::string& what) { text += ok ? "" : what + "\n"; }
};

// A failed save, seen from the child that made it: the code, the file, the
// folder and what the registry still reads.
std::string failedSave(const std::string& path, const std::string& before, long expected) {
    Complaints c;
    std::string folder = std::filesystem::path(path).parent_path().string();
    Editor editor(path);
    editor.setNumber("ContactSoundMaxTime", 12);  // unchanged: no write, and the lock file is made
    auto listing = folderListing(folder);
    long rc = editor.setNumber("ContactSoundMaxTime", 99);
    c.check(rc == expected, "the write returned " + std::to_string(rc) + ", not " + std::to_string(expected));
    c.check(readBytes(path) == before, "the hive changed");
    c.check(folderListing(folder) == listing, "the folder's files changed");
    c.check(editor.numberOr("ContactSoundMaxTime", -1) == 12, "a read no longer gives the old value");
    return c.text;
}

struct HiveFaults : ::testing::Test {
    TempFolder folder;
    std::string path = folder.file("user.reg");
};

TEST_F(HiveFaults, AFullDiskDuringTheSaveLeavesTheHiveAndNoTemporaryFile) {
    // A file size limit below the hive's size: write() fails with EFBIG
    // part way through the new copy.
    std::string text = hiveText(800);
    writeBytes(path, text);
    EXPECT_EQ(inChild([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  rlimit limit{};
                  ::getrlimit(RLIMIT_FSIZE, &limit);
                  limit.rlim_cur = 100 * 1000;
                  if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no file size limit");
                  return failedSave(path, text, 223);
              }),
              "");
    EXPECT_EQ(Editor(path).setNumber("ContactSoundMaxTime", 99), Success) << "without the limit the save goes through";
}

TEST_F(HiveFaults, AReallyFullFileSystemGivesDiskFull) {
    // A 64 KB tmpfs holding a 40 KB hive has no room for its new copy.
    std::string text = hiveText(150);
    std::string mounted = inChild([&]() -> std::string {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("fk-full", folder.path().c_str(), "tmpfs", 0, "size=64k") != 0)
            return "skip";
        writeBytes(path, text);
        if (readBytes(path) != text) return "the hive did not fit";
        return failedSave(path, text, 112);
    });
    if (mounted == "skip") GTEST_SKIP() << "no private tmpfs (needs root)";
    EXPECT_EQ(mounted, "");
}

// Drops to nobody when running as root, where permissions do not stop writes.
bool actAsNobody() {
    if (::geteuid() != 0) return true;
    return ::setgroups(0, nullptr) == 0 && ::setresgid(65534, 65534, 65534) == 0 && ::setresuid(65534, 65534, 65534) == 0;
}

// With no lock file yet, with one left by an earlier run, and with the
// folder writable but the hive read-only; the store tells the user once and
// reads on.
TEST_F(HiveFaults, AFolderOrHiveWithoutWritePermissionRefusesTheSave) {
    std::string text = hiveText();
    writeBytes(path, text);
    for (const std::string what : {"no lock file", "lock file present", "read-only hive"}) {
        SCOPED_TRACE(what);
        if (what == "lock file present") writeBytes(path + ".fettlekit-lock", "");
        ::chmod(path.c_str(), what == "read-only hive" ? 0444 : 0666);
        ::chmod((path + ".fettlekit-lock").c_str(), 0666);
        ::chmod(folder.path().c_str(), what == "read-only hive" ? 0777 : 0555);
        EXPECT_EQ(inChild([&] {
                      if (!actAsNobody()) return std::string("could not act as nobody");
                      Complaints c;
                      Editor editor(path);
                      int failures = 0;
                      fk::PreferenceStore store(*editor.registry, [&] { ++failures; });
                      c.check(!store.writeNumber(editor.key, "ContactSoundMaxTime", 99), "the store reported success");
                      c.check(failures == 1, "the user was told " + std::to_string(failures) + " times");
                      return c.text + failedSave(path, text, AccessDenied);
                  }),
                  "");
        ::chmod(folder.path().c_str(), 0755);
    }
}

TEST_F(HiveFaults, AHiveRemovedByAnotherProgramIsNotMadeAgainFromMemory) {
    std::string text = hiveText();
    writeBytes(path, text);
    Editor editor(path);
    std::filesystem::remove(path);

    ::testing::internal::CaptureStderr();
    long rc = editor.setNumber("ContactSoundMaxTime", 99);
    Key created = 0;
    long createRc = editor.registry->RegCreateKeyExA(CurrentUser, "Software\\New", 0, "", 0, KeyAllAccess, nullptr,
                                                      &created, nullptr);
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(rc, Success);
    EXPECT_NE(createRc, Success);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_NE(said.find("removed by another program"), std::string::npos) << said;
    EXPECT_EQ(said.find("removed", said.find("removed") + 1), std::string::npos) << "said once: " << said;
    EXPECT_EQ(editor.numberOr("ContactSoundMaxTime", -1), 12) << "reads go on from the copy in memory";
}

// Another program renames its own file over ours: the same size as ours but
// other content, so only the file's identity tells it apart. Then it
// renames a damaged one over it.
TEST_F(HiveFaults, AHiveReplacedByAnotherProgramIsReadAgainKeptAndNeverWrittenOverDamaged) {
    auto replace = [&](const std::string& text) {
        writeBytes(folder.file("theirs.tmp"), text);
        ASSERT_EQ(std::rename(folder.file("theirs.tmp").c_str(), path.c_str()), 0);
    };
    for (int keys : {2, BigHive}) {
        SCOPED_TRACE(std::to_string(keys) + " keys");
        writeBytes(path, hiveText(keys));
        Editor editor(path);
        ASSERT_EQ(editor.setNumber("Ours", 1), Success);  // every section is known sound from here on

        std::string theirs = readBytes(path);
        theirs.replace(theirs.find("dword:0000000c"), 14, "dword:0000000d");
        char middle[16];
        std::snprintf(middle, sizeof middle, "Key%05d]", keys / 2);
        theirs.replace(theirs.find("xxxxxx", theirs.find(middle)), 6, "theirs");
        replace(theirs);
        EXPECT_EQ(editor.numberOr("ContactSoundMaxTime", -1), 13);
        ASSERT_EQ(editor.setNumber("Second", 2), Success);
        std::string now = readBytes(path);
        for (const char* line :
             {"\"ContactSoundMaxTime\"=dword:0000000d", "\"Ours\"=dword:00000001", "\"Second\"=dword:00000002"})
            EXPECT_NE(now.find(line), std::string::npos) << line;
        // Every key but the one written keeps its text.
        auto ourKey = theirs.find("\n[Software\\\\Tavrel");
        EXPECT_EQ(now.substr(0, ourKey), theirs.substr(0, ourKey));

        const std::string damaged = hiveText(keys, "\"Padding\"=hex:0g\n");
        replace(damaged);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(editor.setNumber("ContactSoundMaxTime", 99), BadDatabase);
        std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("another program left it damaged: line " + std::to_string(8 + 4 * (keys / 2))),
                  std::string::npos) << said;
        EXPECT_EQ(readBytes(path), damaged);
        EXPECT_EQ(editor.numberOr("ContactSoundMaxTime", -1), 13) << "reads go on from the copy in memory";
    }
}

TEST_F(HiveFaults, DamageInASectionNeverReadIsNamedBeforeAnyWriteAndTheFileIsLeftAlone) {
    const std::string damaged = hiveText(BigHive, "\"Padding\"=dword:zz\n");
    writeBytes(path, damaged);
    Editor editor(path);
    EXPECT_EQ(editor.numberOr("ContactSoundMaxTime", -1), 12);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(editor.setNumber("ContactSoundMaxTime", 30), BadDatabase);
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("damaged: line 12008: bad dword"), std::string::npos) << said;
    EXPECT_EQ(readBytes(path), damaged);
    // Written again whole by another program, the same damage is not taken
    // on trust from the earlier read.
    writeBytes(folder.file("theirs.tmp"), damaged);
    ASSERT_EQ(std::rename(folder.file("theirs.tmp").c_str(), path.c_str()), 0);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(editor.setNumber("ContactSoundMaxTime", 31), BadDatabase);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(readBytes(path), damaged);

    // The damaged key itself does not read.
    Key filler = 0;
    ASSERT_EQ(editor.registry->RegOpenKeyExA(CurrentUser, "Software\\Filler\\Key03000", 0, KeyRead, &filler), Success);
    std::uint32_t size = 4, value = 0;
    ::testing::internal::CaptureStderr();
    auto* bytes = reinterpret_cast<std::uint8_t*>(&value);
    EXPECT_EQ(editor.registry->RegQueryValueExA(filler, "Padding", nullptr, nullptr, bytes, &size), BadDatabase);
    ::testing::internal::GetCapturedStderr();
    editor.registry->RegCloseKey(filler);
}

}  // namespace
