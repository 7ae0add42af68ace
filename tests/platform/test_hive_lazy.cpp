// A hive too big to be checked whole when opened: its sections are read as
// keys are asked for, yet damage anywhere is named before anything is
// written, and another program's change is read again without trusting
// what it touched.
#include "HiveRegistry.h"
#include "HiveTestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace fk::reg;
using fk::test::readBytes;
using fk::test::writeBytes;

namespace {

constexpr long BadDatabase = 1009;

// About 1.2 MB of filler keys around the key the tests write, `broken`
// replacing the padding of filler key 3000 (line 9005) when given.
std::string bigHive(const std::string& broken = {}) {
    std::string text = "WINE REGISTRY Version 2\n#arch=win64\n";
    for (int n = 0; n < 6000; ++n) {
        char key[96];
        std::snprintf(key, sizeof key, "\n[Software\\\\Filler\\\\Key%05d] 1796496286\n", n);
        text += key;
        text += n == 3000 && !broken.empty() ? broken : "\"Padding\"=\"" + std::string(180, 'x') + "\"\n";
    }
    return text + "\n[Software\\\\Tavrel\\\\Brisko2] 1796496422\n\"ContactSoundMaxTime\"=dword:0000000c\n";
}

struct Opened {
    explicit Opened(const std::string& path) : result(openHiveRegistry(path)) {
        if (result.registry) result.registry->RegOpenKeyExA(CurrentUser, "Software\\Tavrel\\Brisko2", 0, KeyAllAccess, &key);
    }
    long read(std::uint32_t& value) {
        std::uint32_t size = 4;
        return result.registry->RegQueryValueExA(key, "ContactSoundMaxTime", nullptr, nullptr,
                                                 reinterpret_cast<std::uint8_t*>(&value), &size);
    }
    long write(std::uint32_t value) {
        return result.registry->RegSetValueExA(key, "ContactSoundMaxTime", 0, TypeDword,
                                               reinterpret_cast<const std::uint8_t*>(&value), 4);
    }
    HiveOpenResult result;
    Key key = 0;
};

class HiveLazy : public ::testing::Test {
protected:
    fk::test::TempFolder folder;
    std::string path = folder.file("user.reg");

    // Another program renames its own version over the hive.
    void replace(const std::string& text) {
        std::string other = folder.file("other.reg");
        writeBytes(other, text);
        ASSERT_EQ(std::rename(other.c_str(), path.c_str()), 0);
    }
};

}  // namespace

TEST_F(HiveLazy, DamageInASectionNeverReadIsNamedBeforeAnyWriteAndTheFileIsLeftAlone) {
    const std::string damaged = bigHive("\"Padding\"=dword:zz\n");
    ASSERT_GT(damaged.size(), 1u << 20);
    writeBytes(path, damaged);
    Opened hive(path);
    ASSERT_TRUE(hive.result.registry) << hive.result.error;
    std::uint32_t value = 0;
    EXPECT_EQ(hive.read(value), Success);
    EXPECT_EQ(value, 12u);

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(hive.write(30), BadDatabase);
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("damaged: line 9005: bad dword"), std::string::npos) << said;
    EXPECT_EQ(readBytes(path), damaged);

    // The damaged key itself does not read, and says the same line.
    Key filler = 0;
    ASSERT_EQ(hive.result.registry->RegOpenKeyExA(CurrentUser, "Software\\Filler\\Key03000", 0, KeyRead, &filler), Success);
    std::uint32_t size = 4;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(hive.result.registry->RegQueryValueExA(filler, "Padding", nullptr, nullptr, reinterpret_cast<std::uint8_t*>(&value), &size),
              BadDatabase);
    ::testing::internal::GetCapturedStderr();
}

TEST_F(HiveLazy, AReplacedFileIsReadAgainOnlyWhereItChangedAndItsNewDamageIsRefused) {
    writeBytes(path, bigHive());
    Opened hive(path);
    ASSERT_TRUE(hive.result.registry) << hive.result.error;
    ASSERT_EQ(hive.write(20), Success);  // every section is known sound from here on

    // Another program changes one filler key: the next write keeps its change.
    std::string changed = bigHive("\"Padding\"=\"theirs\"\n");
    std::string ours = changed;
    ours.replace(ours.find("dword:0000000c"), 14, "dword:0000001e");
    replace(changed);
    EXPECT_EQ(hive.write(30), Success);
    std::string saved = readBytes(path);
    EXPECT_EQ(saved.substr(0, saved.find("[Software\\\\Tavrel")), ours.substr(0, ours.find("[Software\\\\Tavrel")));
    EXPECT_NE(saved.find("\"ContactSoundMaxTime\"=dword:0000001e"), std::string::npos);

    // Then damages that key: the write is refused, the file left as it is,
    // and reads keep the copy in memory.
    const std::string damaged = bigHive("\"Padding\"=hex:0g\n");
    replace(damaged);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(hive.write(40), BadDatabase);
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("another program left it damaged: line 9005"), std::string::npos) << said;
    EXPECT_EQ(readBytes(path), damaged);
    std::uint32_t value = 0;
    EXPECT_EQ(hive.read(value), Success);
    EXPECT_EQ(value, 30u);
}
