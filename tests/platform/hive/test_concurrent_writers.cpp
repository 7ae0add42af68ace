// SPDX-License-Identifier: GPL-3.0-or-later
// Two fettlekit-reg processes and the program's own store write to one hive
// file at the same time. Every write must survive with its last value, and
// the file must stay one a fresh reader accepts.
#include "platform/hive/HiveRegistry.h"
#include "platform/registry/KeyHandle.h"
#include "store/PreferenceStore.h"
#include "support/OpenedHive.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace fk {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int WritesEach = 150;
constexpr int NamesEach = 100;  // each writer cycles over its names: later writes overwrite earlier ones
// Launches are slow on a loaded machine; past this they stop and the test
// checks what they did.
constexpr auto LaunchBudget = std::chrono::seconds(20);
const std::string Root = "Software\\Tavrel\\Brisko2\\";

std::string valueName(int write) { return "V" + std::to_string(write % NamesEach); }

// fettlekit-reg, quietly; true when it succeeded.
bool regAdd(const std::string& key, int i, const std::string& hive) {
    return test::shell(test::quote(FK_REG_TOOL) + " add " + test::quote(key) + " /v " + valueName(i) +
                       " /t REG_DWORD /d " + std::to_string(i) + " /f --registry " + test::quote(hive))
               .rc == 0;
}

struct Launcher {
    std::string subKey;
    std::atomic<int> done{0}, failed{0};
    std::atomic<bool> finished{false};
    void run(const std::string& hive, Clock::time_point deadline) {
        for (int i = 0; i < WritesEach && Clock::now() < deadline; done = ++i) failed += !regAdd("HKCU\\" + Root + subKey, i, hive);
        finished = true;
    }
};

// Every name holds the last of writes 0..count-1 (write i stores i), and nothing else is there.
void expectLastValues(reg::Registry& registry, const std::string& subKey, int count) {
    SCOPED_TRACE(subKey);
    const reg::KeyHandle handle = reg::KeyHandle::open(registry, reg::CurrentUser, Root + subKey, reg::KeyRead);
    ASSERT_TRUE(handle.ok());
    const reg::Key key = handle.get();
    int wrong = 0;
    for (int i = std::max(0, count - NamesEach); i < count; ++i) {
        std::uint32_t type = 0, data = 0, size = 4;
        wrong += registry.RegQueryValueExA(key, valueName(i).c_str(), nullptr, &type,
                                           reinterpret_cast<std::uint8_t*>(&data), &size) != reg::Success ||
                 type != reg::TypeDword || data != std::uint32_t(i);
    }
    EXPECT_EQ(wrong, 0);
    char name[256];
    std::uint32_t length = sizeof name;
    EXPECT_EQ(registry.RegEnumValueA(key, std::uint32_t(std::min(count, NamesEach)), name, &length, nullptr, nullptr,
                                     nullptr, nullptr),
              reg::NoMoreItems);
}

TEST(ConcurrentWriters, TwoRegProcessesAndTheStoreLoseNoWrite) {
    test::TempFolder folder;
    const std::string hive = folder.file("user.reg");
    const auto registry = test::openHiveFile(hive, "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
                                                  "#arch=win32\n\n[Software\\\\Tavrel\\\\Brisko2] 1700000000\n"
                                                  "#time=1d9f0c6b1a2b3c4\n\"DefaultConfiguration\"=\"alice\"\n\n");
    PreferenceStore store(*registry, [] {});  // a refused write shows in writeNumber's answer
    const reg::KeyHandle handle = reg::KeyHandle::create(*registry, reg::CurrentUser,
                                                         (Root + "alice\\Preferences").c_str(), nullptr,
                                                         reg::KeyAllAccess, nullptr);
    ASSERT_TRUE(handle.ok());
    const reg::Key storeKey = handle.get();

    const auto deadline = Clock::now() + LaunchBudget;
    Launcher first{"regA"}, second{"regB"};
    std::thread a([&] { first.run(hive, deadline); }), b([&] { second.run(hive, deadline); });
    int refused = 0, overlap = 0;  // store writes refused, and made while a launcher ran
    for (int i = 0; i < WritesEach; ++i) {
        refused += !store.writeNumber(storeKey, valueName(i), i);
        overlap += !first.finished || !second.finished;
        if (i % 10 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const int launchedMeanwhile[2] = {first.done, second.done};
    a.join();
    b.join();
    std::printf("[ figures  ] regA %d and regB %d launches, %d and %d during the store's %d writes\n", first.done.load(),
                second.done.load(), launchedMeanwhile[0], launchedMeanwhile[1], WritesEach);
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(first.failed + second.failed, 0);
    // What matters is that the three really wrote at the same time.
    EXPECT_GT(launchedMeanwhile[0] + launchedMeanwhile[1], 0) << "no launch wrote while the store did";
    EXPECT_GT(overlap, 0) << "the store finished before any launch did";

    const auto reread = test::openHiveFile(hive);
    expectLastValues(*reread, "alice\\Preferences", WritesEach);
    expectLastValues(*reread, "regA", first.done);
    expectLastValues(*reread, "regB", second.done);
    const std::string text = test::readBytes(hive);
    EXPECT_NE(text.find("\"DefaultConfiguration\"=\"alice\""), std::string::npos);
    // No half-written file left beside it.
    EXPECT_EQ(test::folderNames(folder.path()), (std::set<std::string>{"user.reg", "user.reg.fettlekit-lock"}));
}

}  // namespace
}  // namespace fk
