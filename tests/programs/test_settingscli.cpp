// SPDX-License-Identifier: GPL-3.0-or-later
// fettlekit-settings on a hive written for each case, from settings-cases.txt:
// what each command prints, refuses and stores. A command that fails, or
// only reads, leaves the file as it was, byte for byte.
#include <gtest/gtest.h>

#include "app/Translations.h"
#include "programs/fettlekit-settings/SettingsCommand.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <sstream>

namespace {

using namespace fk::test;

// Words as a shell splits them, "double quotes" keeping spaces; <PREFIX> is
// the case's prefix, <OTHER> a second one, <DIR> their folder.
std::vector<std::string> words(const std::string& line, const std::string& dir) {
    std::vector<std::string> result;
    std::string word;
    bool quoted = false, any = false;
    for (char c : line + ' ') {
        if (c == '"') quoted = !quoted, any = true;
        else if (c == ' ' && !quoted) {
            if (any) result.push_back(word);
            word.clear();
            any = false;
        } else word += c, any = true;
    }
    for (std::string& w : result)
        for (auto [from, to] : {std::pair{"<PREFIX>", dir + "/pfx"}, {"<OTHER>", dir + "/other"}, {"<DIR>", dir}})
            for (size_t at; (at = w.find(from)) != std::string::npos;) w.replace(at, std::string(from).size(), to);
    return result;
}

class SettingsCase : public testing::TestWithParam<Case> {
public:
    // English words its plurals through its translation, as the program does.
    static void SetUpTestSuite() { fk::installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English)); }
};

TEST_P(SettingsCase, Runs) {
    TempFolder dir;
    const std::string user = dir.path() + "/pfx/user.reg";
    std::string hive = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n";
    std::string other = hive;
    for (const auto& [number, line] : GetParam().lines) {
        SCOPED_TRACE("settings-cases.txt:" + std::to_string(number));
        if (line.starts_with("[") || line.starts_with("\"") || line.starts_with("other ")) {
            std::string& text = line.starts_with("other ") ? other : hive;
            std::string entry = line.starts_with("other ") ? line.substr(6) : line;
            if (entry.starts_with("[")) entry = "\n" + entry + " 1796496976";
            text += entry + "\n";
            continue;
        }
        if (!hive.empty()) {
            std::filesystem::create_directories(dir.path() + "/pfx");
            std::filesystem::create_directories(dir.path() + "/other");
            writeBytes(user, hive);
            writeBytes(dir.path() + "/other/user.reg", other);
            hive.clear();
        }
        // ARGS => STATUS [OUTPUT] [! ERROR]
        const size_t arrow = line.find(" => ");
        ASSERT_NE(arrow, std::string::npos) << line;
        std::vector<std::string> args{"--prefix", dir.path() + "/pfx"};
        for (const std::string& w : words(line.substr(0, arrow), dir.path())) args.push_back(w);
        std::string expected = line.substr(arrow + 4);
        std::string error;
        if (const size_t bang = expected.find(" ! "); bang != std::string::npos)
            error = expected.substr(bang + 3), expected.erase(bang);
        const int status = std::stoi(expected);
        const std::string output = expected.size() > 2 ? expected.substr(2) : std::string();

        const std::string before = readBytes(user);
        std::ostringstream out, err;
        EXPECT_EQ(fk::settingscli::runSettings(args, out, err), status) << err.str();
        if (output != "*") {
            EXPECT_EQ(out.str(), output.empty() ? output : output + "\n");
        }
        EXPECT_EQ(err.str().empty(), error.empty()) << err.str();
        EXPECT_NE(err.str().find(error), std::string::npos) << err.str();
        const auto command = std::find_if(args.begin() + 2, args.end(), [](auto& w) { return w[0] != '-'; });
        const bool writes = command != args.end() && (*command == "set" || *command == "reset" || *command == "import");
        if (status != 0 || !writes) {
            EXPECT_EQ(readBytes(user), before) << "the file changed";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsCase, testing::ValuesIn(readCases(FK_SETTINGS_CASES)), caseName);

}  // namespace
