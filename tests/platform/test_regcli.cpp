// fettlekit-reg's commands on a copy of a hive Wine made: what reg asks,
// what it refuses, and what it writes. Its output beside Wine's own is
// checked by test_reg_wine.
#include <gtest/gtest.h>

#include "HiveRegistry.h"
#include "HiveTestFiles.h"
#include "RegCommand.h"

#include <sstream>

namespace {

using fk::test::TempFolder;

class RegCommand : public testing::Test {
protected:
    void SetUp() override {
        fk::test::writeBytes(hive(), fk::test::readBytes(fk::test::dataFile("wine-fresh-user.reg")));
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

    std::string printed() const { return out_.str(); }

    TempFolder folder_;
    std::unique_ptr<fk::reg::Registry> registry_;
    std::ostringstream out_;
};

TEST_F(RegCommand, OverwritingAValueAsksUntilTheAnswerIsYesOrNo) {
    EXPECT_EQ(reg({"add", "HKCU\\Software\\Fk\\Sub", "/v", "name", "/d", "new"}, "maybe\nno\n"), 0);
    const std::string question = "The registry value 'name' already exists. Do you want to overwrite it? (Yes|No)\n";
    EXPECT_EQ(printed(), question + question + "reg: The registry operation was cancelled\n");

    EXPECT_EQ(reg({"add", "HKCU\\Software\\Fk\\Sub", "/v", "Name", "/d", "new"}, "Yes please\n"), 0);
    EXPECT_NE(printed().find("reg: The operation completed successfully"), std::string::npos);

    // No answer at all is a no: nothing is overwritten.
    EXPECT_EQ(reg({"add", "HKCU\\Software\\Fk\\Sub", "/v", "Name", "/d", "newer"}), 0);
    EXPECT_NE(printed().find("cancelled"), std::string::npos);

    reopen();  // what is on disk
    EXPECT_EQ(reg({"query", "HKCU\\Software\\Fk\\Sub", "/v", "Name"}), 0);
    EXPECT_EQ(printed(), "\nHKEY_CURRENT_USER\\Software\\Fk\\Sub\n    Name    REG_SZ    new\n\n");
}

TEST_F(RegCommand, DeletingAKeyRemovesItsWholeTreeAfterConfirmation) {
    ASSERT_EQ(reg({"add", "HKCU\\Software\\Fk\\Sub\\Deeper\\Deepest", "/v", "x", "/t", "REG_DWORD", "/d", "1", "/f"}), 0);
    EXPECT_EQ(reg({"delete", "HKCU\\Software\\Fk\\Sub"}, "n\n"), 0);
    EXPECT_EQ(printed(), "Are you sure you want to delete the registry key 'HKEY_CURRENT_USER\\Software\\Fk\\Sub'? (Yes|No)\n"
                         "reg: The registry operation was cancelled\n");
    EXPECT_EQ(reg({"delete", "HKCU\\Software\\Fk\\Sub"}, "y\n"), 0);

    reopen();
    EXPECT_EQ(reg({"query", "HKCU\\Software\\Fk\\Sub"}), 1);
    EXPECT_EQ(printed(), "reg: Unable to find the specified registry key\n");
    EXPECT_EQ(reg({"query", "HKCU\\Software\\Fk"}), 0);
    EXPECT_EQ(printed(), "\n");
    // The rest of the hive is still there.
    EXPECT_EQ(reg({"query", "HKCU\\Control Panel\\Colors", "/v", "ActiveTitle"}), 0);
}

TEST_F(RegCommand, DeletingAllValuesKeepsTheKeyAndItsSubkeys) {
    ASSERT_EQ(reg({"add", "HKCU\\Software\\Fk\\Sub", "/v", "Two", "/t", "REG_BINARY", "/d", "0a0b", "/f"}), 0);
    ASSERT_EQ(reg({"add", "HKCU\\Software\\Fk\\Sub\\Child", "/f"}), 0);
    EXPECT_EQ(reg({"delete", "HKCU\\Software\\Fk\\Sub", "/va", "/f"}), 0);
    reopen();
    EXPECT_EQ(reg({"query", "HKCU\\Software\\Fk\\Sub"}), 0);
    EXPECT_EQ(printed(), "\nHKEY_CURRENT_USER\\Software\\Fk\\Sub\\Child\n");
}

TEST_F(RegCommand, ExportAsksBeforeReplacingAFileAndWritesUtf16) {
    std::string file = folder_.file("out.reg");
    fk::test::writeBytes(file, "keep me");
    EXPECT_EQ(reg({"export", "HKCU\\Software\\Fk", file}, "n\n"), 0);
    EXPECT_EQ(fk::test::readBytes(file), "keep me");
    EXPECT_EQ(reg({"export", "HKCU\\Software\\Fk", file, "/y"}), 0);
    EXPECT_EQ(printed(), "");

    std::u16string expected = u"\xFEFFWindows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Fk]\r\n"
                              u"\r\n[HKEY_CURRENT_USER\\Software\\Fk\\Sub]\r\n\"Name\"=\"old\"\r\n\r\n";
    std::string bytes;
    for (char16_t c : expected) bytes += {char(c & 0xFF), char(c >> 8)};
    EXPECT_EQ(fk::test::readBytes(file), bytes);

    EXPECT_EQ(reg({"export", "HKCU\\Software\\Fk", folder_.file("no/such/dir.reg"), "/y"}), 1);
    EXPECT_EQ(printed(), "Path not found.\n");
}

TEST_F(RegCommand, OnlyTheCurrentUserIsThere) {
    EXPECT_EQ(reg({"query", "HKLM\\Software"}), 1);
    EXPECT_EQ(printed(), "reg: Unable to find the specified registry key\n");
    EXPECT_EQ(reg({"add", "HKEY_LOCAL_MACHINE\\Software\\Fk", "/f"}), 1);
    EXPECT_EQ(printed(), "reg: Unable to access or create the specified registry key\n");
    EXPECT_EQ(reg({"query", "\\\\host\\HKCU\\Software"}), 1);
    EXPECT_EQ(printed(), "reg: Unable to access remote machine\n");
}

TEST_F(RegCommand, HelpAndBadOperations) {
    EXPECT_EQ(reg({"/?"}), 0);
    EXPECT_EQ(printed().rfind("Usage:\n", 0), 0u);
    EXPECT_EQ(reg({"Query", "/?"}), 0);
    EXPECT_EQ(printed().rfind("REG QUERY <key> [/v value_name | /ve] [/s]\n", 0), 0u);
    EXPECT_EQ(reg({"query", "/?", "/s"}), 1);
    EXPECT_EQ(printed(), "reg: Invalid syntax. Type \"REG QUERY /?\" for help.\n");
    EXPECT_EQ(reg({"copy", "x", "y"}), 1);
    EXPECT_EQ(printed(), "reg: Invalid option [copy]. Type \"REG /?\" for help.\n");
    EXPECT_EQ(reg({}), 1);
    EXPECT_EQ(printed(), "reg: Invalid syntax. Type \"REG /?\" for help.\n");
    // A switch given twice, or with one it excludes, is refused before anything is done.
    const std::string k = "HKCU\\Software\\Fk\\Sub";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"query", k, "/s", "/s"}, {"query", k, "/ve", "/ve"}, {"query", k, "/v", "Name", "/ve"},
          {"query", k, "/v", "Name", "/v", "Name"}, {"delete", k, "/v", "Name", "/va", "/f"},
          {"delete", k, "/ve", "/va", "/f"}, {"delete", k, "/v", "Name", "/ve", "/f"}, {"delete", k, "/f", "/f"},
          {"delete", k, "/va", "/va", "/f"}, {"add", k, "/v", "Name", "/ve", "/f"}, {"add", k, "/f", "/f"},
          {"add", k, "/v", "Name", "/d", "a", "/d", "b", "/f"}, {"add", k, "/v", "N", "/t", "REG_SZ", "/t", "REG_SZ", "/f"}}) {
        EXPECT_EQ(reg(args), 1) << args[2] << args.back();
        EXPECT_EQ(printed().rfind("reg: Invalid syntax.", 0), 0u) << printed();
    }
    EXPECT_EQ(reg({"query", k, "/v", "Name"}), 0);
    EXPECT_NE(printed().find("Name    REG_SZ    old"), std::string::npos);
}

TEST_F(RegCommand, ALongTextIsShownWholeAndQwordsAsNumbers) {
    std::string text(300, 'q');
    ASSERT_EQ(reg({"add", "HKCU\\Software\\Fk", "/v", "Long", "/d", text, "/f"}), 0);
    ASSERT_EQ(reg({"add", "HKCU\\Software\\Fk", "/v", "Q", "/t", "REG_QWORD", "/d", "0x123456789", "/f"}), 0);
    EXPECT_EQ(reg({"query", "HKCU\\Software\\Fk"}), 0);
    EXPECT_EQ(printed(), "\nHKEY_CURRENT_USER\\Software\\Fk\n    Long    REG_SZ    " + text +
                             "\n    Q    REG_QWORD    0x123456789\n\nHKEY_CURRENT_USER\\Software\\Fk\\Sub\n");
}

}  // namespace
