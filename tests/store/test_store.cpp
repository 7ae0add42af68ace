// The store primitives against the Wine hive backend on a real file: what is
// written must be what the add-on would read back.
#include "../platform/HiveTestFiles.h"
#include "Catalogue.h"
#include "HiveRegistry.h"
#include "PreferenceStore.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace fk {
namespace {

constexpr int AddCharToTruncateName = 0;   // Boolean, default false
constexpr int ArchiveFileDateFmt = 2;      // Text, default "MMMM yyyy"
constexpr int AskInsultAnswer = 3;         // Boolean, default true
constexpr int AutoUpdateNotification = 5;  // Boolean, all users, default true
constexpr int ContactSoundMaxTime = 11;    // Number, default 12
constexpr int DefaultConfiguration = 14;   // Account, all users
constexpr int IconShowDelay = 18;          // Number, default 300
constexpr int IMIgnoreCloseDelay = 19;     // Number, default 600
constexpr int NameOnSignin = 24;           // Text, default empty
constexpr int NickNameSeparator = 25;      // Text, default ", "
constexpr int SoundMCIType = 38;           // Text, default "MPEGVideo"

const char* const RootPath = "Software\\Tavrel\\Brisko2";
const char* const PrefsPath = "Software\\Tavrel\\Brisko2\\Nobody\\Preferences";

const std::string Header =
    "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win32\n\n"
    "[Software\\\\Tavrel\\\\Brisko2] 1700000000\n#time=1d9f0c6b1a2b3c4\n\n"
    "[Software\\\\Tavrel\\\\Brisko2\\\\Nobody] 1700000000\n#time=1d9f0c6b1a2b3c4\n\n"
    "[Software\\\\Tavrel\\\\Brisko2\\\\Nobody\\\\Preferences] 1700000000\n#time=1d9f0c6b1a2b3c4\n";

struct StoredValue {
    long result = -1;
    std::uint32_t type = 0;
    std::string data;
};

std::string dword(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return std::string{char(bits & 0xFF), char(bits >> 8 & 0xFF), char(bits >> 16 & 0xFF), char(bits >> 24 & 0xFF)};
}

// The store on a hive, its current key the Nobody account's preferences.
class StoreTest : public ::testing::Test {
protected:
    void open(const std::string& body, const char* keyPath = PrefsPath, std::uint32_t access = reg::KeyAllAccess) {
        test::writeBytes(path_, Header + body + "\n");
        auto opened = reg::openHiveRegistry(path_);
        ASSERT_TRUE(opened.registry) << opened.error;
        registry_ = std::move(opened.registry);
        store_ = std::make_unique<PreferenceStore>(*registry_, [this] { ++failures_; });
        reg::Key key = 0;
        ASSERT_EQ(registry_->RegOpenKeyExA(reg::CurrentUser, keyPath, 0, access, &key), reg::Success);
        store_->setCurrentKey(key);
    }
    void TearDown() override {
        if (store_ && store_->currentKey()) registry_->RegCloseKey(store_->currentKey());
    }
    // What a fresh open of the file holds, as the add-on would see it.
    StoredValue stored(int index, const char* keyPath = PrefsPath) const {
        StoredValue v;
        auto opened = reg::openHiveRegistry(path_);
        if (!opened.registry) {
            ADD_FAILURE() << "hive no longer opens: " << opened.error;
            return v;
        }
        reg::Key key = 0;
        if (opened.registry->RegOpenKeyExA(reg::CurrentUser, keyPath, 0, reg::KeyRead, &key) != reg::Success) return v;
        std::uint8_t buffer[2048] = {};
        std::uint32_t size = sizeof buffer;
        v.result = opened.registry->RegQueryValueExA(key, settingEntry(index).ValueName.c_str(), nullptr, &v.type,
                                                     buffer, &size);
        if (v.result == reg::Success) v.data.assign(reinterpret_cast<char*>(buffer), size);
        opened.registry->RegCloseKey(key);
        return v;
    }

    test::TempFolder folder_;
    std::string path_ = folder_.file("user.reg");
    std::unique_ptr<reg::Registry> registry_;
    std::unique_ptr<PreferenceStore> store_;
    int failures_ = 0;
};

TEST_F(StoreTest, BooleansReadAnyNonZeroAsTrueAndWriteOneOrZero) {
    open("\"AddCharToTruncateName\"=dword:00000005\n");
    EXPECT_NE(store_->ReadSettingNumber(AddCharToTruncateName), 0);
    EXPECT_TRUE(store_->WriteSettingBoolean(true, AddCharToTruncateName));
    StoredValue v = stored(AddCharToTruncateName);
    EXPECT_EQ(v.type, reg::TypeDword);
    EXPECT_EQ(v.data, dword(1));
    EXPECT_TRUE(store_->WriteSettingBoolean(false, AddCharToTruncateName));
    EXPECT_EQ(stored(AddCharToTruncateName).data, dword(0));
    EXPECT_EQ(store_->ReadSettingNumber(AddCharToTruncateName), 0);
    // Missing: the default, 1 or 0.
    EXPECT_EQ(store_->ReadSettingNumber(AskInsultAnswer), 1);
    EXPECT_EQ(failures_, 0);
}

TEST_F(StoreTest, ValuesOfAnotherTypeOrTooLongForTheBufferReadAsTheDefault) {
    const std::string longest(255, 'a');
    open("\"ContactSoundMaxTime\"=\"30\"\n"
         "\"IconShowDelay\"=hex:2c,01,00,00\n"
         "\"IMIgnoreCloseDelay\"=dword:ffffffff\n"
         "\"NameOnSignin\"=\"" + longest + "\"\n"
         "\"NickNameSeparator\"=\"" + std::string(256, 'b') + "\"\n"
         "\"SoundMCIType\"=str(2):\"MPEG\"\n"
         "\"ArchiveFileDateFmt\"=dword:00000001\n");
    EXPECT_EQ(store_->ReadSettingNumber(ContactSoundMaxTime), 12);
    EXPECT_EQ(store_->ReadSettingNumber(IconShowDelay), 300);
    EXPECT_EQ(store_->ReadSettingNumber(IMIgnoreCloseDelay), -1);
    EXPECT_EQ(store_->ReadSettingText(NameOnSignin), longest);
    EXPECT_EQ(store_->ReadSettingText(NickNameSeparator), ", ");
    EXPECT_EQ(store_->ReadSettingText(SoundMCIType), "MPEGVideo");
    EXPECT_EQ(store_->ReadSettingText(ArchiveFileDateFmt), "MMMM yyyy");

    // Saving a long text is no error; it just cannot be read back.
    EXPECT_TRUE(store_->WriteSettingText(std::string(300, 'c'), NameOnSignin));
    EXPECT_EQ(stored(NameOnSignin).data.size(), 301u);
    EXPECT_EQ(store_->ReadSettingText(NameOnSignin), "");
    EXPECT_EQ(failures_, 0);
}

TEST_F(StoreTest, NumbersKeepTheirSign) {
    open("");
    EXPECT_TRUE(store_->WriteSettingNumber(-5, ContactSoundMaxTime));
    StoredValue v = stored(ContactSoundMaxTime);
    EXPECT_EQ(v.type, reg::TypeDword);
    EXPECT_EQ(v.data, dword(-5));
    EXPECT_EQ(store_->ReadSettingNumber(ContactSoundMaxTime), -5);
}

TEST_F(StoreTest, EmptyTextsAreStoredAsTheirZeroAndReadEmptyWithoutIt) {
    open("\"NickNameSeparator\"=\" and \"\n\"NameOnSignin\"=hex(1):\n");
    EXPECT_EQ(store_->ReadSettingText(NameOnSignin), "");
    EXPECT_EQ(store_->ReadSettingText(NickNameSeparator), " and ");
    EXPECT_TRUE(store_->WriteSettingText("", NickNameSeparator));
    StoredValue v = stored(NickNameSeparator);
    EXPECT_EQ(v.type, reg::TypeSz);
    EXPECT_EQ(v.data, std::string(1, '\0'));
    EXPECT_EQ(store_->ReadSettingText(NickNameSeparator), "");
}

TEST_F(StoreTest, TextRoundTripKeepsItsLastCharacterAndCodePage) {
    open("\"NameOnSignin\"=\"Ren\\x00e9e \\x20ac\"\n");
    EXPECT_EQ(store_->ReadSettingText(NameOnSignin), "Ren\xE9" "e \x80");

    const std::string typed = text::utf8ToCp1252("Zoë – déjà vu €ÿ");
    ASSERT_EQ(typed, "Zo\xEB \x96 d\xE9j\xE0 vu \x80\xFF");
    EXPECT_TRUE(store_->WriteSettingText(typed, NameOnSignin));
    EXPECT_EQ(stored(NameOnSignin).data, typed + '\0');
    EXPECT_EQ(text::cp1252ToUtf8(store_->ReadSettingText(NameOnSignin)), "Zoë – déjà vu €ÿ");

    // A character 1252 has not is kept as '?'.
    EXPECT_TRUE(store_->WriteSettingText(text::utf8ToCp1252("a✓b"), NameOnSignin));
    EXPECT_EQ(stored(NameOnSignin).data, std::string("a?b") + '\0');
}

TEST_F(StoreTest, AllUsersSettingsLiveInTheStoreRoot) {
    open("", RootPath);
    EXPECT_EQ(store_->ReadSettingNumber(AutoUpdateNotification), 1);
    EXPECT_TRUE(store_->WriteSettingBoolean(false, AutoUpdateNotification));
    EXPECT_TRUE(store_->WriteSettingText("Nobody", DefaultConfiguration));
    EXPECT_EQ(stored(AutoUpdateNotification, RootPath).data, dword(0));
    EXPECT_EQ(stored(DefaultConfiguration, RootPath).data, std::string("Nobody") + '\0');
    EXPECT_EQ(stored(AutoUpdateNotification, PrefsPath).result, reg::NotFound);
    EXPECT_EQ(stored(DefaultConfiguration, PrefsPath).result, reg::NotFound);
}

TEST_F(StoreTest, DeleteIsSilentAndLeavesTheDefault) {
    open("\"NickNameSeparator\"=\" / \"\n");
    store_->DeleteSettingValue("NickNameSeparator");
    EXPECT_EQ(stored(NickNameSeparator).result, reg::NotFound);
    EXPECT_EQ(store_->ReadSettingText(NickNameSeparator), ", ");
    store_->DeleteSettingValue("NickNameSeparator");
    store_->DeleteSettingValue("NoSuchValue");
    EXPECT_EQ(failures_, 0);
}

TEST_F(StoreTest, FailedWritesTellTheUserOnceEach) {
    open("\"NickNameSeparator\"=\" / \"\n\"ContactSoundMaxTime\"=dword:0000001e\n", PrefsPath, reg::KeyRead);
    const std::string before = test::readBytes(path_);
    EXPECT_FALSE(store_->WriteSettingText("x", NickNameSeparator));
    EXPECT_EQ(failures_, 1);
    EXPECT_FALSE(store_->WriteSettingNumber(50, ContactSoundMaxTime));
    EXPECT_EQ(failures_, 2);
    EXPECT_FALSE(store_->WriteSettingBoolean(true, AddCharToTruncateName));
    EXPECT_EQ(failures_, 3);
    // Reads still work, and nothing reached the file.
    EXPECT_EQ(store_->ReadSettingText(NickNameSeparator), " / ");
    EXPECT_EQ(store_->ReadSettingNumber(ContactSoundMaxTime), 30);
    EXPECT_EQ(test::readBytes(path_), before);

    // Before any key is chosen, a write fails the same way.
    registry_->RegCloseKey(store_->currentKey());
    store_->setCurrentKey(0);
    EXPECT_FALSE(store_->WriteSettingNumber(1, AddCharToTruncateName));
    EXPECT_EQ(failures_, 4);
}

}  // namespace
}  // namespace fk
