// SPDX-License-Identifier: GPL-3.0-or-later
// Writes while Wine runs in a sandbox: a wineserver started in namespaces
// of its own (mount, PID, network, IPC, UTS, cgroup) with a /tmp of its
// own, which sees the prefix only by a path of its own and the bridge
// nowhere, as sandboxed Wine front-ends start it, with LD_PRELOAD set in
// there. fettlekit-reg and the window's store write through the bridge,
// which must run confined as the sandbox's own programs; Wine exits; every
// write reported done must then be in user.reg and every refused one must
// not. First root with a private /tmp on a fresh prefix with no user.reg
// yet; then a normal user (one made here when we are root) whose sandbox
// has a user namespace of its own. Beside them, traps in /tmp and in the
// prefix that hang a writer that opens what it should not.
#include "platform/bridge/OpenRegistry.h"
#include "platform/bridge/WineBridge.h"
#include "platform/registry/KeyHandle.h"
#include "platform/wine/WineServer.h"
#include "store/PreferenceStore.h"
#include "support/ChildProcesses.h"
#include "support/OpenedHive.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fk::test {
namespace {

namespace fs = std::filesystem;
using namespace fk::reg;

const std::string Prefs = "Software\\Tavrel\\Brisko2\\Nobody\\Preferences";

std::string serverNameOf(const std::string& prefix) {
    struct stat st {};
    ::stat(prefix.c_str(), &st);
    char name[64];
    std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    return name;
}

// Every wineserver, in any namespace, working in this prefix's server
// folder or, while it saves, in the prefix: found here without the code
// under test.
std::vector<int> serversOf(const std::string& prefix) {
    std::vector<int> pids;
    const std::string name = "/" + serverNameOf(prefix);
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::error_code error, notPrefix;
        std::string cwd = fs::read_symlink(entry.path() / "cwd", error).string();
        if (!error && (cwd.ends_with(name) || fs::equivalent(entry.path() / "cwd", prefix, notPrefix)) &&
            readBytes(entry.path() / "comm").starts_with("wineserver"))
            pids.push_back(std::stoi(entry.path().filename()));
    }
    return pids;
}

// The folder lives outside /tmp, so that we see the sandbox's /tmp in it.
// The sandbox's root is a folder in it that holds the system's programs,
// its own /tmp and, in there, the prefix at /tmp/prefix and the link
// /tmp/pfx to it; nothing else of ours. A normal user made when we are root
// runs this very program again on the same folder, named in
// FK_SANDBOX_FOLDER.
class Sandbox : public testing::Environment {
public:
    void SetUp() override {
        const char* given = std::getenv("FK_SANDBOX_FOLDER");
        if (given) {
            folder = given;
        } else {
            ASSERT_TRUE(fs::exists(FK_BRIDGE_EXE)) << FK_BRIDGE_EXE << " is missing: run scripts/test-windows";
            root = std::make_unique<TempFolder>("/var/tmp/fk-sandbox-XXXXXX");
            folder = root->path();
            fs::permissions(folder, fs::perms(0755));
            fs::create_directories(folder + "/prefix");
            fs::create_directories(folder + "/tmp/prefix");
            fs::create_symlink("/tmp/prefix", folder + "/tmp/pfx");
            for (const char* name : {"tmp", "proc", "usr", "etc", "dev", "bin", "lib", "lib64", "sbin"}) {
                const fs::path system = fs::path("/") / name, ours = folder + "/root/" + name;
                if (fs::is_symlink(system))
                    fs::create_symlink(fs::read_symlink(system), ours);
                else if (fs::exists(system))
                    fs::create_directories(ours);
            }
            fs::create_directories(folder + "/bin");
            for (const std::string program : {FK_BRIDGE_EXE, FK_REG_TOOL, "/proc/self/exe"})
                fs::copy_file(program, bin(fs::path(program).filename() == "exe" ? "test_wine_sandbox" : program));
            if (::getuid() == 0) makeUser();
        }
        prefix = folder + "/prefix";
        hidden = std::make_unique<TempFolder>();  // in our /tmp, which the sandbox cannot see
        bridge = hidden->file("fettlekit-bridge.exe");
        fs::copy_file(bin(FK_BRIDGE_EXE), bridge);
        Ran probe = shell("unshare -U -r -m sh -c " + quote(mounts() + " && true"), true);
        canSandbox = probe.rc == 0;
        whyNot = probe.out;
    }
    void TearDown() override {
        stopWine();
        hidden.reset();
        if (!user.empty()) shell("userdel " + user);
        root.reset();
    }

    std::string bin(const std::string& program) const {
        return folder + "/bin/" + fs::path(program).filename().string();
    }

    // A user of our own, for the cases a normal user meets.
    void makeUser() {
        user = "fk-sandbox-" + std::to_string(::getpid());
        Ran made = shell("useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin " + user, true);
        ASSERT_EQ(made.rc, 0) << made.out;
        const passwd* entry = ::getpwnam(user.c_str());
        ASSERT_TRUE(entry);
        userId = entry->pw_uid;
        groupId = entry->pw_gid;
    }

    // `command` run as the user made here.
    std::string asUser(const std::string& command) const {
        return "setpriv --reuid=" + std::to_string(userId) + " --regid=" + std::to_string(groupId) +
               " --clear-groups sh -c " + quote(command);
    }

    std::string mounts() const {
        std::string binds = "mount --make-rprivate /";
        for (const char* name : {"usr", "etc", "dev", "bin", "lib", "lib64", "sbin"})
            if (!fs::is_symlink(folder + "/root/" + name) && fs::exists(folder + "/root/" + name))
                binds += std::string(" && mount --rbind /") + name + " " + quote(folder + "/root/" + name);
        return binds + " && mount --bind " + quote(folder + "/tmp") + " " + quote(folder + "/root/tmp") +
               " && mount --bind " + quote(prefix) + " " + quote(folder + "/root/tmp/prefix");
    }

    // Root's sandbox is namespaces and a root of its own; a normal user's
    // has a user namespace too, in which the user keeps their own id.
    bool startWine() {
        const std::string users = ::getuid() == 0 ? "" : "--user --map-user=" + std::to_string(::getuid()) +
                                                              " --map-group=" + std::to_string(::getgid()) + " ";
        const std::string server = "unshare " + users +
                                   "--pid --fork --mount-proc --net --ipc --uts --cgroup --root=" +
                                   quote(folder + "/root") +
                                   " env -i PATH=/usr/bin:/bin HOME=/tmp WINEPREFIX=/tmp/pfx WINEDEBUG=-all "
                                   "LD_PRELOAD=/nonexistent/fk-preload.so FK_SANDBOX_ONLY=1 wineserver -f -p";
        const std::string start = (::getuid() == 0 ? "unshare --mount" : "unshare --user --map-root-user --mount") +
                                  (" sh -c " + quote(mounts() + " && exec " + server));
        // The server stays: keep it off our pipes.
        if (std::system(("(" + start + ") </dev/null >/dev/null 2>&1 &").c_str()) != 0) return false;
        for (int i = 0; i < 100 && pid == 0; ++i)
            if (const auto found = serversOf(prefix); !found.empty()) pid = found[0];
            else ::usleep(100 * 1000);
        return pid != 0;
    }

    // As Wine ends on its own: the server saves the registry and exits,
    // and its PID namespace with it. It has a current folder until then.
    void stopWine() {
        if (pid == 0) return;
        ::kill(pid, SIGTERM);
        std::error_code gone;
        for (int i = 0; i < 300 && !gone; ++i) {
            (void)fs::read_symlink("/proc/" + std::to_string(pid) + "/cwd", gone);
            if (!gone) ::usleep(100 * 1000);
        }
        pid = 0;
    }

    std::unique_ptr<TempFolder> root, hidden;
    std::string folder, prefix, bridge, whyNot, user;
    uid_t userId = 0;
    gid_t groupId = 0;
    bool canSandbox = false;
    int pid = 0;  // the sandboxed wineserver
};

Sandbox* const g_sandbox = static_cast<Sandbox*>(testing::AddGlobalTestEnvironment(new Sandbox));

struct Write {
    std::string value;  // its name, and the number stored
    bool done;
    std::string said;  // what the user was told
};

std::string regAdd(const std::string& hive, const std::string& name, int number) {
    return "env FETTLEKIT_BRIDGE=" + quote(g_sandbox->bridge) + " " + quote(g_sandbox->bin(FK_REG_TOOL)) + " add " +
           quote("HKCU\\" + Prefs) + " /v " + name + " /t REG_DWORD /d " + std::to_string(number) +
           " /f --registry " + quote(hive);
}

// One number through the preference store, as the window's "Change" writes it.
Write change(Registry& registry, const std::string& name, int number, const std::string& said) {
    int failures = 0;
    PreferenceStore store(registry, [&] { ++failures; });
    const bool done = store.writeNumber(KeyHandle::create(registry, CurrentUser, Prefs).get(), name, number);
    EXPECT_EQ(failures, done ? 0 : 1);
    return {name, done, said + (done ? "saved" : "Setting not saved.")};
}

std::string link(int pid, const std::string& name) {
    std::error_code error;
    return fs::read_symlink("/proc/" + std::to_string(pid) + "/" + name, error).string();
}

// The bridge runs as the sandbox's own programs: in all of the server's
// namespaces and its root, in a session of its own with no terminal, no
// new privileges, no capabilities, and none of the sandbox's variables but
// those Wine needs.
void expectConfined(int bridge, int server) {
    ASSERT_GT(bridge, 0) << "no bridge runs below this test";
    for (const char* ns : {"ns/user", "ns/mnt", "ns/pid", "ns/net", "ns/ipc", "ns/uts", "ns/cgroup"})
        EXPECT_EQ(link(bridge, ns), link(server, ns)) << ns;
    EXPECT_TRUE(fs::equivalent("/proc/" + std::to_string(bridge) + "/root", "/proc/" + std::to_string(server) + "/root"))
        << "another root";
    const std::string status = readBytes("/proc/" + std::to_string(bridge) + "/status");
    for (const char* line : {"NoNewPrivs:\t1\n", "CapEff:\t0000000000000000\n", "CapBnd:\t0000000000000000\n"})
        EXPECT_NE(status.find(line), std::string::npos) << line << status;
    const std::string stat = readBytes("/proc/" + std::to_string(bridge) + "/stat");
    int session = 0, terminal = -1;
    std::sscanf(stat.c_str() + stat.rfind(')') + 1, " %*c %*d %*d %d %d", &session, &terminal);
    EXPECT_NE(session, ::getsid(0));
    EXPECT_EQ(terminal, 0);
    const std::string environment = '\0' + readBytes("/proc/" + std::to_string(bridge) + "/environ");
    for (const char* name : {"LD_PRELOAD=", "FK_SANDBOX_ONLY="})
        EXPECT_EQ(environment.find('\0' + std::string(name)), std::string::npos) << name;
}

// The window started with the bridge in our /tmp, then one "Change".
Write startAndChange(const std::string& name, int number) {
    ::setenv("FETTLEKIT_BRIDGE", g_sandbox->bridge.c_str(), 1);
    RegistryChoice opened = openRegistryFor(g_sandbox->prefix + "/user.reg");
    ::unsetenv("FETTLEKIT_BRIDGE");
    std::string said = opened.bridgeError ? englishText(opened.bridgeError) + "; " : "";
    if (!opened.registry) return {name, false, said + englishText(opened.error)};
    if (opened.throughBridge)
        expectConfined(fk::test::newestDescendantRunning("fettlekit-bridge"), g_sandbox->pid);
    return change(*opened.registry, name, number, said + (opened.throughBridge ? "through the bridge: " : ""));
}

// Writes while the sandboxed Wine runs: refused for a store opened on the
// file before Wine started, done through the bridge for the others; Wine
// exits; the file must hold exactly the writes reported done.
void writeWhileWineRuns(const std::string& tag) {
    Sandbox& box = *g_sandbox;
    if (!box.canSandbox)
        GTEST_SKIP() << "no private mount namespace can be made here (unshare -U -r -m failed): " << box.whyNot;
    std::unique_ptr<Registry> early;
    if (fs::exists(box.prefix + "/user.reg")) early = openRegistryFor(box.prefix + "/user.reg").registry;
    ASSERT_TRUE(box.startWine()) << "the sandboxed wineserver did not start";
    wine::WineServer seen = wine::findWineServer(box.prefix);
    EXPECT_TRUE(seen.running && seen.sandboxed && seen.pid == box.pid) << "the sandboxed wineserver was not found";

    std::vector<Write> writes;
    if (early) writes.push_back(change(*early, "EarlyStoreRefused" + tag, 1, "opened before Wine: "));
    const int next = int(writes.size() + 1);
    Ran done = shell(regAdd(box.prefix + "/user.reg", "RegDone" + tag, next), true);
    writes.push_back({"RegDone" + tag, done.rc == 0, done.out});
    writes.push_back(startAndChange("StoreDone" + tag, next + 1));
    EXPECT_EQ(serversOf(box.prefix).size(), 1u) << "a second wineserver serves the prefix";
    for (const auto& entry : fs::directory_iterator(box.prefix))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".fettlekit-bridge")) << entry.path();
    box.stopWine();

    const auto hive = openHiveFile(box.prefix + "/user.reg");
    PreferenceStore reader(*hive, [] {});
    // 0, and nothing is found, when Wine saved no such key.
    const KeyHandle key = KeyHandle::open(*hive, CurrentUser, Prefs, KeyRead);
    for (size_t i = 0; i < writes.size(); ++i) {
        const Write& w = writes[i];
        std::int32_t stored = 0;
        bool inFile = reader.readNumber(key.get(), w.value, stored);
        std::printf("%s: %s, %s in user.reg after Wine exited; told: %s\n", w.value.c_str(),
                    w.done ? "reported done" : "refused", inFile ? "found" : "not found", w.said.c_str());
        EXPECT_EQ(w.done, w.value.find("Done") != std::string::npos) << w.value << ": " << w.said;
        EXPECT_EQ(inFile, w.done) << w.value;
        if (inFile) {
            EXPECT_EQ(stored, std::int32_t(i + 1)) << w.value;
        }
    }
}

TEST(SandboxedWine, RootWithAPrivateTmpOnAFreshPrefix) {
    if (::getuid() != 0) GTEST_SKIP() << "needs root";
    ASSERT_FALSE(fs::exists(g_sandbox->prefix + "/user.reg"));
    writeWhileWineRuns("Root");
}

TEST(SandboxedWine, ANormalUserWhoseSandboxHasItsOwnUsers) {
    Sandbox& box = *g_sandbox;
    if (::getuid() != 0) return writeWhileWineRuns("User");
    // This very test again, as the user made for it, on the same prefix; its report is ours to write,
    // in a folder that user may not write to.
    shell("chown -R " + box.user + ": " + quote(box.prefix) + " " + quote(box.folder + "/tmp"));
    Ran ran = shell(box.asUser("GTEST_OUTPUT= FK_SANDBOX_FOLDER=" + quote(box.folder) + " " +
                               quote(box.bin("test_wine_sandbox")) +
                               " --gtest_filter=SandboxedWine.ANormalUser*"),
                    true);
    std::printf("%s", ran.out.c_str());
    EXPECT_EQ(ran.rc, 0) << "failed as user " << box.user;
    EXPECT_EQ(ran.out.find("SKIPPED"), std::string::npos) << "skipped as user " << box.user;
}

// Each row a trap, then one write with no Wine running, which must neither
// hang nor be refused: a FIFO where Debian's Wine names its server folder,
// a FIFO for the lock of a server folder in /tmp, ours or another user's,
// and another user's server folder whose lock they hold. Run by us, and by
// the user made here when we are root.
TEST(SandboxedWine, TrapsInTmpAndThePrefixNeitherHangNorRefuseAWrite) {
    Sandbox& box = *g_sandbox;
    for (const bool byUser : {false, true}) {
        if (byUser && box.user.empty()) break;
        const std::string traps = box.folder + (byUser ? "/traps-user" : "/traps");
        fs::create_directories(traps);
        writeBytes(traps + "/user.reg", "WINE REGISTRY Version 2\n");
        const std::string us = byUser ? box.user : "", them = byUser ? "" : box.user;  // "": whoever runs this
        if (byUser) shell("chown -R " + us + ": " + quote(traps));
        const std::string server = "/" + serverNameOf(traps) + "/lock";
        const std::string tmpWine = "/tmp/wine-fktrap" + std::to_string(::getpid());
        const std::string dotWine = "/tmp/.wine-" + std::to_string(byUser ? box.userId : ::getuid());
        struct Trap {
            std::string name, top, lock, owner;
            bool held;  // a lock file held by us, not a FIFO
        };
        std::vector<Trap> rows = {{"PrefixFifo", traps + "/wineserver", "", us, false},
                                  {"OurFifoLock", tmpWine, server, us, false}};
        if (!box.user.empty()) rows.push_back({"TheirFifoLock", tmpWine, server, them, false});
        if (byUser) rows.push_back({"TheirHeldLock", dotWine, server, them, true});
        for (const Trap& trap : rows) {
            ASSERT_FALSE(fs::exists(trap.top)) << trap.top;
            const std::string lock = trap.top + trap.lock;
            fs::create_directories(fs::path(lock).parent_path());
            const int made = trap.held ? ::open(lock.c_str(), O_RDWR | O_CREAT, 0644) : ::mkfifo(lock.c_str(), 0644);
            struct flock hold {};
            hold.l_type = F_WRLCK;
            ASSERT_EQ(trap.held ? ::fcntl(made, F_SETLK, &hold) : made, 0) << lock;
            if (!trap.owner.empty()) shell("chown -R " + trap.owner + ": " + quote(trap.top));
            const std::string add = "timeout 20 " + regAdd(traps + "/user.reg", trap.name, 1);
            Ran ran = shell(byUser ? box.asUser(add) : add, true);
            EXPECT_EQ(ran.rc, 0) << trap.name << (byUser ? " as a normal user" : "") << ": " << ran.out;
            if (trap.held) ::close(made);
            fs::remove_all(trap.top);
        }
    }
}

}  // namespace
}  // namespace fk::test
