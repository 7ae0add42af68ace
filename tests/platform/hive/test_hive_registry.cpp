// SPDX-License-Identifier: GPL-3.0-or-later
// The registry calls over a real hive file: what reaches the file and how it
// is kept beside other writers. What every backend shares is proved by the
// registry suite, which runs on the hive file too.
#include "platform/files/WholeFile.h"
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Transaction.h"
#include "support/OpenedHive.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

using namespace fk::reg;
using namespace fk::test;

namespace {

// Accounts, one with preferences, between keys of other programs.
const std::string Hive = readBytes(fk::test::dataFile("accounts-user.reg"));

const std::string Brisko = "Software\\Tavrel\\Brisko2";
const std::string BobPrefs = Brisko + "\\bob@example.com\\Preferences";

struct HiveTest : ::testing::Test {
    TempFolder folder;
    std::string path = folder.file("user.reg");
    std::unique_ptr<Registry> reg = fk::test::openHiveFile(path, Hive);

    KeyHandle open(const std::string& sub, std::uint32_t access = KeyAllAccess) {
        KeyHandle k = KeyHandle::open(*reg, CurrentUser, sub, access);
        EXPECT_TRUE(k.ok()) << sub;
        return k;
    }
    long set(Key k, const char* name, std::uint32_t type, const void* bytes, std::uint32_t size) {
        return reg->RegSetValueExA(k, name, 0, type, static_cast<const std::uint8_t*>(bytes), size);
    }
    long setText(Key k, const char* name, const std::string& text) {
        return set(k, name, TypeSz, text.c_str(), std::uint32_t(text.size() + 1));
    }
    void expectInFile(std::initializer_list<std::string> lines) {
        std::string file = readBytes(path);
        for (const auto& line : lines) EXPECT_NE(file.find(line), std::string::npos) << line;
    }
};

// The sizes and types reg.exe cannot give; the usual forms are compared with
// Wine's own file by test_reg_wine.
TEST_F(HiveTest, ValuesAreStoredAsWineStoresThem) {
    const KeyHandle key = open(BobPrefs);
    const Key k = key.get();
    ASSERT_EQ(set(k, "Zero", TypeSz, "", 0), Success);  // no bytes at all
    // No zero after it: stored as given.
    ASSERT_EQ(set(k, "Bare", TypeSz, "abcx", 3), Success);
    ASSERT_EQ(set(k, "Odd", TypeDword, "\1\2\3", 3), Success);  // a dword of 3 bytes stays so
    expectInFile({"\"NoZero\"=hex(1):\n", "\"Zero\"=hex(1):\n",
                  "\"Bare\"=hex(1):61,00,62,00,63,00\n", "\"Odd\"=hex(4):01,02,03\n"});

    // A text without its zero gets one read back only when the buffer has room.
    char buf[8];
    std::memset(buf, 'Z', sizeof buf);
    std::uint32_t size = sizeof buf, type = 0;
    EXPECT_EQ(reg->RegQueryValueExA(k, "Bare", nullptr, &type, reinterpret_cast<std::uint8_t*>(buf), &size), Success);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::string(buf, 4), std::string("abc\0", 4));
    std::memset(buf, 'Z', sizeof buf);
    size = 3;
    EXPECT_EQ(reg->RegQueryValueExA(k, "Bare", nullptr, &type, reinterpret_cast<std::uint8_t*>(buf), &size), Success);
    EXPECT_EQ(std::string(buf, 4), "abcZ");
}

// Names keep the spelling the file has for them.
TEST_F(HiveTest, AWriteChangesOnlyItsKeyAndStampsItsTime) {
    const KeyHandle key = open("SOFTWARE\\tavrel\\BRISKO2");
    const Key k = key.get();
    auto before = std::chrono::system_clock::now();
    ASSERT_EQ(setText(k, "DEFAULTCONFIGURATION", "alice@example.com"), Success);
    std::string file = readBytes(path);
    std::string expectedStart = Hive.substr(0, Hive.find("\n[Software\\\\Tavrel\\\\Brisko2]"));
    std::string expectedEnd = Hive.substr(Hive.find("\n[Software\\\\Tavrel\\\\Brisko2\\\\bob"));
    EXPECT_EQ(file.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(file.substr(file.size() - expectedEnd.size()), expectedEnd);
    EXPECT_NE(file.find("\"DefaultConfiguration\"=\"alice@example.com\"\n"), std::string::npos);
    // The key line's seconds since 1970 and #time, a FILETIME in hex.
    auto line = file.substr(file.find("[Software\\\\Tavrel\\\\Brisko2]"));
    long long seconds = std::stoll(line.substr(line.find(']') + 2));
    long long now = std::chrono::duration_cast<std::chrono::seconds>(before.time_since_epoch()).count();
    EXPECT_LE(std::llabs(seconds - now), 2);
    auto time = line.substr(line.find("#time=") + 6);
    unsigned long long ticks = std::stoull(time.substr(0, time.find('\n')), nullptr, 16);
    EXPECT_EQ((ticks - 116444736000000000ull) / 10000000ull, static_cast<unsigned long long>(seconds));
    // Setting the same value again is no change at all.
    auto stamp = fk::files::currentStamp(path);
    ASSERT_EQ(setText(k, "DefaultConfiguration", "alice@example.com"), Success);
    EXPECT_EQ(fk::files::currentStamp(path), stamp);
}

// Bulk work over two files: nothing reaches the disk before the commit,
// which saves both; a rollback gives back what the files hold. Another
// program's change meanwhile is kept and ours made again on it, unless it
// removed a key ours need: then the commit is refused, both files kept.
TEST_F(HiveTest, ATransactionChangesOnlyMemoryUntilItsCommitSavesEveryFile) {
    const std::string machinePath = folder.file("system.reg");
    writeBytes(machinePath, readBytes(dataFile("../../fuzz/corpus/wine-system.reg")));
    const std::string bobLine = "[Software\\\\Tavrel\\\\Brisko2\\\\bob@example.com\\\\Preferences]";
    for (const std::string end : {"removed underneath", "rollback", "changed underneath", "commit"}) {
        SCOPED_TRACE(end);
        const std::string before = readBytes(path), machine = readBytes(machinePath);
        std::string theirs = before + "\n[Software\\\\Theirs] 1796496422\n";
        if (end == "removed underneath") theirs.replace(theirs.find(bobLine), bobLine.size(), "[Software\\\\Gone]");
        Transaction bulk(*reg);
        ASSERT_TRUE(bulk.active());
        {
            const KeyHandle user = KeyHandle::create(*reg, CurrentUser, BobPrefs + "\\Bulk");
            const KeyHandle system = KeyHandle::create(*reg, LocalMachine, "Software\\Bulk");
            for (int i = 0; i < 40; ++i) ASSERT_EQ(setText(user.get(), ("v" + std::to_string(i)).c_str(), end), Success);
            ASSERT_EQ(setText(system.get(), "m", end), Success);
            EXPECT_TRUE(readBytes(path) == before && readBytes(machinePath) == machine) << "saved before the commit";
            char got[32] = {};
            std::uint32_t size = sizeof got;
            EXPECT_EQ(reg->RegQueryValueExA(user.get(), "v39", nullptr, nullptr, reinterpret_cast<std::uint8_t*>(got), &size), Success);
            EXPECT_EQ(std::string(got), end) << "reads see the changes";
        }
        if (end.ends_with("underneath")) writeBytes(path, theirs);
        if (end == "rollback") bulk.rollback();
        else EXPECT_EQ(bulk.commit(), end == "removed underneath" ? 29L : long(Success));
        const bool saved = end == "commit" || end == "changed underneath";
        EXPECT_EQ(readBytes(path).find("\"v39\"=\"" + end + "\"") != std::string::npos, saved);
        EXPECT_EQ(readBytes(machinePath).find("\"m\"=\"" + end + "\"") != std::string::npos, saved);
        EXPECT_EQ(readBytes(path).find("[Software\\\\Theirs]") != std::string::npos, end != "rollback") << "theirs kept";
        EXPECT_TRUE(saved || (readBytes(path) == (end == "rollback" ? before : theirs) && readBytes(machinePath) == machine));
        EXPECT_EQ(KeyHandle::open(*reg, LocalMachine, "Software\\Bulk", KeyRead).ok(), saved) << "memory as the file has it";
        if (end == "removed underneath") writeBytes(path, Hive);
    }
}

}  // namespace
