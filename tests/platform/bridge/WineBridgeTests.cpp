// SPDX-License-Identifier: GPL-3.0-or-later
// Wine's live registry through fettlekit-bridge.exe: the shared suite, the
// choice of backend while Wine runs, a copy of settings into it, and a bridge that dies. One process shares one fresh prefix whose
// wineserver stays up for the whole run, as a running messenger keeps it.
#include "platform/bridge/OpenRegistry.h"
#include "platform/bridge/WineBridge.h"
#include "platform/registry/KeyHandle.h"
#include "../registry/RegistryBehaviour.h"
#include "store/PreferenceStore.h"
#include "store/SettingsCopy.h"
#include "support/Bytes.h"
#include "support/ChildProcesses.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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
        stopWine(g_prefix);
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
    EXPECT_TRUE(started.registry) << englishText(started.error);
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

// What `wine reg query KEY` lists, line ends as ours.
std::string wineListing(const std::string& key) {
    std::string out = shell("wine reg query " + quote(key)).out;
    std::erase(out, '\r');
    return out;
}

}  // namespace

std::vector<Backend> registryBackends() {
    return {{"WineBridge", [](const Seed& seed) { return std::make_unique<BridgeScratch>(seed); }}};
}

namespace {

TEST(LiveRegistry, WhileWineRunsTheStoreGoesThroughTheBridge) {
    const std::string hive = g_prefix + "/user.reg";
    ::setenv("FETTLEKIT_BRIDGE", FK_BRIDGE_EXE, 1);
    RegistryChoice live = openRegistryFor(hive);
    ASSERT_TRUE(live.registry) << englishText(live.error);
    EXPECT_TRUE(live.throughBridge) << englishText(live.bridgeError);
    EXPECT_TRUE(live.registry->writable());
    KeyHandle key = KeyHandle::create(*live.registry, CurrentUser, "Software\\Tavrel\\Brisko2\\Nobody\\Preferences",
                                      "", KeyAllAccess, nullptr);
    ASSERT_TRUE(key.ok());
    EXPECT_EQ(live.registry->RegSetValueExA(key.get(), "ContactSoundMaxTime", 0, TypeDword,
                                            reinterpret_cast<const std::uint8_t*>("\x1e\0\0\0"), 4),
              Success);
    key.close();
    EXPECT_NE(wineListing("HKCU\\Software\\Tavrel\\Brisko2\\Nobody\\Preferences")
                  .find("    ContactSoundMaxTime    REG_DWORD    0x1e\n"),
              std::string::npos);
    ::unsetenv("FETTLEKIT_BRIDGE");
}

TEST(LiveRegistry, AKilledBridgeTurnsEveryLaterWriteIntoAFailedWrite) {
    auto registry = startBridge();
    ASSERT_TRUE(registry);
    int failures = 0;
    PreferenceStore store(*registry, [&] { ++failures; });
    KeyHandle handle = KeyHandle::create(*registry, CurrentUser, "Software\\Tavrel\\Brisko2\\Killed");
    ASSERT_TRUE(handle.ok());
    const Key key = handle.get();
    store.setCurrentKey(key);
    EXPECT_TRUE(store.writeNumber(key, "BeforeKill", 1));

    const int bridge = fk::test::newestDescendantRunning("fettlekit-bridge");
    ASSERT_GT(bridge, 0);
    ASSERT_EQ(::kill(bridge, SIGKILL), 0);
    ::usleep(200 * 1000);

    EXPECT_FALSE(store.writeNumber(key, "AfterKill", 2));
    EXPECT_EQ(failures, 1);
    std::int32_t number = 0;
    EXPECT_FALSE(store.readNumber(key, "BeforeKill", number));
    EXPECT_EQ(registry->RegSetValueExA(key, "Raw", 0, TypeDword, reinterpret_cast<const std::uint8_t*>("\1\0\0\0"), 4),
              bridge::BridgeGone);
    EXPECT_FALSE(registry->writable());
    handle.close();
    EXPECT_EQ(registry->openHandleCount(), 0);
    registry.reset();

    const std::string listing = wineListing("HKCU\\Software\\Tavrel\\Brisko2\\Killed");
    EXPECT_NE(listing.find("    BeforeKill    REG_DWORD    0x1\n"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("AfterKill"), std::string::npos) << listing;
}

// It ends the prefix's Wine to find the copy in user.reg as Wine saved it, then starts it again.
TEST(LiveRegistry, SettingsCopiedIntoAPrefixWhoseWineRunsReachItsLiveRegistryAndItsSave) {
    TempFolder elsewhere;
    writeBytes(elsewhere.file("user.reg"),
               "WINE REGISTRY Version 2\n\n[Software\\\\Tavrel\\\\Brisko2\\\\carol\\\\Preferences] 1700000000\n"
               "\"ContactSoundMaxTime\"=dword:0000001e\n\"NickNameSeparator\"=\" - \"\n\"IconShowDelay\"=dword:00000064\n");
    RegistryChoice source = openRegistryFor(elsewhere.file("user.reg"));
    ASSERT_TRUE(source.registry && !source.throughBridge) << englishText(source.error);
    ::setenv("FETTLEKIT_BRIDGE", FK_BRIDGE_EXE, 1);
    RegistryChoice live = openRegistryFor(g_prefix + "/user.reg");
    ::unsetenv("FETTLEKIT_BRIDGE");
    ASSERT_TRUE(live.registry && live.throughBridge) << englishText(live.error) << englishText(live.bridgeError);
    const std::string prefs = "carol\\Preferences";
    const auto differences = copyDifferences(*source.registry, prefs, *live.registry, prefs, false);
    ASSERT_EQ(differences.size(), 3u);
    ApplyFailure failure;
    // IconShowDelay left out, as a user unticks it.
    ASSERT_TRUE(applyChanges(*live.registry, chosenChanges(differences, {0, 2}), false, failure)) << failure.setting;
    const std::string listing = wineListing("HKCU\\Software\\Tavrel\\Brisko2\\carol\\Preferences");
    for (const char* line : {"    ContactSoundMaxTime    REG_DWORD    0x1e\n", "    NickNameSeparator    REG_SZ     - \n"})
        EXPECT_NE(listing.find(line), std::string::npos) << listing;
    EXPECT_EQ(listing.find("IconShowDelay"), std::string::npos) << listing;
    live.registry.reset();
    shell("wineserver -k15; wineserver -w");
    const std::string saved = readBytes(g_prefix + "/user.reg");
    const size_t key = saved.find("[Software\\\\Tavrel\\\\Brisko2\\\\carol\\\\Preferences]");
    ASSERT_NE(key, std::string::npos);
    const std::string section = saved.substr(key, saved.find("\n\n", key) - key);
    EXPECT_NE(section.find("\"ContactSoundMaxTime\"=dword:0000001e"), std::string::npos) << section;
    EXPECT_NE(section.find("\"NickNameSeparator\"=\" - \""), std::string::npos) << section;
    EXPECT_EQ(section.find("IconShowDelay"), std::string::npos) << section;
    shell("wineserver -p");  // running again for the cases after this one
}

}  // namespace
}  // namespace fk::test
