// fettlekit-reg's commands on a copy of a hive Wine made: what reg asks,
// what it refuses, and what it writes, from data/regcli-cases.txt. Its
// output beside Wine's own is checked by test_reg_wine.
#include <gtest/gtest.h>

#include "HiveRegistry.h"
#include "HiveTestFiles.h"
#include "RegCommand.h"

#include <sstream>

namespace {

using namespace fk::test;

struct Case {
    std::string name;
    std::vector<std::pair<int, std::string>> lines;  // line number, text
};
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

std::vector<Case> readCases() {
    std::istringstream in(readBytes(dataFile("regcli-cases.txt")));
    std::vector<Case> cases;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.starts_with("== ")) cases.push_back({line.substr(3), {}});
        else if (!line.empty() && line[0] != '#' && !cases.empty()) cases.back().lines.emplace_back(number, expand(line));
    }
    return cases;
}

class RegFixture : public testing::Test {
protected:
    void SetUp() override {
        writeBytes(hive(), readBytes(dataFile("wine-fresh-user.reg")));
        reopen();
        ASSERT_EQ(reg({"add", "HKCU\\Software\\Fk\\Sub", "/v", "Name", "/d", "old", "/f"}), 0);
    }
    void reopen() {
        auto opened = fk::reg::openHiveRegistry(hive());
        ASSERT_TRUE(opened.registry) << opened.error;
        registry_ = std::move(opened.registry);
    }
    std::string hive() const { return folder_.file("user.reg"); }

    // Runs one command with the given answers on its input; keeps what it printed.
    int reg(const std::vector<std::string>& args, const std::string& answers = "") {
        std::istringstream in(answers);
        out_.str("");
        std::ostringstream err;
        fk::regcli::Console console{in, out_, err, false};
        return fk::regcli::runReg(*registry_, args, console);
    }

    TempFolder folder_;
    std::unique_ptr<fk::reg::Registry> registry_;
    std::ostringstream out_;
};
class RegCommand : public RegFixture, public testing::WithParamInterface<Case> {};

TEST_P(RegCommand, Runs) {
    const auto& lines = GetParam().lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto& [number, line] = lines[i];
        SCOPED_TRACE("regcli-cases.txt:" + std::to_string(number) + ": " + line);
        if (line == "reopen") {
            reopen();
            continue;
        }
        const std::vector<std::string> args = line == "(no arguments)" ? std::vector<std::string>{} : split(line, "\t");
        std::string answers;
        if (i + 1 < lines.size() && lines[i + 1].second.starts_with("< ")) answers = lines[++i].second.substr(2);
        const int rc = reg(args, answers);
        const std::string out = out_.str();
        for (; i + 1 < lines.size() && std::string("=>").find(lines[i + 1].second[0]) != std::string::npos; ++i) {
            const std::string& check = lines[i + 1].second;
            const std::string text = check.substr(check.find(' ') + 1);
            if (check[0] == '=') EXPECT_EQ(rc, std::stoi(text)) << out;
            else if (check.starts_with(">^ ")) EXPECT_TRUE(out.starts_with(text)) << out;
            else if (check.starts_with(">~ ")) EXPECT_NE(out.find(text), std::string::npos) << out;
            else EXPECT_EQ(out, text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RegCommand, testing::ValuesIn(readCases()), [](const auto& info) {
    std::string name;
    for (char c : info.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

// What it asks before replacing a file; test_reg_wine compares its bytes.
TEST_F(RegFixture, ExportAsksBeforeReplacingAFile) {
    const std::string file = folder_.file("out.reg");
    writeBytes(file, "keep me");
    EXPECT_EQ(reg({"export", "HKCU\\Software\\Fk", file}, "n\n"), 0);
    EXPECT_EQ(readBytes(file), "keep me");
    EXPECT_EQ(reg({"export", "HKCU\\Software\\Fk", file, "/y"}), 0);
    EXPECT_EQ(out_.str(), "");
    EXPECT_TRUE(readBytes(file).starts_with("\xFF\xFE")) << "replaced";
    EXPECT_EQ(reg({"export", "HKCU\\Software\\Fk", folder_.file("no/such/dir.reg"), "/y"}), 1);
    EXPECT_EQ(out_.str(), "Path not found.\n");
}

}  // namespace
