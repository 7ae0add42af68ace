// SPDX-License-Identifier: GPL-3.0-or-later
// What reaches the hive from outside: Wine starting during a save, a path
// that names no regular file, a held lock, a huge .reg file of junk, a key
// deeper than Windows allows. Nothing waits without end or grows without
// bound.
#include "HiveFaults.h"
#include "support/ChildProcesses.h"

namespace {

using namespace fk::reg;
using namespace fk::test;
using namespace fk::test::faults;

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
    fk::test::StopWine stop{folder.path()};
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
            EXPECT_TRUE(!opened.registry && englishText(opened.error) == what + ": " + why) << englishText(opened.error);
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
