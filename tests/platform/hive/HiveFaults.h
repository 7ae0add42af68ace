// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the hive fault tests share: a hive of any size, an editor of one
// key, a child process for limits and identities, and the failed save seen
// from inside it.
#include "platform/hive/HiveSession.h"
#include "platform/regfile/RegFileReader.h"
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Transaction.h"
#include "platform/wine/PrefixFinder.h"
#include "store/PreferenceStore.h"
#include "store/SettingsTransfer.h"
#include "support/OpenedHive.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <optional>
#include <set>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fk::test::faults {

using namespace fk::reg;

inline const std::string Brisko = "Software\\Tavrel\\Brisko2\\Nobody\\Preferences";

// A hive of `keys` filler keys before the key the tests write to; `broken`
// replaces the padding of the middle filler key, on line 8 + 4 * (keys / 2).
inline std::string hiveText(int keys = 0, const std::string& broken = {}) {
    std::string text =
        "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win64\n";
    for (int n = 0; n < keys; ++n) {
        char key[160];
        std::snprintf(key, sizeof key, "\n[Software\\\\Filler\\\\Key%05d] 1796496286\n#time=1dd84e8b351e1ae\n", n);
        text += key;
        text += n == keys / 2 && !broken.empty() ? broken : "\"Padding\"=\"" + std::string(200, 'x') + "\"\n";
    }
    text += "\n[Software\\\\Tavrel\\\\Brisko2\\\\Nobody\\\\Preferences] 1796496422\n#time=1dd84e9047bb56e\n"
            "\"ContactSoundMaxTime\"=dword:0000000c\n\"QuoteFormat\"=\"> %s\"\n";
    return text;
}
constexpr int BigHive = 6000;  // keys: about 1.6 MB, past what is checked whole when opened

// The registry calls the store makes, on one key.
struct Editor {
    std::unique_ptr<Registry> registry;
    KeyHandle key;  // closed before the registry goes

    explicit Editor(const std::string& path) {
        registry = fk::test::openHiveFile(path);
        key = KeyHandle::open(*registry, CurrentUser, Brisko, KeyAllAccess);
    }
    long setNumber(const char* name, std::int32_t v) {
        return registry->RegSetValueExA(key.get(), name, 0, TypeDword, reinterpret_cast<const std::uint8_t*>(&v), 4);
    }
    std::int32_t numberOr(const char* name, std::int32_t missing) {
        std::int32_t v = 0;
        std::uint32_t size = 4;
        long rc = registry->RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<std::uint8_t*>(&v), &size);
        return rc == Success ? v : missing;
    }
};

// Runs `body` in a child process, for limits and identities the test
// process must not take on. gtest reports nothing from a death test's child:
// its failed checks go to the standard error gtest shows, and fail the test.
inline void inChild(const std::function<void()>& body) {
    EXPECT_EXIT(
        {
            const ::testing::TestResult& result = *::testing::UnitTest::GetInstance()->current_test_info()->result();
            const int before = result.total_part_count();
            body();
            for (int i = before; i < result.total_part_count(); ++i)
                std::fprintf(stderr, "line %d: %s\n", result.GetTestPartResult(i).line_number(), result.GetTestPartResult(i).message());
            std::_Exit(result.total_part_count() > before);
        },
        ::testing::ExitedWithCode(0), "");
}

// A failed save, seen from the child that made it: the code, the file, the
// folder and what the registry still reads. Then the same save as the
// commit of a transaction of several changes, all of them forgotten.
inline void failedSave(const std::string& path, const std::string& before, long expected) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    Editor editor(path);
    { fk::files::WriterLock made(path); }  // the lock file, as any earlier write leaves it
    const auto listing = folderNames(folder);
    for (bool bulk : {false, true}) {
        SCOPED_TRACE(bulk ? "transaction" : "one call");
        std::optional<Transaction> transaction;
        if (bulk) transaction.emplace(*editor.registry);
        EXPECT_EQ(editor.setNumber("ContactSoundMaxTime", 99), bulk ? Success : expected);
        EXPECT_EQ(editor.setNumber("Added", 1), bulk ? Success : expected);
        EXPECT_EQ(bulk ? transaction->commit() : expected, expected);
        EXPECT_TRUE(readBytes(path) == before) << "the hive changed";
        EXPECT_EQ(folderNames(folder), listing);
        EXPECT_EQ(editor.numberOr("ContactSoundMaxTime", -1), 12) << "a read no longer gives the old value";
        EXPECT_EQ(editor.numberOr("Added", -1), -1);
    }
}

// A call's result, and what it said on standard error.
template <class Call> auto saying(Call call) {
    ::testing::internal::CaptureStderr();
    auto result = call();
    return std::pair(result, ::testing::internal::GetCapturedStderr());
}

struct HiveFaults : ::testing::Test {
    TempFolder folder;
    std::string path = folder.file("user.reg");
    // Another program's copy, renamed over the hive.
    void putTheirs(const std::string& text) const {
        writeBytes(folder.file("theirs.tmp"), text);
        ASSERT_EQ(std::rename(folder.file("theirs.tmp").c_str(), path.c_str()), 0);
    }
};

// Drops to nobody when running as root, where permissions do not stop writes.
inline bool actAsNobody() {
    if (::geteuid() != 0) return true;
    return ::setgroups(0, nullptr) == 0 && ::setresgid(65534, 65534, 65534) == 0 && ::setresuid(65534, 65534, 65534) == 0;
}

}  // namespace fk::test::faults
