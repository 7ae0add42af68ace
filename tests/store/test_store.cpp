// The store over a real hive file where no panel goes: writes before any
// account is chosen, the all-users settings in the store root, deletes of
// what is not there, and a failed write told once for each.
#include "../platform/HiveTestFiles.h"
#include "Catalogue.h"
#include "HiveRegistry.h"
#include "PreferenceStore.h"

#include <gtest/gtest.h>

namespace fk {
namespace {

constexpr int AddCharToTruncateName = 0;   // Boolean, default false
constexpr int AutoUpdateNotification = 5;  // Boolean, all users, default true
constexpr int ContactSoundMaxTime = 11;    // Number, default 12
constexpr int DefaultConfiguration = 14;   // Account, all users
constexpr int NickNameSeparator = 25;      // Text, default ", "
constexpr int ArchiveFileDateFmt = 2;      // Text, default "MMMM yyyy"
constexpr int SoundMCIType = 38;           // Text, default "MPEGVideo"

const std::string Hive =
    "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win32\n\n"
    "[Software\\\\Tavrel\\\\Brisko2] 1700000000\n#time=1d9f0c6b1a2b3c4\n\n"
    "[Software\\\\Tavrel\\\\Brisko2\\\\Nobody\\\\Preferences] 1700000000\n#time=1d9f0c6b1a2b3c4\n"
    "\"NickNameSeparator\"=\" / \"\n\"ContactSoundMaxTime\"=dword:fffffffb\n"
    "\"ArchiveFileDateFmt\"=dword:00000001\n\"SoundMCIType\"=str(2):\"MPEG\"\n";

struct StoreTest : ::testing::Test {
    void open(const char* keyPath, std::uint32_t access) {
        ASSERT_EQ(registry->RegOpenKeyExA(reg::CurrentUser, keyPath, 0, access, &key), reg::Success);
        store.setCurrentKey(key);
    }
    void TearDown() override { registry->RegCloseKey(key); }
    std::string fileText() const { return test::readBytes(path); }

    test::TempFolder folder;
    std::string path = (test::writeBytes(folder.file("user.reg"), Hive), folder.file("user.reg"));
    std::unique_ptr<reg::Registry> registry = reg::openHiveRegistry(path).registry;
    int failures = 0;
    PreferenceStore store{*registry, [this] { ++failures; }};
    reg::Key key = 0;
};

TEST_F(StoreTest, AllUsersSettingsLiveInTheStoreRoot) {
    open("Software\\Tavrel\\Brisko2", reg::KeyAllAccess);
    EXPECT_EQ(store.ReadSettingNumber(AutoUpdateNotification), 1);
    EXPECT_TRUE(store.WriteSettingBoolean(false, AutoUpdateNotification));
    EXPECT_TRUE(store.WriteSettingText("Nobody", DefaultConfiguration));
    auto fresh = reg::openHiveRegistry(path);
    PreferenceStore reader(*fresh.registry, [] {});
    reg::Key root = 0;
    ASSERT_EQ(fresh.registry->RegOpenKeyExA(reg::CurrentUser, "Software\\Tavrel\\Brisko2", 0, reg::KeyRead, &root),
              reg::Success);
    reader.setCurrentKey(root);
    EXPECT_EQ(reader.ReadSettingNumber(AutoUpdateNotification), 0);
    EXPECT_EQ(reader.ReadSettingText(DefaultConfiguration), "Nobody");
    fresh.registry->RegCloseKey(root);
    EXPECT_EQ(failures, 0);
}

// A text setting stored as a number or an expandable text reads as its default.
TEST_F(StoreTest, NegativeNumbersKeepTheirSignTextsOfAnotherTypeReadAsTheDefaultAndDeletesAreSilent) {
    open("Software\\Tavrel\\Brisko2\\Nobody\\Preferences", reg::KeyAllAccess);
    EXPECT_EQ(store.ReadSettingText(ArchiveFileDateFmt), "MMMM yyyy");
    EXPECT_EQ(store.ReadSettingText(SoundMCIType), "MPEGVideo");
    EXPECT_EQ(store.ReadSettingNumber(ContactSoundMaxTime), -5);
    EXPECT_TRUE(store.WriteSettingNumber(-6, ContactSoundMaxTime));
    EXPECT_NE(fileText().find("\"ContactSoundMaxTime\"=dword:fffffffa"), std::string::npos);
    store.DeleteSettingValue("NickNameSeparator");
    EXPECT_EQ(store.ReadSettingText(NickNameSeparator), ", ");
    store.DeleteSettingValue("NickNameSeparator");
    store.DeleteSettingValue("NoSuchValue");
    EXPECT_EQ(failures, 0);
}

TEST_F(StoreTest, FailedWritesTellTheUserOnceEachAndReadsGoOn) {
    open("Software\\Tavrel\\Brisko2\\Nobody\\Preferences", reg::KeyRead);
    EXPECT_FALSE(store.WriteSettingText("x", NickNameSeparator));
    EXPECT_FALSE(store.WriteSettingNumber(50, ContactSoundMaxTime));
    EXPECT_FALSE(store.WriteSettingBoolean(true, AddCharToTruncateName));
    EXPECT_EQ(failures, 3);
    EXPECT_EQ(store.ReadSettingText(NickNameSeparator), " / ");
    EXPECT_EQ(test::readBytes(path), Hive);
    // Before any key is chosen, a write fails the same way.
    store.setCurrentKey(0);
    EXPECT_FALSE(store.WriteSettingNumber(1, AddCharToTruncateName));
    EXPECT_EQ(failures, 4);
}

}  // namespace
}  // namespace fk
