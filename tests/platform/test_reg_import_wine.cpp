// fettlekit-reg import against Wine's reg import: each row is a .reg file
// that both tools import, one into a fresh prefix, one into a copy of its
// user.reg; they must exit and print alike, and reg export of the rows' key
// must then give the same file.
#include "HiveTestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iconv.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using fk::test::readBytes;
using fk::test::writeBytes;

enum Encoding { Utf16, Ansi, Raw, Utf16NoMark };

struct Case {
    const char* name;
    Encoding encoding;
    const char* text;                    // UTF-8; "\n" becomes CR LF but for Raw
    const char* args = "import case.reg";
};

// Keys below HKCU\Software\FkImport; the file's own line breaks are CR LF.
const Case Cases[] = {
    {"utf16 v5 every form", Utf16,
     "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\FkImport\\Forms]\n"
     "@=\"default\"\n\"Quote\"=\"say \\\"hi\\\" \\\\ C:\\\\path\\nnext\\rline\"\n"
     "  \"Spaced\"  =  dword:0000001F   ; comment\n\"Upper\"=dword:ABCDEF01\n"
     "\"Bytes\"=hex:00,01,7f,80,ff\n\"Expand\"=hex(2):25,00,41,00,25,00,00,00\n"
     "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\n\"None\"=hex(0):01,02\n"
     "\"Qword\"=hex(b):01,02,03,04,05,06,07,08\n\"Long\"=hex:01,02,03,\\\n  04,05,\\\n\n ; a comment\n  06\n"
     "\"NoZero\"=hex(1):41,00,42,00\n\"EmptyBin\"=hex:\n\"Caf\xC3\xA9\"=\"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\"\n"},
    {"ansi REGEDIT4", Ansi,
     "REGEDIT4\n\n[HKCU\\Software\\FkImport\\Four]\n\"Text\"=\"Zo\xC3\xAB\"\n\"Expand\"=hex(2):25,41,25,00\n"
     "\"Multi\"=hex(7):61,00,e9,00,00\n\"Num\"=dword:00000030\n\"Split\"=hex:0a,\\\n  0b\n"},
    {"ansi file, version 5 header", Ansi,
     "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\FkImport\\AnsiFive]\n\"A\"=\"1\"\n"},
    {"utf16 file, REGEDIT4 header", Utf16, "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\FkImport\\WideFour]\n\"W\"=dword:2\n"},
    {"line feeds only", Raw, "REGEDIT4\n[HKCU\\Software\\FkImport\\Lf]\n\"L\"=\"lf\"\n\"M\"=hex:01,\\\n02\n"},
    {"values to delete later", Utf16,
     "Windows Registry Editor Version 5.00\n[HKCU\\Software\\FkImport\\Del]\n\"Keep\"=\"k\"\n\"Stays\"=\"s\"\n\"Gone\"=\"g\"\n@=\"d\"\n"
     "[HKCU\\Software\\FkImport\\Del\\Sub\\Deeper]\n\"x\"=\"1\"\n[HKCU\\Software\\FkImport\\Del\\Stay]\n"},
    {"deletions", Utf16,
     "Windows Registry Editor Version 5.00\n[HKCU\\Software\\FkImport\\Del]\n\"Gone\"=-\n@=-\n\"Missing\"=-\n"
     "\"Keep\"= - ; a comment may follow\n\"Stays\"=-x\n[-HKEY_CURRENT_USER\\Software\\FkImport\\Del\\Sub]\n"
     "\"AfterDelete\"=\"nowhere\"\n[-HKCU\\Software\\FkImport\\Nothing\\Here]\n"},
    {"lines reg skips", Utf16,
     "Windows Registry Editor Version 5.00\n[HKCU\\Software\\FkImport\\Skips]\n\"Open=\"no end\n"
     "\"Nine\"=dword:000000001\n\"BadByte\"=hex:01,zz\n\"Big\"=hex:100\ngarbage line\n\"Zero\"=\"a\\0b\"\n"
     "\"Cut\"=hex:01,\\\nnot hex\n\"After\"=\"kept\"\n\"Tail\"=\"x\" y\n\"Type\"=hex(0x2):00\n\"Word\"=DWORD:1\n"
     "[ HKCU\\Software\\FkImport\\Spaced]\n[HKCU\\Software\\FkImport\\NoClose\n\"Later\"=\"wins\"\n\"Later\"=\"twice\"\n"},
    {"unknown escape", Utf16, "Windows Registry Editor Version 5.00\n[HKCU\\Software\\FkImport\\Esc]\n\"E\"=\"a\\qb\\t\"\n"},
    {"unknown root", Utf16,
     "Windows Registry Editor Version 5.00\n[HKEY_NOWHERE\\Software\\FkImport]\n\"Lost\"=\"1\"\n"
     "[HKCU\\Software\\FkImport\\Root]\n\"Found\"=\"1\"\n"},
    {"value before any key", Ansi, "REGEDIT4\n\"Orphan\"=\"1\"\n[HKCU\\Software\\FkImport\\Orphan]\n\"Adopted\"=\"1\"\n"},
    {"keys differ in case", Utf16,
     "Windows Registry Editor Version 5.00\n[HKCU\\Software\\FkImport\\Case]\n\"v\"=\"1\"\n"
     "[hkcu\\software\\fkimport\\CASE]\n\"V\"=\"2\"\n"},
    {"bad header", Ansi, "Windows Registry Editor Version 4.00\n[HKCU\\Software\\FkImport\\BadHeader]\n\"x\"=\"1\"\n"},
    {"REGEDIT and more", Ansi, "REGEDIT5\n[HKCU\\Software\\FkImport\\Fuzzy]\n\"x\"=\"1\"\n"},
    {"UTF-16 without its mark", Utf16NoMark, "Windows Registry Editor Version 5.00\n[HKCU\\Software\\FkImport\\NoMark]\n"},
    {"one byte", Raw, "R"},
    {"missing file", Ansi, "REGEDIT4\n", "import missing.reg"},
    {"32-bit view", Ansi, "REGEDIT4\n[HKCU\\Software\\FkImport\\View]\n\"v\"=\"1\"\n", "import case.reg /reg:64"},
    {"unknown switch", Ansi, "REGEDIT4\n", "import case.reg /x"},
    {"two files", Ansi, "REGEDIT4\n", "import case.reg case.reg"},
    {"help", Ansi, "REGEDIT4\n", "import /?"},
};

std::string convert(const std::string& in, const char* from, const char* to) {
    iconv_t cd = ::iconv_open(to, from);
    std::string out(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    char* dst = out.data();
    size_t srcLeft = in.size(), dstLeft = out.size();
    ::iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    ::iconv_close(cd);
    out.resize(out.size() - dstLeft);
    return out;
}

std::string fileBytes(const Case& c) {
    std::string text = c.text;
    if (c.encoding == Raw) return text;
    std::string crlf;
    for (char ch : text) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    if (c.encoding == Ansi) return convert(crlf, "UTF-8", "CP1252");
    return (c.encoding == Utf16 ? "\xFF\xFE" : "") + convert(crlf, "UTF-8", "UTF-16LE");
}

struct Result {
    int rc = -1;
    std::string out;
};

class ImportAgainstWine : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (std::system("command -v wine >/dev/null && command -v wineserver >/dev/null") != 0) return;
        dir_ = new fk::test::TempFolder;
        ::setenv("WINEPREFIX", dir_->file("prefix").c_str(), 1);
        ::setenv("WINEDEBUG", "-all", 1);
        ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
        shell("wineboot -i; wineserver -w");
        if (!fs::exists(dir_->file("prefix/user.reg"))) return;
        fs::copy_file(dir_->file("prefix/user.reg"), dir_->file("ours.reg"));
        shell("wineserver -p");  // one server for every row
    }
    static void TearDownTestSuite() {
        if (!dir_) return;
        shell("wineserver -k; wineserver -w");
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override {
        if (!dir_ || !fs::exists(dir_->file("ours.reg"))) GTEST_SKIP() << "wine cannot boot a prefix here";
    }

    // Runs a command in the folder; Wine's output goes to a file, not a
    // pipe that its background processes would hold open.
    static Result shell(const std::string& command) {
        std::string out = dir_->file("out.txt");
        int status = std::system(("cd '" + dir_->path() + "' && { " + command + "; } >'" + out + "' 2>/dev/null </dev/null").c_str());
        Result r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(out)};
        std::erase(r.out, '\r');
        return r;
    }
    static Result wine(const std::string& args) { return shell("wine reg " + args); }
    static Result ours(const std::string& args) { return shell(std::string(FK_REG_TOOL) + " --registry ours.reg " + args); }

    static fk::test::TempFolder* dir_;
};
fk::test::TempFolder* ImportAgainstWine::dir_ = nullptr;

TEST_F(ImportAgainstWine, EveryRowImportsAsWineDoes) {
    const std::string exportArgs = "export HKCU\\\\Software\\\\FkImport ";
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        writeBytes(dir_->file("case.reg"), fileBytes(c));
        Result wineRun = wine(c.args), ourRun = ours(c.args);
        EXPECT_EQ(ourRun.rc, wineRun.rc);
        EXPECT_EQ(ourRun.out, wineRun.out);
        Result wineExport = wine(exportArgs + "wine-export.reg /y"), ourExport = ours(exportArgs + "our-export.reg /y");
        EXPECT_EQ(ourExport.rc, wineExport.rc);
        EXPECT_TRUE(readBytes(dir_->file("our-export.reg")) == readBytes(dir_->file("wine-export.reg")))
            << convert(readBytes(dir_->file("wine-export.reg")), "UTF-16LE", "UTF-8") << "--- ours\n"
            << convert(readBytes(dir_->file("our-export.reg")), "UTF-16LE", "UTF-8");
    }
    // Wine really imported: the last export holds the first row's values.
    std::string last = convert(readBytes(dir_->file("wine-export.reg")), "UTF-16LE", "UTF-8");
    EXPECT_NE(last.find("\"Quote\"=\"say \\\"hi\\\" \\\\ C:\\\\path\\nnext\\rline\""), std::string::npos) << last;
    EXPECT_NE(last.find("\"Text\"=\"Zo\xC3\xAB\""), std::string::npos);
}

}  // namespace
