// fettlekit-reg against Wine's own reg.exe: the commands of
// data/reg-commands.txt on a fresh prefix and on a copy of its user.reg must
// print the same and leave the same file, and each tool must read the file
// the other one wrote.
#include "HiveTestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <regex>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;
using fk::test::readBytes;

const std::string Root = "HKCU\\Software\\FettlekitDiff";

struct Output {
    int rc = -1;
    std::string text;
};

// Runs a program with no input; its exit code and standard output. The
// output goes through a file: Wine's background processes would hold a pipe
// open. A reg that asks a question on no input is stopped after a minute.
Output run(Args argv, const fs::path& scratch) {
    argv.insert(argv.begin(), {"timeout", "-s", "KILL", "120"});
    std::vector<char*> cargs;
    for (auto& a : argv) cargs.push_back(a.data());
    cargs.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    Output out;
    int status = 0;
    if (::posix_spawnp(&pid, "timeout", &actions, nullptr, cargs.data(), environ) == 0 &&
        ::waitpid(pid, &status, 0) == pid)
        out.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    out.text = readBytes(scratch);
    return out;
}

// Between encodings; a character the target lacks becomes '?', as Windows
// does when it writes to a redirected console.
std::string convert(const std::string& in, const char* from, const char* to) {
    iconv_t cd = ::iconv_open(to, from);
    std::string out;
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left) {
        char buf[256], *dst = buf;
        size_t room = sizeof buf;
        size_t r = ::iconv(cd, &src, &left, &dst, &room);
        out.append(buf, size_t(dst - buf));
        if (r != size_t(-1) || errno == E2BIG) continue;
        if (errno != EILSEQ) break;
        out += '?';
        do ++src, --left;  // one UTF-8 character
        while (left && (static_cast<unsigned char>(*src) & 0xC0) == 0x80);
    }
    ::iconv_close(cd);
    return out;
}

// Wine prints through the console in the OEM code page with CR LF; we
// print UTF-8 with LF. Compare what remains.
std::string fromWine(std::string s) {
    std::erase(s = convert(s, "CP437", "UTF-8"), '\r');
    return s;
}
std::string fromOurs(const std::string& s) { return fromWine(convert(s, "UTF-8", "CP437")); }

// The hive without its time stamps: key lines' seconds and "#time=" lines.
std::string withoutTimes(const std::string& hive) {
    static const std::regex stamp(R"(^(\[.*\]) \d+$|^#time=[0-9a-f]+$)");
    std::istringstream in(hive);
    std::string out;
    for (std::string line; std::getline(in, line);) out += std::regex_replace(line, stamp, "$1") + "\n";
    return out;
}

// The first line where two texts part, for the failure message.
std::string firstDifference(const std::string& a, const std::string& b) {
    size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    at = a.rfind('\n', at) == std::string::npos ? 0 : a.rfind('\n', at) + 1;
    return "wine: " + a.substr(at, 200) + "\nours: " + b.substr(at, 200);
}

std::string expand(std::string field) {
    static const std::regex repeat(R"(<(\d+)\*(.)>)");
    std::smatch m;
    while (std::regex_search(field, m, repeat))
        field.replace(size_t(m.position()), size_t(m.length()), std::string(std::stoul(m[1]), m.str(2)[0]));
    for (auto [from, to] : {std::pair{"$K", Root}, {"<LF>", "\n"}, {"<CR>", "\r"}, {"<TAB>", "\t"}})
        for (size_t at; (at = field.find(from)) != std::string::npos;) field.replace(at, std::strlen(from), to);
    return field;
}

std::vector<Args> commands() {
    std::vector<Args> steps;
    std::istringstream in(readBytes(fk::test::dataFile("reg-commands.txt")));
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        Args args;
        for (size_t start = 0, tab;; start = tab + 1) {
            tab = line.find('\t', start);
            args.push_back(expand(line.substr(start, tab - start)));
            if (tab == std::string::npos) break;
        }
        steps.push_back(args);
    }
    return steps;
}

// One run of the commands, shared by the tests below: booting a prefix
// takes most of a minute.
struct Differential {
    fs::path dir, prefix, ours;  // ours: our copy of the hive
    std::vector<Args> steps = commands();
    std::vector<Output> wineOut, ourOut;
    std::string wineHive, ourHive, wineExport, ourExport, problem;

    static Differential& get() {
        static Differential d;
        return d;
    }
    Output wine(Args args) {
        args.insert(args.begin(), {"wine", "reg"});
        return run(args, dir / "out");
    }
    Output fkreg(Args args, const fs::path& hive) {
        args.insert(args.begin(), {FK_REG_TOOL, "--registry", hive.string()});
        return run(args, dir / "out");
    }
    // When told to stop, the persistent server saves the hive first.
    void stopWine() { std::system("wineserver -k; wineserver -w"); }

    Differential() {
        if (std::system("command -v wine >/dev/null && command -v wineserver >/dev/null") != 0) {
            problem = "wine is not installed";
            return;
        }
        char tmpl[] = "/tmp/fk-regdiff-XXXXXX";
        dir = ::mkdtemp(tmpl);
        prefix = dir / "prefix";
        ours = dir / "ours.reg";
        ::setenv("WINEPREFIX", prefix.c_str(), 1);
        ::setenv("WINEDEBUG", "-all", 1);
        ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);  // no installer dialogs
        std::system("wineboot -i >/dev/null 2>&1 </dev/null; wineserver -w");
        if (!fs::exists(prefix / "user.reg")) {
            problem = "wineboot made no user.reg";
            return;
        }
        fs::copy_file(prefix / "user.reg", ours);
        std::system("wineserver -p");  // each reg then starts in a fraction of a second
        for (const auto& step : steps) {
            wineOut.push_back(wine(step));
            ourOut.push_back(fkreg(step, ours));
        }
        wine({"export", Root, "C:\\fk-export.reg", "/y"});
        fkreg({"export", Root, (dir / "ours-export.reg").string(), "/y"}, ours);
        stopWine();
        wineExport = readBytes(prefix / "drive_c" / "fk-export.reg");
        ourExport = readBytes(dir / "ours-export.reg");
        wineHive = readBytes(prefix / "user.reg");
        ourHive = readBytes(ours);
    }
    ~Differential() {
        if (dir.empty()) return;
        stopWine();
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    // The full listing after every command: the next to last one.
    const std::string& listing(const std::vector<Output>& out) const { return out[steps.size() - 2].text; }
};

class AgainstWine : public testing::Test {
protected:
    void SetUp() override {
        if (!d.problem.empty()) GTEST_SKIP() << d.problem;
    }
    Differential& d = Differential::get();
};

TEST_F(AgainstWine, EveryCommandPrintsWhatWinePrintsAndExitsAlike) {
    ASSERT_EQ(d.wineOut.size(), d.steps.size());
    // Wine really ran: its full listing holds what the commands added.
    for (const char* line : {"    Text255    REG_SZ    Ax", "    Case    REG_SZ    upper", "    Lines    REG_SZ    first\nsecond",
                             "    List    REG_MULTI_SZ    one\\0two\\0three", "FettlekitDiff\\Nobody\\Preferences\r\n",
                             "    Number    REG_DWORD    0x1e"})
        EXPECT_NE(d.listing(d.wineOut).find(line), std::string::npos) << line;
    for (size_t i = 0; i < d.steps.size(); ++i) {
        std::string shown = "reg";
        for (const auto& a : d.steps[i]) shown += " [" + a + "]";
        SCOPED_TRACE(shown);
        EXPECT_EQ(fromOurs(d.ourOut[i].text), fromWine(d.wineOut[i].text));
        EXPECT_EQ(d.ourOut[i].rc, d.wineOut[i].rc);
    }
}

TEST_F(AgainstWine, TheHiveAndTheExportEndTheSameButForTimeStamps) {
    const std::string wine = withoutTimes(d.wineHive), ours = withoutTimes(d.ourHive);
    EXPECT_TRUE(wine == ours) << firstDifference(wine, ours);
    EXPECT_NE(wine.find("[Software\\\\FettlekitDiff\\\\Nobody\\\\Preferences]\n\n\"ContactSoundMaxTime\"=dword:0000000d\n"),
              std::string::npos);
    ASSERT_FALSE(d.wineExport.empty());
    EXPECT_TRUE(d.ourExport == d.wineExport)
        << firstDifference(convert(d.wineExport, "UTF-16LE", "UTF-8"), convert(d.ourExport, "UTF-16LE", "UTF-8"));
}

TEST_F(AgainstWine, EachToolReadsTheFileTheOtherWrote) {
    fs::path wineCopy = d.dir / "wine-copy.reg";
    fs::copy_file(d.prefix / "user.reg", wineCopy, fs::copy_options::overwrite_existing);
    EXPECT_EQ(fromOurs(d.fkreg({"query", Root, "/s"}, wineCopy).text), fromWine(d.listing(d.wineOut)));
    EXPECT_EQ(readBytes(wineCopy), d.wineHive) << "a query must not rewrite the file";

    // Wine on ours: our file in the stopped prefix.
    fs::copy_file(d.ours, d.prefix / "user.reg", fs::copy_options::overwrite_existing);
    EXPECT_EQ(fromWine(d.wine({"query", Root, "/s"}).text), fromOurs(d.listing(d.ourOut)));
    d.wine({"export", Root, "C:\\fk-export-ours.reg", "/y"});
    d.stopWine();
    EXPECT_TRUE(readBytes(d.prefix / "drive_c" / "fk-export-ours.reg") == d.wineExport);
}

}  // namespace
