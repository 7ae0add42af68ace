// The store over a real hive file where no panel goes: writes before any
// account is chosen, the all-users settings in the store root, deletes of
// what is not there, and a failed write told once for each.
#include "../editors/HiveFixture.h"
#include "PreferenceStore.h"

namespace fk::testing {
namespace {

const std::string Root = "Software\\Tavrel\\Brisko2", Nobody = Root + "\\Nobody\\Preferences";
const std::string Hive = hiveText(hiveKey(Root) + hiveKey(Nobody, "\"NickNameSeparator\"=\" / \"\n"
                                                                  "\"ContactSoundMaxTime\"=dword:fffffffb\n"
                                                                  "\"ArchiveFileDateFmt\"=dword:00000001\n"
                                                                  "\"SoundMCIType\"=str(2):\"MPEG\"\n"));

struct StoreTest : ::testing::Test {
    void open(const std::string& keyPath, std::uint32_t access) {
        ASSERT_EQ(registry->RegOpenKeyExA(reg::CurrentUser, keyPath.c_str(), 0, access, &key), reg::Success);
        store.setCurrentKey(key);
    }
    void TearDown() override { registry->RegCloseKey(key); }

    test::TempFolder folder;
    std::string path = (writeBytes(folder.file("user.reg"), Hive), folder.file("user.reg"));
    std::unique_ptr<reg::Registry> registry = reg::openHiveRegistry(path).registry;
    int failures = 0;
    PreferenceStore store{*registry, [this] { ++failures; }};
    reg::Key key = 0;
};

TEST_F(StoreTest, AllUsersSettingsLiveInTheStoreRoot) {
    open(Root, reg::KeyAllAccess);
    EXPECT_EQ(store.ReadSettingNumber(settingIndex("AutoUpdateNotification")), 1);
    EXPECT_TRUE(store.WriteSettingBoolean(false, settingIndex("AutoUpdateNotification")));
    EXPECT_TRUE(store.WriteSettingText("Nobody", settingIndex("DefaultConfiguration")));
    EXPECT_EQ(asNumber(storedInFile(path, Root, "AutoUpdateNotification")), 0);
    EXPECT_EQ(storedInFile(path, Root, "DefaultConfiguration")->data, std::string("Nobody", 7));
    EXPECT_EQ(failures, 0);
}

// A text setting stored as a number or an expandable text reads as its default.
TEST_F(StoreTest, NegativeNumbersKeepTheirSignTextsOfAnotherTypeReadAsTheDefaultAndDeletesAreSilent) {
    open(Nobody, reg::KeyAllAccess);
    EXPECT_EQ(store.ReadSettingText(settingIndex("ArchiveFileDateFmt")), "MMMM yyyy");
    EXPECT_EQ(store.ReadSettingText(settingIndex("SoundMCIType")), "MPEGVideo");
    EXPECT_EQ(store.ReadSettingNumber(settingIndex("ContactSoundMaxTime")), -5);
    EXPECT_TRUE(store.WriteSettingNumber(-6, settingIndex("ContactSoundMaxTime")));
    EXPECT_NE(readBytes(path).find("\"ContactSoundMaxTime\"=dword:fffffffa"), std::string::npos);
    for (const char* name : {"NickNameSeparator", "NickNameSeparator", "NoSuchValue"}) store.DeleteSettingValue(name);
    EXPECT_EQ(store.ReadSettingText(settingIndex("NickNameSeparator")), ", ");
    EXPECT_EQ(failures, 0);
}

TEST_F(StoreTest, FailedWritesTellTheUserOnceEachAndReadsGoOn) {
    open(Nobody, reg::KeyRead);
    EXPECT_FALSE(store.WriteSettingText("x", settingIndex("NickNameSeparator")));
    EXPECT_FALSE(store.WriteSettingNumber(50, settingIndex("ContactSoundMaxTime")));
    EXPECT_FALSE(store.WriteSettingBoolean(true, settingIndex("AddCharToTruncateName")));
    EXPECT_EQ(failures, 3);
    EXPECT_EQ(store.ReadSettingText(settingIndex("NickNameSeparator")), " / ");
    EXPECT_EQ(readBytes(path), Hive);
    // Before any key is chosen, a write fails the same way.
    store.setCurrentKey(0);
    EXPECT_FALSE(store.WriteSettingNumber(1, settingIndex("AddCharToTruncateName")));
    EXPECT_EQ(failures, 4);
}

}  // namespace
}  // namespace fk::testing
