// Writes while Wine runs with a /tmp of its own: a wineserver started in a
// private mount namespace whose /tmp is another folder, as sandboxed Wine
// front-ends start it. fettlekit-reg and the window's store write; Wine
// exits; every write reported done must then be in user.reg and every
// refused one must not. First on a fresh prefix that has no user.reg yet,
// then on the same prefix once Wine has written it, with Wine in a user
// namespace of its own too.
#include "HiveRegistry.h"
#include "HiveTestFiles.h"
#include "OpenRegistry.h"
#include "PreferenceStore.h"
#include "WineServer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fk::test {
namespace {

namespace fs = std::filesystem;
using namespace fk::reg;

const std::string Prefs = "Software\\Tavrel\\Brisko2\\Nobody\\Preferences";

// Every wineserver, in any mount namespace, working in this prefix's server
// folder: found here without the code under test.
std::vector<int> serversOf(const std::string& prefix) {
    std::vector<int> pids;
    struct stat st {};
    if (::stat(prefix.c_str(), &st) != 0) return pids;
    char name[64];
    std::snprintf(name, sizeof name, "/server-%llx-%llx", static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::error_code error;
        std::string cwd = fs::read_symlink(entry.path() / "cwd", error).string();
        if (!error && cwd.ends_with(name) && readBytes(entry.path() / "comm").starts_with("wineserver"))
            pids.push_back(std::stoi(entry.path().filename()));
    }
    return pids;
}

// The prefix lives outside /tmp, so that the sandbox sees it at our path.
class Sandbox : public testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(fs::exists(FK_BRIDGE_EXE)) << FK_BRIDGE_EXE << " is missing: build it with scripts/test-windows";
        root = std::make_unique<TempFolder>("/var/tmp/fk-sandbox-XXXXXX");
        hidden = std::make_unique<TempFolder>();  // in our /tmp, which the sandbox cannot see
        folder = root->path();
        prefix = folder + "/prefix";
        fs::create_directories(prefix);
        fs::create_directories(folder + "/tmp");
        hiddenBridge = hidden->file("fettlekit-bridge.exe");
        fs::copy_file(FK_BRIDGE_EXE, hiddenBridge);
        // The build tree may itself sit in our /tmp (a fresh clone under mktemp does).
        bridge = root->file("fettlekit-bridge.exe");
        fs::copy_file(FK_BRIDGE_EXE, bridge);
        Ran probe = shell("unshare -U -r -m sh -c " + quote(namespaceSetUp() + " && true"), true);
        canSandbox = probe.rc == 0;
        whyNot = probe.out;
    }
    void TearDown() override {
        stopWine();
        root.reset();
        hidden.reset();
    }

    std::string namespaceSetUp() const {
        return "mount --make-rprivate / && mount --bind " + quote(folder + "/tmp") + " /tmp";
    }

    // `ownUsers`: in a user namespace of its own too, as sandboxes made
    // without root are.
    bool startWine(bool ownUsers) {
        // The server leaves the shell at once and stays: keep it off our pipes.
        std::string start = "WINEPREFIX=" + quote(prefix) + " WINEDEBUG=-all unshare " + (ownUsers ? "-U -r " : "") +
                            "-m sh -c " + quote(namespaceSetUp() + " && exec wineserver -p") +
                            " </dev/null >/dev/null 2>&1";
        if (std::system(start.c_str()) != 0) return false;
        for (int i = 0; i < 100 && pid == 0; ++i) {
            auto found = serversOf(prefix);
            if (found.empty())
                ::usleep(100 * 1000);
            else
                pid = found[0];
        }
        return pid != 0;
    }

    // As Wine ends on its own: the server saves the registry and exits. It
    // has a current folder until it has gone.
    void stopWine() {
        if (pid == 0) return;
        ::kill(pid, SIGTERM);
        std::error_code gone;
        for (int i = 0; i < 300 && !gone; ++i) {
            (void)fs::read_symlink("/proc/" + std::to_string(pid) + "/cwd", gone);
            if (!gone) ::usleep(100 * 1000);
        }
        pid = 0;
        endProgramsOf(prefix);
    }

    // Wine's own programs (services, explorer...) outlive a server ended by
    // a signal and would pile up, run after run.
    static void endProgramsOf(const std::string& prefix) {
        const std::string mark = std::string("\0WINEPREFIX=", 12) + prefix + '\0';
        for (const auto& entry : fs::directory_iterator("/proc"))
            if (('\0' + readBytes(entry.path() / "environ")).find(mark) != std::string::npos)
                ::kill(std::stoi(entry.path().filename()), SIGKILL);
    }

    std::unique_ptr<TempFolder> root, hidden;
    std::string folder, prefix, bridge, hiddenBridge, whyNot;
    bool canSandbox = false;
    int pid = 0;  // the sandboxed wineserver
};

Sandbox* const g_sandbox = static_cast<Sandbox*>(testing::AddGlobalTestEnvironment(new Sandbox));

struct Write {
    std::string value;  // its name, and the number stored
    bool done;
    std::string said;  // what the user was told
};

Ran regAdd(const std::string& bridge, const std::string& name, int number) {
    return shell("FETTLEKIT_BRIDGE=" + quote(bridge) + " " + quote(FK_REG_TOOL) + " add " + quote("HKCU\\" + Prefs) +
               " /v " + name + " /t REG_DWORD /d " + std::to_string(number) + " /f --registry " +
               quote(g_sandbox->prefix + "/user.reg"), true);
}

// One number through the preference store, as the window's "Change" writes it.
Write change(Registry& registry, const std::string& name, int number, const std::string& said) {
    int failures = 0;
    PreferenceStore store(registry, [&] { ++failures; });
    Key key = 0;
    registry.RegCreateKeyExA(CurrentUser, Prefs.c_str(), 0, "", 0, KeyAllAccess, nullptr, &key, nullptr);
    const bool done = store.writeNumber(key, name, number);
    registry.RegCloseKey(key);
    EXPECT_EQ(failures, done ? 0 : 1);
    return {name, done, said + (done ? "saved" : "Setting not saved.")};
}

// The window started with this bridge at hand, then one "Change".
Write startAndChange(const std::string& bridge, const std::string& name, int number) {
    ::setenv("FETTLEKIT_BRIDGE", bridge.c_str(), 1);
    RegistryChoice opened = openRegistryFor(g_sandbox->prefix + "/user.reg");
    ::unsetenv("FETTLEKIT_BRIDGE");
    std::string said = opened.bridgeError.empty() ? "" : opened.bridgeError + "; ";
    if (!opened.registry) return {name, false, said + opened.error};
    return change(*opened.registry, name, number, said + (opened.throughBridge ? "through the bridge: " : ""));
}

// Writes refused, then done, while the sandboxed Wine runs; Wine exits; the
// file must hold exactly the writes reported done.
void writeWhileWineRuns(const std::string& tag, bool ownUsers) {
    Sandbox& box = *g_sandbox;
    if (!box.canSandbox)
        GTEST_SKIP() << "no private mount namespace can be made here (unshare -U -r -m failed): " << box.whyNot;
    // The window, opened on the file before Wine started, writes after.
    std::unique_ptr<Registry> early;
    if (fs::exists(box.prefix + "/user.reg")) early = openRegistryFor(box.prefix + "/user.reg").registry;
    ASSERT_TRUE(box.startWine(ownUsers)) << "the sandboxed wineserver did not start";
    wine::WineServer seen = wine::findWineServer(box.prefix);
    EXPECT_TRUE(seen.running && seen.sandboxed && seen.pid == box.pid) << "the sandboxed wineserver was not found";

    std::vector<Write> writes;
    Ran refused = regAdd(box.hiddenBridge, "RegRefused" + tag, 1);
    writes.push_back({"RegRefused" + tag, refused.rc == 0, refused.out});
    EXPECT_NE(refused.out.find("cannot be seen by wineserver"), std::string::npos) << refused.out;
    writes.push_back(startAndChange(box.hiddenBridge, "StoreRefused" + tag, 2));
    EXPECT_NE(writes.back().said.find("cannot be seen by wineserver"), std::string::npos) << writes.back().said;

    if (early)
        writes.push_back(change(*early, "EarlyStoreRefused" + tag, int(writes.size() + 1), "opened before Wine: "));
    const int next = int(writes.size() + 1);
    Ran done = regAdd(box.bridge, "RegDone" + tag, next);
    writes.push_back({"RegDone" + tag, done.rc == 0, done.out});
    writes.push_back(startAndChange(box.bridge, "StoreDone" + tag, next + 1));
    EXPECT_EQ(serversOf(box.prefix).size(), 1u) << "a second wineserver serves the prefix";
    box.stopWine();

    auto hive = openHiveRegistry(box.prefix + "/user.reg");
    ASSERT_TRUE(hive.registry) << hive.error;
    PreferenceStore reader(*hive.registry, [] {});
    Key key = 0;  // stays 0, and nothing is found, when Wine saved no such key
    hive.registry->RegOpenKeyExA(CurrentUser, Prefs.c_str(), 0, KeyRead, &key);
    for (size_t i = 0; i < writes.size(); ++i) {
        const Write& w = writes[i];
        std::int32_t stored = 0;
        bool inFile = reader.readNumber(key, w.value, stored);
        std::printf("%s: %s, %s in user.reg after Wine exited; told: %s\n", w.value.c_str(),
                    w.done ? "reported done" : "refused", inFile ? "found" : "not found", w.said.c_str());
        EXPECT_EQ(w.done, w.value.find("Done") != std::string::npos) << w.value << ": " << w.said;
        EXPECT_EQ(inFile, w.done) << w.value;
        if (inFile) EXPECT_EQ(stored, std::int32_t(i + 1)) << w.value;
    }
    hive.registry->RegCloseKey(key);
}

TEST(SandboxedWine, AFirstStartWithNoUserRegYetGoesThroughTheBridge) {
    ASSERT_FALSE(fs::exists(g_sandbox->prefix + "/user.reg"));
    writeWhileWineRuns("First", false);
}

TEST(SandboxedWine, EveryWriteReportedDoneOutlivesWinesOwnSave) {
    if (g_sandbox->canSandbox) ASSERT_TRUE(fs::exists(g_sandbox->prefix + "/user.reg"));
    writeWhileWineRuns("Again", true);
}

}  // namespace
}  // namespace fk::test
