// Two fettlekit-reg processes and the program's own store write to one hive
// file at the same time. Every write must survive with its last value, and
// the file must stay one a fresh reader accepts.
#include "HiveRegistry.h"
#include "HiveTestFiles.h"
#include "PreferenceStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fk {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int WritesEach = 1000;
constexpr int NamesEach = 100;  // each writer cycles over its own names, so later writes overwrite earlier ones
// Process launches are slow on a loaded machine; past this they stop and
// the test checks what they did.
constexpr auto LaunchBudget = std::chrono::seconds(40);
constexpr const char* Root = "Software\\Tavrel\\Brisko2";

std::string valueName(int write) {
    char name[8];
    std::snprintf(name, sizeof name, "V%03d", write % NamesEach);
    return name;
}

// The last value each name got from writes 0..count-1, where write i stores i.
std::map<std::string, std::uint32_t> lastValues(int count) {
    std::map<std::string, std::uint32_t> last;
    for (int i = 0; i < count; ++i) last[valueName(i)] = std::uint32_t(i);
    return last;
}

// Runs fettlekit-reg once, quietly; its exit status, or -1.
int runReg(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(FK_REG_TOOL));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, FK_REG_TOOL, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct LaunchRun {
    std::string subKey;
    std::atomic<int> done{0};
    std::vector<int> failed;  // write numbers whose launch did not succeed
    double seconds = 0;
    std::atomic<bool> finished{false};
};

void launchWrites(const std::string& hive, LaunchRun& run, Clock::time_point deadline) {
    const auto start = Clock::now();
    const std::string key = std::string("HKCU\\") + Root + "\\" + run.subKey;
    for (int i = 0; i < WritesEach && Clock::now() < deadline; ++i) {
        if (runReg({"add", key, "/v", valueName(i), "/t", "REG_DWORD", "/d", std::to_string(i), "/f", "--registry",
                    hive}) != 0)
            run.failed.push_back(i);
        run.done = i + 1;
    }
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.finished = true;
}

// Every expected value is there with its number, and nothing else is.
void expectValues(reg::Registry& registry, const std::string& subKey, const std::map<std::string, std::uint32_t>& expected) {
    SCOPED_TRACE(subKey);
    reg::Key key = 0;
    ASSERT_EQ(registry.RegOpenKeyExA(reg::CurrentUser, (std::string(Root) + "\\" + subKey).c_str(), 0, reg::KeyRead,
                                     &key),
              reg::Success);
    int wrong = 0;
    for (const auto& [name, value] : expected) {
        std::uint32_t type = 0, data = 0, size = 4;
        const long rc = registry.RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                                  reinterpret_cast<std::uint8_t*>(&data), &size);
        if (rc != reg::Success || type != reg::TypeDword || data != value) {
            if (++wrong <= 5) ADD_FAILURE() << name << ": status " << rc << ", " << data << " instead of " << value;
        }
    }
    EXPECT_EQ(wrong, 0);
    std::uint32_t count = 0;
    for (;; ++count) {
        char name[256];
        std::uint32_t length = sizeof name;
        if (registry.RegEnumValueA(key, count, name, &length, nullptr, nullptr, nullptr, nullptr) != reg::Success)
            break;
    }
    EXPECT_EQ(count, expected.size());
    registry.RegCloseKey(key);
}

size_t occurrences(const std::string& text, const std::string& piece) {
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size())) ++n;
    return n;
}

TEST(ConcurrentWriters, TwoRegProcessesAndTheStoreLoseNoWrite) {
    test::TempFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const std::string hive = folder.path() + "/user.reg";
    test::writeBytes(hive, "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
                           "#arch=win32\n\n[Software\\\\Tavrel\\\\Brisko2] 1700000000\n#time=1d9f0c6b1a2b3c4\n"
                           "\"DefaultConfiguration\"=\"alice\"\n\n");

    // The program's side: its store on a key of its own, opened before the others start.
    auto opened = reg::openHiveRegistry(hive);
    ASSERT_NE(opened.registry, nullptr) << opened.error;
    reg::Registry& registry = *opened.registry;
    int failedSaves = 0;
    PreferenceStore store(registry, [&] { ++failedSaves; });
    reg::Key storeKey = 0;
    ASSERT_EQ(registry.RegCreateKeyExA(reg::CurrentUser, (std::string(Root) + "\\alice\\Preferences").c_str(), 0,
                                       nullptr, 0, reg::KeyAllAccess, nullptr, &storeKey, nullptr),
              reg::Success);

    const auto start = Clock::now();
    const auto deadline = start + LaunchBudget;
    LaunchRun first{"regA"}, second{"regB"};
    std::thread a(launchWrites, hive, std::ref(first), deadline);
    std::thread b(launchWrites, hive, std::ref(second), deadline);

    std::vector<int> refused;
    int storeOverlap = 0;  // store writes made while a launcher still ran
    const auto storeStart = Clock::now();
    for (int i = 0; i < WritesEach; ++i) {
        if (!store.writeNumber(storeKey, valueName(i), i)) refused.push_back(i);
        if (!first.finished || !second.finished) ++storeOverlap;
    }
    const double storeSeconds = std::chrono::duration<double>(Clock::now() - storeStart).count();
    const int launchedDuringStore[2] = {first.done, second.done};
    a.join();
    b.join();
    const double totalSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    registry.RegCloseKey(storeKey);
    EXPECT_EQ(registry.openHandleCount(), 0);

    std::printf("[ figures  ] store: %d writes in %.1f s (%d while a launcher ran); regA: %d launches in %.1f s "
                "(%d during the store's writes); regB: %d launches in %.1f s (%d during); all done in %.1f s\n",
                WritesEach, storeSeconds, storeOverlap, first.done.load(), first.seconds, launchedDuringStore[0],
                second.done.load(), second.seconds, launchedDuringStore[1], totalSeconds);
    ::testing::Test::RecordProperty("regA_launches", first.done.load());
    ::testing::Test::RecordProperty("regB_launches", second.done.load());

    EXPECT_TRUE(refused.empty()) << refused.size() << " store writes refused, first " << refused.front();
    EXPECT_EQ(failedSaves, int(refused.size()));
    EXPECT_TRUE(first.failed.empty()) << first.failed.size() << " regA launches failed";
    EXPECT_TRUE(second.failed.empty()) << second.failed.size() << " regB launches failed";
    // Under a sanitizer on a loaded machine a launch can take half a
    // second; what matters is that the three really wrote at the same time.
    EXPECT_GE(first.done.load(), 10);
    EXPECT_GE(second.done.load(), 10);
    EXPECT_GT(launchedDuringStore[0], 0) << "regA wrote nothing while the store did";
    EXPECT_GT(launchedDuringStore[1], 0) << "regB wrote nothing while the store did";
    EXPECT_GT(storeOverlap, 0) << "the store finished before any launch did";

    // A fresh reader accepts the file and finds every last value.
    auto reread = reg::openHiveRegistry(hive);
    ASSERT_NE(reread.registry, nullptr) << reread.error;
    expectValues(*reread.registry, "alice\\Preferences", lastValues(WritesEach));
    expectValues(*reread.registry, "regA", lastValues(first.done.load()));
    expectValues(*reread.registry, "regB", lastValues(second.done.load()));

    // One section per key, the header first, the untouched value kept, and
    // no half-written file left beside it.
    const std::string text = test::readBytes(hive);
    EXPECT_EQ(text.rfind("WINE REGISTRY Version 2\n", 0), 0u);
    EXPECT_EQ(occurrences(text, "[Software\\\\Tavrel\\\\Brisko2\\\\regA]"), 1u);
    EXPECT_EQ(occurrences(text, "[Software\\\\Tavrel\\\\Brisko2\\\\regB]"), 1u);
    EXPECT_EQ(occurrences(text, "[Software\\\\Tavrel\\\\Brisko2\\\\alice\\\\Preferences]"), 1u);
    EXPECT_EQ(occurrences(text, "\"DefaultConfiguration\"=\"alice\""), 1u);
    std::vector<std::string> beside;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        beside.push_back(entry.path().filename().string());
    std::sort(beside.begin(), beside.end());
    EXPECT_EQ(beside, (std::vector<std::string>{"user.reg", "user.reg.fettlekit-lock"}));
}

}  // namespace
}  // namespace fk
