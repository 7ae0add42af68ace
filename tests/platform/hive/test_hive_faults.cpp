// SPDX-License-Identifier: GPL-3.0-or-later
// What the hive file meets in use: a full disk, a folder the user may not
// write, another program removing, replacing or damaging the file, and two
// editors writing the same file in turn (at once: test_concurrent_writers).
// Each failed write returns a failure code, leaves the file and its folder
// as they were and keeps reads working. A hive too big to be checked whole
// when opened is read a section at a time, yet damage anywhere is named
// before anything is written. Nothing waits without end or grows without
// bound: not a pipe, a device, a held lock, a huge .reg file or a deep key.
#include "platform/hive/HiveSession.h"
#include "platform/regfile/RegFileReader.h"
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Transaction.h"
#include "platform/wine/PrefixFinder.h"
#include "store/PreferenceStore.h"
#include "store/SettingsTransfer.h"
#include "support/OpenedHive.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <optional>
#include <set>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace fk::reg;
using namespace fk::test;

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

// The registry calls the store makes, on one key.
struct Editor {
    std::unique_ptr<Registry> registry;
    KeyHandle key;  // closed before the registry goes

    explicit Editor(const std::string& path) {
        registry = fk::test::openHiveFile(path);
        key = KeyHandle::open(*registry, CurrentUser, Brisko, KeyAllAccess);
    }
    long setNumber(const char* name, std::int32_t v) {
        return registry->RegSetValueExA(key.get(), name, 0, TypeDword, reinterpret_cast<const std::uint8_t*>(&v), 4);
    }
    std::int32_t numberOr(const char* name, std::int32_t missing) {
        std::int32_t v = 0;
        std::uint32_t size = 4;
        long rc = registry->RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<std::uint8_t*>(&v), &size);
        return rc == Success ? v : missing;
    }
};

// Runs `body` in a child process, for limits and identities the test
// process must not take on. gtest reports nothing from a death test's child:
// its failed checks go to the standard error gtest shows, and fail the test.
void inChild(const std::function<void()>& body) {
    EXPECT_EXIT(
        {
            const ::testing::TestResult& result = *::testing::UnitTest::GetInstance()->current_test_info()->result();
            const int before = result.total_part_count();
            body();
            for (int i = before; i < result.total_part_count(); ++i)
                std::fprintf(stderr, "line %d: %s\n", result.GetTestPartResult(i).line_number(), result.GetTestPartResult(i).message());
            std::_Exit(result.total_part_count() > before);
        },
        ::testing::ExitedWithCode(0), "");
}

// A failed save, seen from the child that made it: the code, the file, the
// folder and what the registry still reads. Then the same save as the
// commit of a transaction of several changes, all of them forgotten.
void failedSave(const std::string& path, const std::string& before, long expected) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    Editor editor(path);
    { fk::files::WriterLock made(path); }  // the lock file, as any earlier write leaves it
    const auto listing = folderNames(folder);
    for (bool bulk : {false, true}) {
        SCOPED_TRACE(bulk ? "transaction" : "one call");
        std::optional<Transaction> transaction;
        if (bulk) transaction.emplace(*editor.registry);
        EXPECT_EQ(editor.setNumber("ContactSoundMaxTime", 99), bulk ? Success : expected);
        EXPECT_EQ(editor.setNumber("Added", 1), bulk ? Success : expected);
        EXPECT_EQ(bulk ? transaction->commit() : expected, expected);
        EXPECT_TRUE(readBytes(path) == before) << "the hive changed";
        EXPECT_EQ(folderNames(folder), listing);
        EXPECT_EQ(editor.numberOr("ContactSoundMaxTime", -1), 12) << "a read no longer gives the old value";
        EXPECT_EQ(editor.numberOr("Added", -1), -1);
    }
}

// A call's result, and what it said on standard error.
template <class Call> auto saying(Call call) {
    ::testing::internal::CaptureStderr();
    auto result = call();
    return std::pair(result, ::testing::internal::GetCapturedStderr());
}

struct HiveFaults : ::testing::Test {
    TempFolder folder;
    std::string path = folder.file("user.reg");
    // Another program's copy, renamed over the hive.
    void putTheirs(const std::string& text) const {
        writeBytes(folder.file("theirs.tmp"), text);
        ASSERT_EQ(std::rename(folder.file("theirs.tmp").c_str(), path.c_str()), 0);
    }
};

// A full disk part way through the new copy: a file size limit below the
// hive's size (EFBIG), then a 64 KB tmpfs with no room for a second copy of
// a 40 KB hive (ENOSPC; a private mount needs root).
TEST_F(HiveFaults, AFullDiskDuringTheSaveLeavesTheHiveAndNoTemporaryFile) {
    const std::string text = hiveText(150);
    writeBytes(path, text);
    for (const auto& [tmpfs, code] : {std::pair{false, 223L}, {true, 112L}}) {
        SCOPED_TRACE(tmpfs ? "full tmpfs" : "file size limit");
        if (tmpfs && shell("unshare -m mount -t tmpfs fk-probe " + quote(folder.path())).rc != 0)
            GTEST_SKIP() << "no private tmpfs (needs root)";
        inChild([&, tmpfs = tmpfs, code = code] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 30 * 1000;
            ASSERT_TRUE(tmpfs ? ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                                    ::mount("fk-full", folder.path().c_str(), "tmpfs", 0, "size=64k") == 0
                              : ::setrlimit(RLIMIT_FSIZE, &limit) == 0);
            if (tmpfs) writeBytes(path, text);
            ASSERT_TRUE(readBytes(path) == text) << "the hive did not fit";
            failedSave(path, text, code);
        });
    }
}

// Bulk work over two files of the prefix, one of which cannot be written
// (a file size limit between their sizes): neither changes, whichever is
// saved first, and nothing is left beside them.
TEST_F(HiveFaults, BulkWorkOverTwoFilesSavesBothOrNeither) {
    const std::string machine = folder.file("system.reg");
    for (bool userTooBig : {false, true}) {
        SCOPED_TRACE(userTooBig ? "user.reg too big" : "system.reg too big");
        const std::string userText = hiveText(userTooBig ? 150 : 0);
        std::string machineText = hiveText(userTooBig ? 0 : 150);
        const std::string userRoot = "User\\\\S-1-5-21-0-0-0-1000";
        machineText.replace(machineText.find(userRoot), userRoot.size(), "Machine");
        writeBytes(path, userText);
        writeBytes(machine, machineText);
        inChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 30 * 1000;
            ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
            Editor editor(path);
            const KeyHandle machineKey = KeyHandle::open(*editor.registry, LocalMachine, Brisko, KeyAllAccess);
            const std::int32_t v = 99;
            Transaction transaction(*editor.registry);
            EXPECT_EQ(editor.setNumber("ContactSoundMaxTime", v), Success);
            EXPECT_EQ(editor.registry->RegSetValueExA(machineKey.get(), "ContactSoundMaxTime", 0, TypeDword,
                                                      reinterpret_cast<const std::uint8_t*>(&v), 4), Success);
            EXPECT_EQ(transaction.commit(), 223L);
            EXPECT_TRUE(readBytes(path) == userText) << "user.reg changed";
            EXPECT_TRUE(readBytes(machine) == machineText) << "system.reg changed";
            for (const std::string& name : folderNames(folder.path()))
                EXPECT_TRUE(name.find(".fettlekit-") == std::string::npos || name.ends_with(".fettlekit-lock")) << name;
        });
    }
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
        inChild([&] {
            ASSERT_TRUE(actAsNobody());
            Editor editor(path);
            int failures = 0;
            fk::PreferenceStore store(*editor.registry, [&] { ++failures; });
            EXPECT_FALSE(store.writeNumber(editor.key.get(), "ContactSoundMaxTime", 99));
            EXPECT_EQ(failures, 1) << "the user is told once";
            failedSave(path, text, AccessDenied);
        });
        ::chmod(folder.path().c_str(), 0755);
    }
}

// Another program renames its own file over ours: the same size as ours but
// other content, so only the file's identity tells it apart. Then it
// renames a damaged one over it, and at last removes it, which is not made
// again from the copy in memory.
TEST_F(HiveFaults, AHiveReplacedOrRemovedByAnotherProgramIsReadAgainKeptAndNeverWrittenOverDamaged) {
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
        putTheirs(theirs);
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
        putTheirs(damaged);
        const auto [rc, said] = saying([&] { return editor.setNumber("ContactSoundMaxTime", 99); });
        EXPECT_EQ(rc, BadDatabase);
        EXPECT_NE(said.find("another program left it damaged: line " + std::to_string(8 + 4 * (keys / 2))),
                  std::string::npos) << said;
        EXPECT_EQ(readBytes(path), damaged);
        EXPECT_EQ(editor.numberOr("ContactSoundMaxTime", -1), 13) << "reads go on from the copy in memory";

        std::filesystem::remove(path);
        const auto [refused, once] = saying([&] {
            return editor.setNumber("ContactSoundMaxTime", 99) != Success && editor.setNumber("Second", 3) != Success;
        });
        EXPECT_TRUE(refused);
        EXPECT_NE(once.find("removed by another program"), std::string::npos) << once;
        EXPECT_EQ(once.find("removed", once.find("removed") + 1), std::string::npos) << "said once: " << once;
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST_F(HiveFaults, DamageInASectionNeverReadIsNamedBeforeAnyWriteAndTheFileIsLeftAlone) {
    const std::string damaged = hiveText(BigHive, "\"Padding\"=dword:zz\n");
    writeBytes(path, damaged);
    Editor editor(path);
    EXPECT_EQ(editor.numberOr("ContactSoundMaxTime", -1), 12);
    const auto [rc, said] = saying([&] { return editor.setNumber("ContactSoundMaxTime", 30); });
    EXPECT_EQ(rc, BadDatabase);
    EXPECT_NE(said.find("damaged: line 12008: bad dword"), std::string::npos) << said;
    EXPECT_EQ(readBytes(path), damaged);
    // Written again whole by another program, the same damage is not taken
    // on trust from the earlier read.
    putTheirs(damaged);
    EXPECT_EQ(saying([&] { return editor.setNumber("ContactSoundMaxTime", 31); }).first, BadDatabase);
    EXPECT_EQ(readBytes(path), damaged);

    // The damaged key itself does not read.
    const KeyHandle filler = KeyHandle::open(*editor.registry, CurrentUser, "Software\\Filler\\Key03000", KeyRead);
    ASSERT_TRUE(filler.ok());
    std::uint32_t size = 4, value = 0;
    auto* bytes = reinterpret_cast<std::uint8_t*>(&value);
    EXPECT_EQ(saying([&] { return editor.registry->RegQueryValueExA(filler.get(), "Padding", nullptr, nullptr, bytes, &size); })
                  .first,
              BadDatabase);
}

// Another program rewrites the file in place, shorter (cp, an editor, or
// Wine through a link): what was read before is never read from the file again.
TEST_F(HiveFaults, AHiveRewrittenInPlaceIsReadAgainWithoutCrashing) {
    writeBytes(path, hiveText(BigHive));
    inChild([&] {
        Editor editor(path);
        std::string theirs = hiveText(2);
        theirs.replace(theirs.find("0000000c"), 8, "0000000d");
        writeBytes(path, theirs);
        EXPECT_EQ(editor.numberOr("ContactSoundMaxTime", -1), 13) << "the rewritten file was not read";
        EXPECT_EQ(editor.setNumber("Second", 2), Success);
        EXPECT_NE(readBytes(path).find("\"Second\"=dword:00000002"), std::string::npos);
        // A save finding the file changed since it was read leaves it alone.
        fk::files::FileStamp read = fk::files::currentStamp(path), written;
        writeBytes(path, theirs);
        EXPECT_EQ(fk::files::replaceFile(path, {std::string_view("ours")}, written, &read), fk::files::ChangedWhileRead);
        EXPECT_TRUE(readBytes(path) == theirs && folderNames(folder.path()).size() == 2) << "the folder changed";
    });
}

// Wine writes through a link to user.reg, and so must we: a symbolic link
// stays one, and every hard link keeps seeing the file.
TEST_F(HiveFaults, ALinkedHiveIsWrittenThroughItsLinks) {
    for (bool symbolic : {true, false}) {
        SCOPED_TRACE(symbolic ? "symbolic link" : "second hard link");
        TempFolder other;
        const std::string target = other.file("user.reg");
        writeBytes(target, hiveText());
        std::filesystem::remove(path);
        if (symbolic) std::filesystem::create_symlink(target, path);
        else std::filesystem::create_hard_link(target, path);
        EXPECT_EQ(Editor(path).setNumber("ContactSoundMaxTime", 99), Success);
        EXPECT_EQ(std::filesystem::is_symlink(path), symbolic);
        EXPECT_EQ(std::filesystem::hard_link_count(target), symbolic ? 1u : 2u);
        EXPECT_NE(readBytes(target).find("\"ContactSoundMaxTime\"=dword:00000063"), std::string::npos);
        // Nothing is left beside either name but the writers' lock.
        const std::set<std::string> hive{"user.reg"}, locked{"user.reg", "user.reg.fettlekit-lock"};
        EXPECT_EQ(fk::test::folderNames(other.path()), symbolic ? locked : hive);
        EXPECT_EQ(fk::test::folderNames(folder.path()), symbolic ? hive : locked);
    }
}

// Wine reads user.reg when it starts: one that starts during a save may hold
// the older file. The save stands, its caller hears of it once, and nothing
// more is saved.
TEST_F(HiveFaults, WineStartingDuringASaveIsToldAndStopsLaterSaves) {
    if (!fk::test::wineInstalled()) GTEST_SKIP() << "no wine here";
    writeBytes(path, hiveText());
    fk::files::FileStamp stamp;
    int error = 0;
    hive::ParseError damage;
    auto doc = hive::Document::index(hive::readHiveFile(path, stamp, error), damage);
    ASSERT_TRUE(doc);
    HiveSession session(path, std::move(doc), stamp, false);
    const std::string env = "WINEPREFIX=" + quote(folder.path()) + " WINEDEBUG=-all ";
    fk::test::StopWine stop{env};
    auto setValue = [&](const char16_t* name, bool startWine) {
        return session.commit([&](hive::Document& d, bool& changed) -> long {
            if (startWine) {
                fk::test::shell(env + "wineserver -p");
                for (int i = 0; i < 100 && !hive::wineServesPrefix(path); ++i) ::usleep(100 * 1000);
            }
            hive::Key* key = d.find({u"Software", u"Tavrel", u"Brisko2", u"Nobody", u"Preferences"});
            if (!key || session.load(*key)) return NotFound;
            hive::Value& value = key->addValue(name);
            value.type = TypeDword;
            value.data = std::string("\1\0\0\0", 4);
            hive::Document::touch(*key, hive::nowTicks());
            changed = true;
            return Success;
        });
    };
    const auto [rc, said] = saying([&] { return setValue(u"Started", true); });
    EXPECT_EQ(rc, Success);
    ASSERT_TRUE(hive::wineServesPrefix(path)) << "the server did not start";
    EXPECT_NE(readBytes(path).find("\"Started\"=dword:00000001"), std::string::npos);
    EXPECT_NE(said.find("saved, but Wine started"), std::string::npos) << said;
    EXPECT_TRUE(session.takeWineStarted());
    EXPECT_FALSE(session.takeWineStarted()) << "told once";
    EXPECT_EQ(saying([&] { return setValue(u"Later", false); }).first, AccessDenied);
}

// A pipe nobody writes to, a device without end, a folder: refused at once,
// with a message, wherever a file is read whole. So is a lock that is no
// file, or one another writer holds all along.
TEST_F(HiveFaults, OnlyARegularFileIsReadAndNoLockIsWaitedOnForEver) {
    writeBytes(path, hiveText());
    const std::string pipe = folder.file("pipe.reg"), dir = folder.file("folder.reg");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directory(dir);
    const std::pair<std::string, int> cases[] = {{pipe, fk::files::NotRegularFile}, {"/dev/zero", fk::files::NotRegularFile}, {dir, EISDIR}};
    for (const auto& [what, error] : cases) {
        SCOPED_TRACE(what);
        inChild([&, what = what, error = error] {
            ::alarm(20);
            std::string text;
            fk::files::FileStamp stamp;
            EXPECT_EQ(fk::files::readWholeFile(what, text, stamp), error);
            const std::string why = fk::files::fileErrorText(error);
            auto opened = openHiveRegistry(what);
            EXPECT_TRUE(!opened.registry && opened.error == what + ": " + why) << opened.error;
            const auto refused = fk::planImportFile(*Editor(path).registry, what).refused;
            EXPECT_TRUE(refused.why == fk::TransferProblem::Why::FileUnreadable && refused.subject == what &&
                        refused.error == error);
            EXPECT_TRUE(fk::wine::steamLibraries(what).empty());
        });
    }

    const std::string lockPath = path + ".fettlekit-lock";
    int held = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_EQ(fk::files::WriterLock(path, std::chrono::milliseconds(200)).error(), EWOULDBLOCK);
    ::close(held);
    EXPECT_EQ(fk::files::WriterLock(path, std::chrono::milliseconds(200)).error(), 0);
    std::filesystem::remove(lockPath);
    ASSERT_EQ(::mkfifo(lockPath.c_str(), 0600), 0);
    const auto [rc, said] = saying([&] { return Editor(path).setNumber("ContactSoundMaxTime", 99); });
    EXPECT_NE(rc, Success);
    EXPECT_NE(said.find("no lock beside it: it is not a regular file"), std::string::npos) << said;
}

// The address space the process uses now, in bytes.
size_t addressSpace() {
    size_t pages = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm && std::fscanf(statm, "%zu", &pages) != 1) pages = 0;
    if (statm) std::fclose(statm);
    return pages * size_t(::sysconf(_SC_PAGESIZE));
}

// A .reg file of junk lines and unknown escapes is read a line at a time:
// an import stops at its first refused line, and reading all of it (as the
// command line does) costs little beyond the file's bytes.
TEST_F(HiveFaults, AHugeRegFileOfJunkCostsLittleMoreThanItsBytes) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "an address space limit and AddressSanitizer do not mix";
#endif
    const std::string block = "junk\r\n\"v\"=\"\\q\\q\\q\\q\\q\\q\"\r\n";
    std::string junk = "Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Software\\Tavrel\\Brisko2]\r\n";
    size_t blocks = 0;
    for (; junk.size() < (20u << 20); ++blocks) junk += block;
    writeBytes(path, hiveText());
    inChild([&] {
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = addressSpace() + (48u << 20);
        ASSERT_EQ(::setrlimit(RLIMIT_AS, &limit), 0) << "no address space limit";
        Editor editor(path);
        const auto refused = fk::planImport(*editor.registry, junk).refused;
        EXPECT_TRUE(refused.why == fk::TransferProblem::Why::Skipped && refused.line == 3 &&
                    refused.skip == fk::regfile::Skip::NotKeyOrValue);
        size_t steps = 0;
        fk::regfile::readRegFile(junk, [&steps](const fk::regfile::Instruction&) { return ++steps, true; });
        EXPECT_EQ(steps, 1 + 8 * blocks);
    });
}

// Windows keeps a key at most 512 levels deep, three of them above
// HKEY_CURRENT_USER: a deeper path is refused at once however deep, and a
// file that holds a deeper key (Wine allows it) still reads and saves.
TEST_F(HiveFaults, KeyPathsDeeperThanWindowsAllowsAreRefusedAtOnce) {
    auto deep = [](size_t levels, const std::string& separator) {
        std::string p = "Software" + separator + "Deep";
        for (size_t i = 2; i < levels; ++i) p += separator + "a";
        return p;
    };
    std::string text = hiveText();
    const std::string deepSection = "[" + deep(3000, "\\\\") + "] 1796496422\n\"v\"=dword:00000001\n\n";
    text.insert(text.find("[Software\\\\Tavrel"), deepSection);
    writeBytes(path, text);
    inChild([&] {
        Editor editor(path);
        Registry& r = *editor.registry;
        EXPECT_EQ(KeyHandle::open(r, CurrentUser, deep(3000, "\\"), KeyRead).status(), InvalidParameter);
        for (size_t levels : {510, 100000})
            EXPECT_EQ(KeyHandle::create(r, CurrentUser, deep(levels, "\\")).status(), InvalidParameter) << levels;
        const KeyHandle deepest = KeyHandle::create(r, CurrentUser, deep(509, "\\"));
        EXPECT_TRUE(deepest.ok()) << "could not make 509 levels";
        EXPECT_EQ(KeyHandle::create(r, deepest.get(), "b").status(), InvalidParameter) << "one more below 509 levels";
        EXPECT_EQ(editor.setNumber("ContactSoundMaxTime", 99), Success) << "no save beside the deep key";
        EXPECT_NE(readBytes(path).find(deepSection), std::string::npos) << "the deep key's section changed";
    });
}

}  // namespace
