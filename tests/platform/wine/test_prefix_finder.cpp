// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the prefixes that hold the add-on's key, on a made-up home with a
// prefix in every front-end's place.
#include "platform/wine/PrefixFinder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace fk::wine {
namespace {

namespace fs = std::filesystem;

const std::string Header = "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21\n\n#arch=win64\n";
const std::string WithKey = Header + "[Software\\\\Tavrel\\\\Brisko2] 1733300000\n\"Enable\"=dword:00000001\n";
const std::string WithoutKey = Header + "[Software\\\\Tavrel\\\\Brisko] 1733300000\n[Software\\\\Wine] 1\n";

class FakeHome : public ::testing::Test {
protected:
    std::string put(const std::string& relative, const std::string& text) {
        const fs::path file = home / relative;
        fs::create_directories(file.parent_path());
        fk::test::writeBytes(file, text);
        return file.string();
    }
    std::string prefix(const std::string& relative, const std::string& text) {
        put(relative + "/user.reg", text);
        return (home / relative).string();
    }
    SearchRoots roots(const std::string& winePrefix = {}) const {
        return {home.string(), winePrefix, (home / ".local/share").string()};
    }

    fk::test::TempFolder folder;
    fs::path home = folder.path();
};

TEST_F(FakeHome, EachFrontEndsPlaceIsSearchedAndOnlyPrefixesWithTheKeyAreKept) {
    const std::string library = (home / "disk2/SteamLibrary").string();
    std::vector<std::string> want, labels;
    for (const std::string& row : fk::test::dataRows(fk::test::dataFile("found-prefixes.txt"))) {
        const auto fields = fk::test::split(row, "\t");
        prefix(fields[0], WithKey);
        want.push_back((home / (fields[1].empty() ? fields[0] : fields[1])).string());
        labels.push_back(fields[2]);
    }
    prefix(".local/share/bottles/bottles/Games", WithoutKey);
    prefix("Games/other", WithoutKey);
    static const char damaged[] = "\x01\x02[Software\\\\Tavrel\x00\xff garbage\n[Software";
    prefix(".local/share/Steam/steamapps/compatdata/1/pfx", std::string(damaged, sizeof damaged - 1));
    fs::create_directories(home / "Games/empty");
    fs::create_directories(home / ".local/share/Steam/steamapps/compatdata/9/pfx/user.reg");  // a folder
    fs::create_directories(home / "Games/pipe");
    ASSERT_EQ(::mkfifo((home / "Games/pipe/user.reg").c_str(), 0600), 0);
    put(".local/share/Steam/steamapps/libraryfolders.vdf",
        "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + home.string() + "/.local/share/Steam\"\n\t}\n"
        "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + library + "\"\n\t}\n}\n");
    fs::create_directories(home / ".steam");
    fs::create_directory_symlink(home / ".local/share/Steam", home / ".steam/steam");
    // A pipe nobody writes to is skipped, not waited on.
    fs::create_directories(home / ".var/app/com.valvesoftware.Steam/data/Steam/steamapps");
    ASSERT_EQ(::mkfifo((home / ".var/app/com.valvesoftware.Steam/data/Steam/steamapps/libraryfolders.vdf").c_str(), 0600), 0);

    put(".local/share/Steam/steamapps/appmanifest_4242.acf", "\"AppState\"\n{\n\t\"name\"\t\t\"Chat Deluxe\"\n}\n");

    const PrefixSearch search = findPrefixes(roots(want[0]));
    EXPECT_EQ(search.found, want);
    for (size_t i = 0; i < want.size(); ++i) {
        const PrefixLabel label = labelPrefix(want[i], roots());
        EXPECT_EQ(label.frontEnd + ":" + label.name, labels[i]) << want[i];
    }
    EXPECT_NE(std::find(search.looked.begin(), search.looked.end(), "~/Games/*"), search.looked.end());
    EXPECT_NE(std::find(search.looked.begin(), search.looked.end(), "~/.wine"), search.looked.end());
}

TEST_F(FakeHome, TheKeyLineIsFoundWhereverWineWroteIt) {
    const auto rows = fk::test::dataRows(fk::test::dataFile("key-lines.txt"));
    ASSERT_EQ(rows.size(), 7u);
    for (const std::string& row : rows) {
        const auto fields = fk::test::split(row, "\t");
        std::string text = fk::test::expand(fields[2]);
        if (text.starts_with("<HEAD>")) text.replace(0, 6, Header);
        EXPECT_EQ(holdsAddOnKey(put("user.reg", text)), fields[0] == "yes") << fields[1];
    }
    // Every split of the key line across two reads.
    for (size_t at = 64 * 1024 - 40; at < 64 * 1024 + 2; ++at) {
        std::string text = std::string(at, 'y') + "\n[Software\\\\Tavrel\\\\Brisko2] 1\n";
        ASSERT_TRUE(holdsAddOnKey(put("user.reg", text))) << "newline at " << at;
    }
    EXPECT_FALSE(holdsAddOnKey((home / "missing/user.reg").string()));
}

}  // namespace
}  // namespace fk::wine
