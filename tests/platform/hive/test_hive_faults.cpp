// SPDX-License-Identifier: GPL-3.0-or-later
// What the hive file meets in use: a full disk, a folder the user may not
// write, another program removing, replacing or damaging the file, and two
// editors writing the same file in turn (at once: test_concurrent_writers).
// Each failed write returns a failure code, leaves the file and its folder
// as they were and keeps reads working. A hive too big to be checked whole
// when opened is read a section at a time, yet damage anywhere is named
// before anything is written.
#include "HiveFaults.h"

namespace {

using namespace fk::reg;
using namespace fk::test;
using namespace fk::test::faults;

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
    EXPECT_NE(said.find("user.reg: line 12008: bad dword"), std::string::npos) << said;
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

}  // namespace
