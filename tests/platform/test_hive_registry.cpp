// The registry calls over a real hive file, as the add-on's callers make them.
#include "HiveFile.h"
#include "HiveRegistry.h"
#include "HiveTestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <thread>

using namespace fk::reg;
using fk::test::readBytes;
using fk::test::TempFolder;
using fk::test::writeBytes;

namespace {

const std::string Hive =
    "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n"
    "\n[Control Panel\\\\Desktop] 1796496286\n#time=1dd84e8b351e1ae\n\"Wallpaper\"=\"\"\n"
    "\n[Software\\\\Tavrel\\\\Brisko2] 1796496422\n#time=1dd84e9047bb56e\n\"DefaultConfiguration\"=\"Nobody\"\n"
    "\n[Software\\\\Tavrel\\\\Brisko2\\\\alice@example.com] 1796496422\n#time=1dd84e9047bb56e\n"
    "\n[Software\\\\Tavrel\\\\Brisko2\\\\bob@example.com\\\\Preferences] 1796496422\n#time=1dd84e9047bb56e\n"
    "\"QuoteFormat\"=\"\\xe9t\\xe9 \\x263a \\x20ac\"\n\"NoZero\"=hex(1):\n\"Dw\"=dword:0000002a\n"
    "\n[Software\\\\Tavrel\\\\Brisko2\\\\Nobody] 1796496422\n#time=1dd84e9047bb56e\n"
    "\n[Software\\\\Wine\\\\Fonts] 1796496281\n#time=1dd84e8b046856e\n\"LogPixels\"=dword:00000060\n";

struct HiveTest : ::testing::Test {
    TempFolder folder;
    std::string path = folder.file("user.reg");
    std::unique_ptr<Registry> reg;

    void SetUp() override { reopen(Hive); }
    void reopen(const std::string& text) {
        writeBytes(path, text);
        auto result = openHiveRegistry(path);
        ASSERT_TRUE(result.registry) << result.error;
        EXPECT_FALSE(result.wineRunning);
        reg = std::move(result.registry);
    }
    Key open(const char* sub, std::uint32_t access = KeyAllAccess) {
        Key k = 0;
        EXPECT_EQ(reg->RegOpenKeyExA(CurrentUser, sub, 0, access, &k), Success) << sub;
        return k;
    }
    Key create(const char* sub) {
        Key k = 0;
        SecurityAttributes sa{10, nullptr, true};
        EXPECT_EQ(reg->RegCreateKeyExA(CurrentUser, sub, 0, "", 0, KeyAllAccess, &sa, &k, nullptr), Success) << sub;
        return k;
    }
    long setText(Key k, const char* name, const std::string& text) {
        return reg->RegSetValueExA(k, name, 0, TypeSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                   std::uint32_t(text.size() + 1));
    }
    long setNumber(Key k, const char* name, std::int32_t v) {
        return reg->RegSetValueExA(k, name, 0, TypeDword, reinterpret_cast<const std::uint8_t*>(&v), 4);
    }
    // The query ReadSettingText makes: 256 bytes.
    long readText(Key k, const char* name, std::string& out, std::uint32_t* type = nullptr) {
        char buf[256] = {};
        std::uint32_t size = sizeof buf, t = 0;
        long rc = reg->RegQueryValueExA(k, name, nullptr, &t, reinterpret_cast<std::uint8_t*>(buf), &size);
        if (type) *type = t;
        out = rc == Success ? std::string(buf, size ? size - 1 : 0) : std::to_string(size);
        return rc;
    }
    std::vector<std::string> subkeys(Key k) {
        std::vector<std::string> names;
        for (std::uint32_t i = 0;; ++i) {
            char name[255], cls[255];
            std::uint32_t n = 255, c = 255;
            FileTime t;
            if (reg->RegEnumKeyExA(k, i, name, &n, nullptr, cls, &c, &t) != Success) break;
            names.emplace_back(name, n);
        }
        return names;
    }
};

const std::string Brisko = "Software\\Tavrel\\Brisko2";

}  // namespace

TEST_F(HiveTest, NamesAreCaseInsensitiveAndKeepTheirCase) {
    Key k = open("SOFTWARE\\tavrel\\BRISKO2");
    std::string text;
    EXPECT_EQ(readText(k, "defaultconfiguration", text), Success);
    EXPECT_EQ(text, "Nobody");
    EXPECT_EQ(setText(k, "DEFAULTCONFIGURATION", "bob@example.com"), Success);
    std::string file = readBytes(path);
    EXPECT_NE(file.find("\"DefaultConfiguration\"=\"bob@example.com\"\n"), std::string::npos);
    EXPECT_EQ(file.find("DEFAULTCONFIGURATION"), std::string::npos);
    Key same = 0;
    EXPECT_EQ(reg->RegCreateKeyExA(CurrentUser, "software\\TAVREL\\brisko2\\NOBODY", 0, "", 0, KeyAllAccess, nullptr,
                                   &same, nullptr), Success);
    EXPECT_EQ(subkeys(k), (std::vector<std::string>{"alice@example.com", "bob@example.com", "Nobody"}));
    reg->RegCloseKey(k);
    reg->RegCloseKey(same);
}

TEST_F(HiveTest, SubkeysAreListedInWinesOrderUntilNoMoreItems) {
    Key k = open(Brisko.c_str());
    for (auto name : {"a_b", "Zed", "aZ", "Bob2"}) reg->RegCloseKey(create((Brisko + "\\" + name).c_str()));
    EXPECT_EQ(subkeys(k), (std::vector<std::string>{"a_b", "alice@example.com", "aZ", "Bob2", "bob@example.com",
                                                     "Nobody", "Zed"}));
    char name[255];
    std::uint32_t n = 255;
    EXPECT_EQ(reg->RegEnumKeyExA(k, 7, name, &n, nullptr, nullptr, nullptr, nullptr), NoMoreItems);
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, EnumerationNeedsRoomForTheNameAndItsZero) {
    std::string longName(254, 'k');
    reg->RegCloseKey(create((Brisko + "\\Nobody\\" + longName).c_str()));
    reg->RegCloseKey(create((Brisko + "\\Nobody\\" + longName + "x").c_str()));
    Key k = open((Brisko + "\\Nobody").c_str());
    char name[255];
    std::uint32_t n = 255;
    ASSERT_EQ(reg->RegEnumKeyExA(k, 0, name, &n, nullptr, nullptr, nullptr, nullptr), Success);
    EXPECT_EQ(n, 254u);
    EXPECT_EQ(std::string(name), longName);
    n = 255;
    EXPECT_EQ(reg->RegEnumKeyExA(k, 1, name, &n, nullptr, nullptr, nullptr, nullptr), MoreData);
    EXPECT_EQ(n, 255u);
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, TextsOf255And256CharactersAgainstA256ByteBuffer) {
    Key k = open((Brisko + "\\bob@example.com\\Preferences").c_str());
    std::string t255(255, 'x'), t256(256, 'y'), out;
    ASSERT_EQ(setText(k, "Long", t255), Success);
    EXPECT_EQ(readText(k, "Long", out), Success);
    EXPECT_EQ(out, t255);
    ASSERT_EQ(setText(k, "Longer", t256), Success);
    EXPECT_EQ(readText(k, "Longer", out), MoreData);
    EXPECT_EQ(out, "257");  // the size it needs
    // A size query without a buffer.
    std::uint32_t size = 0, type = 0;
    EXPECT_EQ(reg->RegQueryValueExA(k, "Longer", nullptr, &type, nullptr, &size), Success);
    EXPECT_EQ(size, 257u);
    EXPECT_EQ(type, TypeSz);
    EXPECT_EQ(readText(k, "Missing", out), NotFound);
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, TextsCrossInCodePage1252AndAreStoredAsWineStoresThem) {
    Key k = open((Brisko + "\\bob@example.com\\Preferences").c_str());
    std::string out;
    EXPECT_EQ(readText(k, "QuoteFormat", out), Success);
    EXPECT_EQ(out, "\xe9t\xe9 ? \x80");  // U+263A has no place in 1252
    ASSERT_EQ(setText(k, "Quote", "\"\xe9\x80\\\n\tA"), Success);
    EXPECT_NE(readBytes(path).find("\"Quote\"=\"\\\"\\xe9\\x20ac\\\\\\n\\tA\"\n"), std::string::npos);
    EXPECT_EQ(readText(k, "Quote", out), Success);
    EXPECT_EQ(out, "\"\xe9\x80\\\n\tA");
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, EmptyTextsKeepTheFormTheyWereStoredIn) {
    Key k = open((Brisko + "\\bob@example.com\\Preferences").c_str());
    std::string out;
    std::uint32_t type = 0;
    // Stored without its zero by another program: empty, and left as it is.
    EXPECT_EQ(readText(k, "NoZero", out, &type), Success);
    EXPECT_EQ(type, TypeSz);
    EXPECT_EQ(out, "");
    // Written with its zero: "" as Wine writes it.
    ASSERT_EQ(setText(k, "Empty", ""), Success);
    EXPECT_EQ(readText(k, "Empty", out), Success);
    EXPECT_EQ(out, "");
    // Written with no bytes at all, Wine keeps zero bytes: hex(1):
    ASSERT_EQ(reg->RegSetValueExA(k, "Zero", 0, TypeSz, reinterpret_cast<const std::uint8_t*>(""), 0), Success);
    std::string file = readBytes(path);
    EXPECT_NE(file.find("\"Empty\"=\"\"\n"), std::string::npos);
    EXPECT_NE(file.find("\"NoZero\"=hex(1):\n"), std::string::npos);
    EXPECT_NE(file.find("\"Zero\"=hex(1):\n"), std::string::npos);
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, TextsWithoutTheirZeroAsWindowsTreatsThem) {
    Key k = open((Brisko + "\\bob@example.com\\Preferences").c_str());
    // A size not counting the zero that follows: the zero is added (Wine did so for "abc").
    ASSERT_EQ(reg->RegSetValueExA(k, "Counted", 0, TypeSz, reinterpret_cast<const std::uint8_t*>("abc"), 3), Success);
    // No zero after it: stored as given.
    ASSERT_EQ(reg->RegSetValueExA(k, "Bare", 0, TypeSz, reinterpret_cast<const std::uint8_t*>("abcx"), 3), Success);
    std::string file = readBytes(path);
    EXPECT_NE(file.find("\"Counted\"=\"abc\"\n"), std::string::npos);
    EXPECT_NE(file.find("\"Bare\"=hex(1):61,00,62,00,63,00\n"), std::string::npos);
    // Read back, it gets a zero when the buffer has room for one.
    char buf[8];
    std::memset(buf, 'Z', sizeof buf);
    std::uint32_t size = 256 > sizeof buf ? sizeof buf : 256, type = 0;
    EXPECT_EQ(reg->RegQueryValueExA(k, "Bare", nullptr, &type, reinterpret_cast<std::uint8_t*>(buf), &size), Success);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::string(buf, 4), std::string("abc\0", 4));
    std::memset(buf, 'Z', sizeof buf);
    size = 3;
    EXPECT_EQ(reg->RegQueryValueExA(k, "Bare", nullptr, &type, reinterpret_cast<std::uint8_t*>(buf), &size), Success);
    EXPECT_EQ(std::string(buf, 4), "abcZ");
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, NumbersAndOtherTypesKeepTheirBytes) {
    Key k = open((Brisko + "\\bob@example.com\\Preferences").c_str());
    ASSERT_EQ(setNumber(k, "ContactSoundMaxTime", -2), Success);
    std::uint8_t small[2];
    std::uint32_t size = sizeof small, type = 0;
    EXPECT_EQ(reg->RegQueryValueExA(k, "ContactSoundMaxTime", nullptr, &type, small, &size), MoreData);
    EXPECT_EQ(size, 4u);
    std::int32_t v = 0;
    size = 4;
    EXPECT_EQ(reg->RegQueryValueExA(k, "ContactSoundMaxTime", nullptr, &type, reinterpret_cast<std::uint8_t*>(&v), &size),
              Success);
    EXPECT_EQ(type, TypeDword);
    EXPECT_EQ(v, -2);
    const std::uint8_t bytes[] = {1, 2, 3};
    ASSERT_EQ(reg->RegSetValueExA(k, "Odd", 0, TypeDword, bytes, 3), Success);  // a dword of 3 bytes stays so
    std::string file = readBytes(path);
    EXPECT_NE(file.find("\"ContactSoundMaxTime\"=dword:fffffffe\n"), std::string::npos);
    EXPECT_NE(file.find("\"Odd\"=hex(4):01,02,03\n"), std::string::npos);
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, AWriteChangesOnlyItsKeyAndStampsItsTime) {
    Key k = open(Brisko.c_str());
    auto before = std::chrono::system_clock::now();
    ASSERT_EQ(setText(k, "DefaultConfiguration", "alice@example.com"), Success);
    std::string file = readBytes(path);
    std::string expectedStart = Hive.substr(0, Hive.find("\n[Software\\\\Tavrel\\\\Brisko2]"));
    std::string expectedEnd = Hive.substr(Hive.find("\n[Software\\\\Tavrel\\\\Brisko2\\\\bob"));
    EXPECT_EQ(file.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(file.substr(file.size() - expectedEnd.size()), expectedEnd);
    // The key line's seconds since 1970 and #time, a FILETIME in hex.
    auto line = file.substr(file.find("[Software\\\\Tavrel\\\\Brisko2]"));
    long long seconds = std::stoll(line.substr(line.find(']') + 2));
    long long now = std::chrono::duration_cast<std::chrono::seconds>(before.time_since_epoch()).count();
    EXPECT_LE(std::llabs(seconds - now), 2);
    auto time = line.substr(line.find("#time=") + 6);
    unsigned long long ticks = std::stoull(time.substr(0, time.find('\n')), nullptr, 16);
    EXPECT_EQ((ticks - 116444736000000000ull) / 10000000ull, static_cast<unsigned long long>(seconds));
    // Setting the same value again is no change at all.
    auto stamp = fk::reg::hive::currentStamp(path);
    ASSERT_EQ(setText(k, "DefaultConfiguration", "alice@example.com"), Success);
    EXPECT_EQ(fk::reg::hive::currentStamp(path), stamp);
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, DeletingValuesAndCreatingKeysReachTheFile) {
    Key k = open((Brisko + "\\bob@example.com\\Preferences").c_str());
    EXPECT_EQ(reg->RegDeleteValueA(k, "dw"), Success);
    EXPECT_EQ(reg->RegDeleteValueA(k, "dw"), NotFound);
    std::uint32_t disposition = 0;
    Key made = 0;
    ASSERT_EQ(reg->RegCreateKeyExA(k, "WindowFont", 0, "", 0, KeyAllAccess, nullptr, &made, &disposition), Success);
    EXPECT_EQ(disposition, CreatedNewKey);
    Key opened = 0;
    ASSERT_EQ(reg->RegCreateKeyExA(k, "windowfont", 0, "", 0, KeyAllAccess, nullptr, &opened, &disposition), Success);
    EXPECT_EQ(disposition, OpenedExistingKey);
    std::string file = readBytes(path);
    EXPECT_EQ(file.find("\"Dw\""), std::string::npos);
    // A new, empty key has a section of its own, as in Wine.
    EXPECT_NE(file.find("\n\n[Software\\\\Tavrel\\\\Brisko2\\\\bob@example.com\\\\Preferences\\\\WindowFont] "),
              std::string::npos);
    // The file reads back with the same content.
    auto again = openHiveRegistry(path);
    ASSERT_TRUE(again.registry);
    Key font = 0;
    EXPECT_EQ(again.registry->RegOpenKeyExA(CurrentUser, (Brisko + "\\BOB@example.com\\Preferences\\WindowFont").c_str(),
                                            0, KeyRead, &font), Success);
    again.registry->RegCloseKey(font);
    reg->RegCloseKey(k);
    reg->RegCloseKey(made);
    reg->RegCloseKey(opened);
    EXPECT_EQ(reg->openHandleCount(), 0);
}

TEST_F(HiveTest, AnotherProgramsChangeIsReadBeforeOurNextWrite) {
    Key k = open(Brisko.c_str());
    ASSERT_EQ(setNumber(k, "First", 1), Success);
    // Another writer (here a second registry over the same file) changes it.
    auto other = openHiveRegistry(path);
    ASSERT_TRUE(other.registry);
    Key ok = 0;
    ASSERT_EQ(other.registry->RegOpenKeyExA(CurrentUser, Brisko.c_str(), 0, KeyAllAccess, &ok), Success);
    ASSERT_EQ(other.registry->RegSetValueExA(ok, "Theirs", 0, TypeDword, reinterpret_cast<const std::uint8_t*>("\7\0\0\0"), 4),
              Success);
    // And by hand, as an editor would: a new key in the middle of the file.
    std::string file = readBytes(path);
    file.insert(file.find("\n[Software\\\\Wine"), "\n[Software\\\\Hand] 1796496422\n\"h\"=dword:00000001\n");
    writeBytes(path, file);
    ASSERT_EQ(setNumber(k, "Second", 2), Success);
    file = readBytes(path);
    for (auto line : {"\"First\"=dword:00000001", "\"Theirs\"=dword:00000007", "\"Second\"=dword:00000002",
                      "[Software\\\\Hand] 1796496422\n\"h\"=dword:00000001"})
        EXPECT_NE(file.find(line), std::string::npos) << line;
    reg->RegCloseKey(k);
    other.registry->RegCloseKey(ok);
}

TEST_F(HiveTest, ADamagedFileOnDiskIsNeverWrittenOver) {
    Key k = open(Brisko.c_str());
    std::string damaged = Hive + "garbage\n";
    writeBytes(path, damaged);
    EXPECT_NE(setNumber(k, "X", 1), Success);
    EXPECT_EQ(readBytes(path), damaged);
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, AFailedWriteLeavesTheOldFileAndReportsIt) {
    Key k = open(Brisko.c_str());
    // A file size limit stands in for a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tight = old;
    tight.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    long rc = setText(k, "DefaultConfiguration", "alice@example.com");
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_NE(rc, Success);
    EXPECT_EQ(readBytes(path), Hive);
    std::string out;
    EXPECT_EQ(readText(k, "DefaultConfiguration", out), Success);
    EXPECT_EQ(out, "Nobody");
    for (auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path().filename().string().find(".user.reg.fettlekit-"), std::string::npos) << entry.path();
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, AKeyOpenedForReadingRefusesWrites) {
    Key k = open((Brisko + "\\bob@example.com\\Preferences").c_str(), KeyRead);
    std::string out;
    EXPECT_EQ(readText(k, "QuoteFormat", out), Success);
    EXPECT_EQ(setText(k, "QuoteFormat", "x"), AccessDenied);
    EXPECT_EQ(reg->RegDeleteValueA(k, "QuoteFormat"), AccessDenied);
    EXPECT_EQ(reg->RegDeleteValueA(k, "Missing"), AccessDenied);
    EXPECT_EQ(readBytes(path), Hive);
    // Wine still creates a subkey through it.
    Key sub = 0;
    EXPECT_EQ(reg->RegCreateKeyExA(k, "New", 0, "", 0, KeyAllAccess, nullptr, &sub, nullptr), Success);
    EXPECT_NE(readBytes(path).find("\\\\Preferences\\\\New] "), std::string::npos);
    reg->RegCloseKey(sub);
    reg->RegCloseKey(k);
}

TEST_F(HiveTest, HandlesAreCountedAndSurviveAReload) {
    EXPECT_EQ(reg->openHandleCount(), 0);
    Key a = open(Brisko.c_str());
    Key b = open((Brisko + "\\Nobody").c_str());
    Key missing = 0;
    EXPECT_EQ(reg->RegOpenKeyExA(a, "NoSuchKey", 0, KeyAllAccess, &missing), NotFound);
    EXPECT_EQ(reg->RegOpenKeyExA(a, "\\Nobody", 0, KeyAllAccess, &missing), 161);
    EXPECT_EQ(reg->openHandleCount(), 2);
    // Another program rewrites the file: the handles still reach their keys.
    writeBytes(path, Hive + "\n[Software\\\\More] 1796496422\n");
    std::string out;
    EXPECT_EQ(readText(a, "DefaultConfiguration", out), Success);
    EXPECT_EQ(subkeys(b), std::vector<std::string>{});
    EXPECT_EQ(reg->RegCloseKey(a), Success);
    EXPECT_EQ(reg->RegCloseKey(a), InvalidHandle);
    EXPECT_EQ(reg->RegCloseKey(12345), InvalidHandle);
    EXPECT_EQ(reg->RegCloseKey(b), Success);
    EXPECT_EQ(reg->openHandleCount(), 0);
}

TEST(HivePath, PrefixFromTheEnvironmentElseHome) {
    std::string oldPrefix = std::getenv("WINEPREFIX") ? std::getenv("WINEPREFIX") : "";
    ::setenv("WINEPREFIX", "/some/prefix", 1);
    EXPECT_EQ(defaultHivePath(), "/some/prefix/user.reg");
    ::unsetenv("WINEPREFIX");
    EXPECT_EQ(defaultHivePath(), std::string(std::getenv("HOME")) + "/.wine/user.reg");
    if (!oldPrefix.empty()) ::setenv("WINEPREFIX", oldPrefix.c_str(), 1);
}

// While a wineserver serves the prefix, Wine writes the file itself on exit.
TEST(HiveWine, ARunningWineserverMakesTheHiveReadOnly) {
    if (std::system("command -v wineserver >/dev/null 2>&1") != 0) GTEST_SKIP() << "wine is not installed";
    TempFolder prefix;
    std::string path = prefix.file("user.reg");
    writeBytes(path, Hive);
    std::string env = "WINEPREFIX='" + prefix.path() + "' WINEDEBUG=-all ";

    // Opened before Wine starts: writable until the server appears.
    auto early = openHiveRegistry(path);
    ASSERT_TRUE(early.registry);
    EXPECT_FALSE(early.wineRunning);
    Key ek = 0;
    ASSERT_EQ(early.registry->RegOpenKeyExA(CurrentUser, Brisko.c_str(), 0, KeyAllAccess, &ek), Success);

    ASSERT_EQ(std::system((env + "wineserver -p").c_str()), 0);
    bool running = false;
    for (int i = 0; i < 100 && !running; ++i) {
        running = fk::reg::hive::wineServesPrefix(path);
        if (!running) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::string before = readBytes(path);
    auto result = openHiveRegistry(path);
    if (running) {
        ASSERT_TRUE(result.registry);
        EXPECT_TRUE(result.wineRunning);
        EXPECT_FALSE(result.registry->writable());
        Key k = 0;
        ASSERT_EQ(result.registry->RegOpenKeyExA(CurrentUser, Brisko.c_str(), 0, KeyAllAccess, &k), Success);
        char buf[256];
        std::uint32_t size = sizeof buf;
        EXPECT_EQ(result.registry->RegQueryValueExA(k, "DefaultConfiguration", nullptr, nullptr,
                                                    reinterpret_cast<std::uint8_t*>(buf), &size), Success);
        EXPECT_STREQ(buf, "Nobody");
        std::int32_t one = 1;
        EXPECT_EQ(result.registry->RegSetValueExA(k, "X", 0, TypeDword, reinterpret_cast<const std::uint8_t*>(&one), 4),
                  AccessDenied);
        EXPECT_EQ(result.registry->RegDeleteValueA(k, "DefaultConfiguration"), AccessDenied);
        Key sub = 0;
        EXPECT_EQ(result.registry->RegCreateKeyExA(k, "New", 0, "", 0, KeyAllAccess, nullptr, &sub, nullptr), AccessDenied);
        std::uint32_t disposition = 0;
        EXPECT_EQ(result.registry->RegCreateKeyExA(CurrentUser, (Brisko + "\\Nobody").c_str(), 0, "", 0, KeyAllAccess,
                                                   nullptr, &sub, &disposition), Success);
        EXPECT_EQ(disposition, OpenedExistingKey);
        result.registry->RegCloseKey(sub);
        EXPECT_EQ(early.registry->RegSetValueExA(ek, "X", 0, TypeDword, reinterpret_cast<const std::uint8_t*>(&one), 4),
                  AccessDenied);
        EXPECT_FALSE(early.registry->writable());
        EXPECT_EQ(readBytes(path), before);
        result.registry->RegCloseKey(k);
    }
    std::system((env + "wineserver -k; " + env + "wineserver -w").c_str());
    ASSERT_TRUE(running) << "the wineserver's lock was not found";
    // Once Wine is gone, a fresh start may write again.
    for (int i = 0; i < 50 && fk::reg::hive::wineServesPrefix(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    auto later = openHiveRegistry(path);
    ASSERT_TRUE(later.registry);
    EXPECT_FALSE(later.wineRunning);
    early.registry->RegCloseKey(ek);
}

TEST(HiveDemo, TheDemoPrefixHoldsAccountsQuickTextsAndAFont) {
    auto result = openHiveRegistry(std::string(FK_HIVE_TEST_DATA) + "/../../../examples/demo-prefix/user.reg");
    ASSERT_TRUE(result.registry) << result.error;
    Registry& reg = *result.registry;
    auto names = [&](const std::string& sub) {
        Key k = 0;
        std::vector<std::string> out;
        if (reg.RegOpenKeyExA(CurrentUser, sub.c_str(), 0, KeyRead, &k) != Success) return out;
        char name[255];
        std::uint32_t n = 255;
        for (std::uint32_t i = 0; reg.RegEnumKeyExA(k, i, name, &n, nullptr, nullptr, nullptr, nullptr) == Success; ++i, n = 255)
            out.emplace_back(name, n);
        reg.RegCloseKey(k);
        return out;
    };
    EXPECT_EQ(names(Brisko), (std::vector<std::string>{"alice@example.com", "bob@example.com", "Nobody"}));
    EXPECT_EQ(names(Brisko + "\\alice@example.com\\Preferences\\QuickTexts"),
              (std::vector<std::string>{"Away", "Greeting", "Signature"}));
    Key font = 0;
    ASSERT_EQ(reg.RegOpenKeyExA(CurrentUser, (Brisko + "\\alice@example.com\\Preferences\\WindowFont").c_str(), 0,
                                KeyRead, &font), Success);
    for (auto name : {"Enable", "Height", "Weight", "Italic", "Charset"}) {
        std::uint32_t type = 0;
        EXPECT_EQ(reg.RegQueryValueExA(font, name, nullptr, &type, nullptr, nullptr), Success) << name;
        EXPECT_EQ(type, TypeDword) << name;
    }
    reg.RegCloseKey(font);
    EXPECT_EQ(reg.openHandleCount(), 0);
}
