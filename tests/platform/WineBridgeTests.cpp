// Wine's live registry through fettlekit-bridge.exe: the shared suite, the
// choice of backend while Wine runs, writes beside another Wine program,
// and a bridge that dies. One process shares one fresh prefix whose
// wineserver stays up for the whole run, as a running messenger keeps it.
#include "HiveTestFiles.h"
#include "OpenRegistry.h"
#include "PreferenceStore.h"
#include "RegistryBehaviour.h"
#include "WineBridge.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <future>
#include <map>
#include <unistd.h>

namespace fk::test {

namespace {

namespace fs = std::filesystem;
using namespace fk::reg;

std::string g_prefix;

class WinePrefix : public testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(FK_BRIDGE_EXE)) << FK_BRIDGE_EXE << " is missing: build it with scripts/test-windows";
        ASSERT_TRUE(fs::exists(FK_STANDIN_EXE)) << FK_STANDIN_EXE << " is missing: build it with scripts/test-windows";
        folder_ = std::make_unique<TempFolder>();
        g_prefix = folder_->file("prefix");
        ::setenv("WINEPREFIX", g_prefix.c_str(), 1);
        ::setenv("WINEDEBUG", "-all", 1);
        // Like a running messenger: the server stays, and Wine's services
        // are up before any test starts a program.
        shell("wine wineboot -i; wineserver -w; wineserver -p; wine reg query 'HKCU\\Software'");
        ASSERT_TRUE(fs::exists(g_prefix + "/user.reg"));
    }
    void TearDown() override {
        shell("wineserver -k; wineserver -w");
        folder_.reset();
    }

private:
    std::unique_ptr<TempFolder> folder_;
};

const auto* const g_environment = testing::AddGlobalTestEnvironment(new WinePrefix);

std::string hex16(const std::u16string& text) {
    std::string out;
    char digits[8];
    for (char16_t c : text) {
        std::snprintf(digits, sizeof digits, "%04x", unsigned(c));
        out += digits;
    }
    return out;
}

std::string standin(const std::string& arguments) {
    return "wine " + quote(FK_STANDIN_EXE) + " " + arguments + " </dev/null >/dev/null 2>&1";
}

std::unique_ptr<bridge::BridgeRegistry> startBridge() {
    auto started = bridge::startWineBridge(g_prefix, FK_BRIDGE_EXE);
    EXPECT_TRUE(started.registry) << started.error;
    return std::move(started.registry);
}

class BridgeScratch final : public Scratch {
public:
    explicit BridgeScratch(const Seed& seed) : path_(scratchPath()) {
        std::string arguments = "seed " + quote(path_);
        for (const auto& value : seed.values) arguments += " " + quote("v:" + value.name + ":" + hex16(value.text));
        for (const auto& subkey : seed.subkeys) arguments += " k:" + hex16(subkey);
        if (std::system(standin(arguments).c_str()) != 0) throw std::runtime_error("the stand-in did not seed");
        registry_ = startBridge();
        if (!registry_) throw std::runtime_error("no bridge");
    }
    Registry& registry() override { return *registry_; }
    std::string path() const override { return path_; }

private:
    std::string path_;
    std::unique_ptr<bridge::BridgeRegistry> registry_;
};

// `wine reg query KEY` as name -> "TYPE data".
std::map<std::string, std::string> wineValues(const std::string& key) {
    std::map<std::string, std::string> values;
    std::istringstream lines(shell("wine reg query " + quote(key)).out);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("    ", 0) != 0) continue;
        std::istringstream fields(line);
        std::string name, type, data;
        fields >> name >> type;
        std::getline(fields, data);
        values[name] = type + data;
    }
    return values;
}

}  // namespace

std::vector<Backend> registryBackends() {
    return {{"WineBridge", [](const Seed& seed) { return std::make_unique<BridgeScratch>(seed); }}};
}

namespace {

TEST(LiveRegistry, WhileWineRunsTheStoreGoesThroughTheBridgeAndFallsBackWithoutIt) {
    const std::string hive = g_prefix + "/user.reg";
    ::setenv("FETTLEKIT_BRIDGE", FK_BRIDGE_EXE, 1);
    RegistryChoice live = openRegistryFor(hive);
    ASSERT_TRUE(live.registry) << live.error;
    EXPECT_TRUE(live.throughBridge) << live.bridgeError;
    EXPECT_TRUE(live.registry->writable());
    Key key = 0;
    ASSERT_EQ(live.registry->RegCreateKeyExA(CurrentUser, "Software\\Tavrel\\Brisko2\\Nobody\\Preferences", 0, "", 0,
                                             KeyAllAccess, nullptr, &key, nullptr),
              Success);
    EXPECT_EQ(live.registry->RegSetValueExA(key, "ContactSoundMaxTime", 0, TypeDword,
                                            reinterpret_cast<const std::uint8_t*>("\x1e\0\0\0"), 4),
              Success);
    live.registry->RegCloseKey(key);
    EXPECT_EQ(wineValues("HKCU\\Software\\Tavrel\\Brisko2\\Nobody\\Preferences")["ContactSoundMaxTime"],
              "REG_DWORD    0x1e");
    live.registry.reset();

    ::setenv("FETTLEKIT_BRIDGE", (g_prefix + "/no-such-bridge.exe").c_str(), 1);
    RegistryChoice fallback = openRegistryFor(hive);
    ::unsetenv("FETTLEKIT_BRIDGE");
    ASSERT_TRUE(fallback.registry) << fallback.error;
    EXPECT_FALSE(fallback.throughBridge);
    EXPECT_TRUE(fallback.wineRunning);
    EXPECT_FALSE(fallback.registry->writable());
    EXPECT_FALSE(fallback.bridgeError.empty());
}

TEST(LiveRegistry, WritesThroughTheBridgeBesideAnotherWineProgramAllLand) {
    const std::string prefs = "Software\\Tavrel\\Brisko2\\Concurrent\\Preferences";
    const int count = 200;
    ASSERT_EQ(std::system(standin("seed " + quote(prefs) + " v:NickNameSeparator:" + hex16(u", ")).c_str()), 0);

    auto registry = startBridge();
    ASSERT_TRUE(registry);
    int failures = 0;
    PreferenceStore store(*registry, [&] { ++failures; });
    Key key = 0;
    ASSERT_EQ(registry->RegOpenKeyExA(CurrentUser, prefs.c_str(), 0, KeyAllAccess, &key), Success);

    // Beside the stand-in, fettlekit-reg, run as a user would while Wine
    // runs, finds the bridge and writes through it too.
    const int regCount = 5;
    const std::string script = standin("write " + quote(prefs) + " " + std::to_string(count) + " StandIn") +
                               " & for i in 0 1 2 3 4; do FETTLEKIT_BRIDGE=" + quote(FK_BRIDGE_EXE) + " " +
                               quote(FK_REG_TOOL) + " add " + quote("HKCU\\" + prefs) +
                               " /v Reg$i /t REG_DWORD /d $i /f --registry " + quote(g_prefix + "/user.reg") +
                               " || exit 1; done; wait $!";
    auto writers = std::async(std::launch::async, [&] { return shell(script).rc; });
    // Start once the stand-in is writing, and see it write on while we do.
    auto standinValues = [&] {
        int seen = 0;
        std::int32_t ignored;
        for (int i = 0; i < count; ++i) seen += store.readNumber(key, "StandIn" + std::to_string(i), ignored);
        return seen;
    };
    for (int tries = 0; tries < 500 && standinValues() == 0; ++tries) ::usleep(10 * 1000);
    const int atStart = standinValues();
    for (int i = 0; i < count; ++i) EXPECT_TRUE(store.writeNumber(key, "Fettlekit" + std::to_string(i), i));
    const int atEnd = standinValues();
    std::printf("stand-in values: %d when we began, %d when we ended, of %d\n", atStart, atEnd, count);
    EXPECT_GT(atStart, 0);
    EXPECT_LT(atStart, count) << "the stand-in finished before we wrote: nothing ran side by side";
    EXPECT_GT(atEnd, atStart) << "the stand-in did not write while we did";
    EXPECT_EQ(writers.get(), 0) << "the stand-in or fettlekit-reg failed";
    registry->RegCloseKey(key);
    registry.reset();
    EXPECT_EQ(failures, 0);
    auto values = wineValues("HKCU\\" + prefs);
    for (int i = 0; i < count; ++i) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x", i);
        EXPECT_EQ(values["StandIn" + std::to_string(i)], std::string("REG_DWORD    ") + hex) << i;
        EXPECT_EQ(values["Fettlekit" + std::to_string(i)], std::string("REG_DWORD    ") + hex) << i;
    }
    for (int i = 0; i < regCount; ++i)
        EXPECT_EQ(values["Reg" + std::to_string(i)], "REG_DWORD    0x" + std::to_string(i)) << i;
    EXPECT_EQ(values["NickNameSeparator"], "REG_SZ    , ");
    EXPECT_EQ(values.size(), std::size_t(1 + count + count + regCount));
}

TEST(LiveRegistry, AKilledBridgeTurnsEveryLaterWriteIntoAFailedWrite) {
    auto registry = startBridge();
    ASSERT_TRUE(registry);
    int failures = 0;
    PreferenceStore store(*registry, [&] { ++failures; });
    Key key = 0;
    SecurityAttributes security{10, nullptr, true};
    std::uint32_t disposition = 0;
    ASSERT_EQ(registry->RegCreateKeyExA(CurrentUser, "Software\\Tavrel\\Brisko2\\Killed", 0, "", 0, KeyAllAccess,
                                        &security, &key, &disposition),
              Success);
    store.setCurrentKey(key);
    EXPECT_TRUE(store.writeNumber(key, "BeforeKill", 1));

    ASSERT_EQ(::kill(bridge::bridgeProcessId(*registry), SIGKILL), 0);
    ::usleep(200 * 1000);

    EXPECT_FALSE(store.writeNumber(key, "AfterKill", 2));
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(store.writeText(key, "AfterKillText", "x"));
    EXPECT_EQ(failures, 2);
    std::int32_t number = 0;
    EXPECT_FALSE(store.readNumber(key, "BeforeKill", number));
    EXPECT_EQ(registry->RegSetValueExA(key, "Raw", 0, TypeDword, reinterpret_cast<const std::uint8_t*>("\1\0\0\0"), 4),
              bridge::BridgeGone);
    EXPECT_FALSE(registry->writable());
    registry->RegCloseKey(key);
    EXPECT_EQ(registry->openHandleCount(), 0);
    registry.reset();

    auto values = wineValues("HKCU\\Software\\Tavrel\\Brisko2\\Killed");
    EXPECT_EQ(values["BeforeKill"], "REG_DWORD    0x1");
    EXPECT_EQ(values.count("AfterKill"), 0u);
}

}  // namespace
}  // namespace fk::test
