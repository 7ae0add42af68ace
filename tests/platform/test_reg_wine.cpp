// fettlekit-reg against Wine's own reg.exe: the same commands on a fresh
// prefix and on a copy of its user.reg must print the same and leave the
// same file, and each tool must read the file the other one wrote.
#include "HiveTestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <poll.h>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;
using fk::test::readBytes;

const std::string Root = "HKCU\\Software\\FettlekitDiff";

struct Output {
    int rc = -1;
    std::string text;
};

// Runs a program with no input, returns its exit code and standard output.
Output run(const Args& argv, int seconds = 60) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    pid_t pid = ::fork();
    if (pid == 0) {
        ::setpgid(0, 0);
        int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, STDIN_FILENO);
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::close(pipeFds[0]);
        std::vector<char*> cargs;
        for (const auto& a : argv) cargs.push_back(const_cast<char*>(a.c_str()));
        cargs.push_back(nullptr);
        ::execvp(cargs[0], cargs.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    Output result;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    char buf[4096];
    int status = 0;
    bool exited = false;
    // Wine's background processes inherit the pipe and keep it open, so the
    // end of the output is the end of the process, not of the pipe.
    for (;;) {
        pollfd p{pipeFds[0], POLLIN, 0};
        int ready = ::poll(&p, 1, exited ? 0 : 50);
        if (ready > 0) {
            ssize_t n = ::read(pipeFds[0], buf, sizeof buf);
            if (n > 0) {
                result.text.append(buf, size_t(n));
                if (result.text.size() < (1u << 22)) continue;
            }
        }
        if (exited || ready > 0) break;
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            exited = true;
            continue;
        }
        // A reg that asks a question on a pipe asks forever: stop it.
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(-pid, SIGKILL);
            result.text += "\n<stopped>";
            break;
        }
    }
    ::close(pipeFds[0]);
    if (!exited) ::waitpid(pid, &status, 0);
    result.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// Converts between encodings; a character the target lacks becomes '?',
// as Windows does when it writes to a redirected console.
std::string convert(const std::string& in, const char* from, const char* to) {
    iconv_t cd = ::iconv_open(to, from);
    std::string out;
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    while (srcLeft) {
        char buf[256];
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        size_t r = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf, size_t(dst - buf));
        if (r == size_t(-1) && errno == EILSEQ) {
            out += '?';
            // Skip one UTF-8 character.
            do {
                ++src;
                --srcLeft;
            } while (srcLeft && (static_cast<unsigned char>(*src) & 0xC0) == 0x80);
        } else if (r == size_t(-1) && errno != E2BIG) {
            break;
        }
    }
    ::iconv_close(cd);
    return out;
}

std::string withoutCarriageReturns(std::string s) {
    std::erase(s, '\r');
    return s;
}

// Wine prints through the console in the OEM code page with CR LF; we
// print UTF-8 with LF. Compare what remains.
std::string fromWine(const std::string& s) { return withoutCarriageReturns(convert(s, "CP437", "UTF-8")); }
std::string fromOurs(const std::string& s) {
    return withoutCarriageReturns(convert(convert(s, "UTF-8", "CP437"), "CP437", "UTF-8"));
}

// The hive without its time stamps: key lines' seconds and "#time=".
std::string withoutTimes(const std::string& hive) {
    static const std::regex keyTime(R"(^(\[.*\]) \d+$)");
    static const std::regex timeLine(R"(^#time=[0-9a-f]+$)");
    std::istringstream in(hive);
    std::string line, out;
    while (std::getline(in, line)) {
        line = std::regex_replace(line, keyTime, "$1 <seconds>");
        line = std::regex_replace(line, timeLine, "#time=<ticks>");
        out += line + "\n";
    }
    return out;
}

// The first place two texts differ, with a little context.
std::string firstDifference(const std::string& a, const std::string& b) {
    std::vector<std::string> la, lb;
    std::string line;
    for (std::istringstream s(a); std::getline(s, line);) la.push_back(line);
    for (std::istringstream s(b); std::getline(s, line);) lb.push_back(line);
    size_t i = 0;
    while (i < la.size() && i < lb.size() && la[i] == lb[i]) ++i;
    std::string out = "first difference at line " + std::to_string(i + 1) + "\n--- wine\n";
    for (size_t j = i >= 3 ? i - 3 : 0; j < la.size() && j < i + 6; ++j) out += la[j] + "\n";
    out += "--- ours\n";
    for (size_t j = i >= 3 ? i - 3 : 0; j < lb.size() && j < i + 6; ++j) out += lb[j] + "\n";
    return out;
}

std::string show(const Args& args) {
    std::string s = "reg";
    for (const auto& a : args) s += " [" + a + "]";
    return s;
}

// The commands both tools run, in order: every value kind, the texts that
// need escapes in the hive, names that differ only in case, keys made and
// removed, and the errors reg reports.
std::vector<Args> sequence() {
    const std::string k = Root;
    std::string t255(255, 'x'), t256(256, 'y');
    t255[0] = 'A';
    t256[0] = 'B';
    return {
        {"query", k},
        {"add", k, "/f"},
        {"add", k, "/v", "Number", "/t", "REG_DWORD", "/d", "30", "/f"},
        {"add", k, "/v", "Hex", "/t", "reg_dword", "/d", "0xFFFFFFFF", "/f"},
        {"add", k, "/v", "Big", "/t", "REG_DWORD", "/d", "4294967296", "/f"},
        {"add", k, "/v", "Negative", "/t", "REG_DWORD", "/d", "-1", "/f"},
        {"add", k, "/v", "NoData", "/t", "REG_DWORD", "/f"},
        {"add", k, "/v", "Quoted", "/d", "say \"hi\" to \"them\"", "/f"},
        {"add", k, "/v", "Path", "/d", "C:\\Program Files\\Brisko\\", "/f"},
        {"add", k, "/v", "Share", "/d", "\\\\server\\share\\\\", "/f"},
        {"add", k, "/v", "Lines", "/d", "first\nsecond\r\nthird\ttab", "/f"},
        {"add", k, "/v", "Caf\xC3\xA9 \xE2\x82\xAC", "/d", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC 5 \xC3\xBC\xC3\x9F\xC3\xB1", "/f"},
        {"add", k, "/v", "Empty", "/d", "", "/f"},
        {"add", k, "/v", "Text255", "/d", t255, "/f"},
        {"add", k, "/v", "Text256", "/d", t256, "/f"},
        {"add", k, "/v", "List", "/t", "REG_MULTI_SZ", "/d", "one\\0two\\0three", "/f"},
        {"add", k, "/v", "ListHash", "/t", "REG_MULTI_SZ", "/s", "#", "/d", "a#b\xC3\xA9", "/f"},
        {"add", k, "/v", "ListEmpty", "/t", "REG_MULTI_SZ", "/d", "", "/f"},
        {"add", k, "/v", "ListBad", "/t", "REG_MULTI_SZ", "/d", "a\\0\\0b", "/f"},
        {"add", k, "/v", "Expand", "/t", "REG_EXPAND_SZ", "/d", "%USERPROFILE%\\Brisko", "/f"},
        {"add", k, "/v", "Bytes", "/t", "REG_BINARY", "/d", "0123456789abcdefABCDEF0", "/f"},
        {"add", k, "/v", "LongBytes", "/t", "REG_BINARY", "/d", std::string(160, 'e'), "/f"},
        {"add", k, "/v", "NoBytes", "/t", "REG_BINARY", "/f"},
        {"add", k, "/v", "BadBytes", "/t", "REG_BINARY", "/d", "12zz", "/f"},
        {"add", k, "/v", "Nothing", "/t", "REG_NONE", "/d", "n\xC3\xA9", "/f"},
        {"add", k, "/v", "Odd", "/t", "REG_FOO", "/d", "1", "/f"},
        {"add", k, "/ve", "/d", "default text", "/f"},
        {"add", k, "/v", "Case", "/d", "lower", "/f"},
        {"add", k, "/v", "CASE", "/d", "upper", "/f"},
        {"add", k + "\\Nobody\\Preferences", "/v", "ContactSoundMaxTime", "/t", "REG_DWORD", "/d", "12", "/f"},
        {"add", k + "\\NOBODY\\preferences", "/v", "contactsoundmaxtime", "/t", "REG_DWORD", "/d", "13", "/f"},
        {"add", k + "\\Alpha\\Beta\\Gamma", "/f"},
        {"add", k + "\\Zulu", "/v", "z", "/d", "last", "/f"},
        {"add", k + "\\Doomed\\Child", "/v", "c", "/d", "1", "/f"},
        {"add", k + "\\Emptied", "/v", "one", "/d", "1", "/f"},
        {"add", k + "\\Emptied", "/v", "two", "/t", "REG_DWORD", "/d", "2", "/f"},
        {"query", k},
        {"query", k, "/s"},
        {"query", k, "/v", "number"},
        {"query", k, "/v", "Missing"},
        {"query", k, "/ve"},
        {"query", k + "\\Alpha", "/ve"},
        {"query", k, "/v", "contactsoundmaxtime", "/s"},
        {"query", "HKEY_CURRENT_USER\\software\\fettlekitdiff\\nobody\\"},
        {"query", k + "\\Nowhere"},
        {"query", "HKXY\\Software"},
        {"query", k, "/v"},
        {"query", k, "/x"},
        {"delete", k, "/v", "Hex", "/f"},
        {"delete", k, "/v", "hex", "/f"},
        {"delete", k, "/ve", "/f"},
        {"delete", k, "/ve", "/f"},
        {"delete", k + "\\Emptied", "/va", "/f"},
        {"delete", k + "\\Doomed", "/f"},
        {"delete", k + "\\Doomed", "/f"},
        {"delete", k + "\\Alpha\\Beta", "/f"},
        {"delete", k, "/v", "x", "/va"},
        {"query", k, "/s"},
        {"query", k + "\\Emptied"},
    };
}

// One run of the sequence, shared by the tests below: booting a prefix
// takes most of a minute.
struct Differential {
    fs::path dir;
    fs::path prefix;
    fs::path ours;  // our copy of the hive
    std::vector<Args> steps;
    std::vector<Output> wineOut, ourOut;
    std::string bootHive, wineHive, ourHive;
    std::string wineExport, ourExport;
    bool ready = false;
    std::string problem;

    static Differential& get() {
        static Differential d;
        static bool started = false;
        if (!started) {
            started = true;
            d.start();
        }
        return d;
    }

    Output wine(Args args) {
        args.insert(args.begin(), {"wine", "reg"});
        return run(args);
    }
    Output fkreg(Args args, const fs::path& hive) {
        args.insert(args.begin(), {FK_REG_TOOL, "--registry", hive.string()});
        return run(args);
    }
    void waitForWine() { run({"wineserver", "-w"}, 120); }
    // A persistent server answers each reg in a fraction of a second; when
    // told to stop it saves the hive first.
    void keepWineUp() { run({"wineserver", "-p"}); }
    void stopWine() {
        run({"wineserver", "-k"}, 60);
        waitForWine();
    }

    void start() {
        if (run({"sh", "-c", "command -v wine && command -v wineserver"}).rc != 0) {
            problem = "wine is not installed";
            return;
        }
        char tmpl[] = "/tmp/fk-regdiff-XXXXXX";
        if (!::mkdtemp(tmpl)) return;
        dir = tmpl;
        prefix = dir / "prefix";
        ours = dir / "ours.reg";
        ::setenv("WINEPREFIX", prefix.c_str(), 1);
        ::setenv("WINEDEBUG", "-all", 1);
        ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);  // no installer dialogs
        run({"wineboot", "-i"}, 300);
        waitForWine();
        if (!fs::exists(prefix / "user.reg")) {
            problem = "wineboot made no user.reg";
            return;
        }
        fs::copy_file(prefix / "user.reg", ours);
        bootHive = readBytes(ours);

        keepWineUp();
        steps = sequence();
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
        ready = true;
    }

    ~Differential() {
        if (!dir.empty()) {
            run({"wineserver", "-k"}, 30);
            std::error_code ignored;
            fs::remove_all(dir, ignored);
        }
    }
};

class AgainstWine : public testing::Test {
protected:
    void SetUp() override {
        Differential& d = Differential::get();
        if (!d.problem.empty()) GTEST_SKIP() << d.problem;
        ASSERT_TRUE(d.ready);
    }
    Differential& d = Differential::get();
};

TEST_F(AgainstWine, EveryCommandPrintsWhatWinePrintsAndExitsAlike) {
    ASSERT_EQ(d.wineOut.size(), d.steps.size());
    // Wine really ran: its full listing holds what the sequence added.
    const std::string& listing = d.wineOut[d.steps.size() - 2].text;
    for (const char* line : {"    Text255    REG_SZ    Ax", "    Case    REG_SZ    upper", "    Lines    REG_SZ    first\nsecond",
                             "    List    REG_MULTI_SZ    one\\0two\\0three", "FettlekitDiff\\Nobody\\Preferences\r\n",
                             "    Number    REG_DWORD    0x1e"})
        EXPECT_NE(listing.find(line), std::string::npos) << line;
    for (size_t i = 0; i < d.steps.size(); ++i) {
        SCOPED_TRACE(show(d.steps[i]));
        EXPECT_EQ(fromOurs(d.ourOut[i].text), fromWine(d.wineOut[i].text));
        EXPECT_EQ(d.ourOut[i].rc, d.wineOut[i].rc);
    }
}

TEST_F(AgainstWine, TheHiveEndsTheSameButForTimeStamps) {
    std::string wine = withoutTimes(d.wineHive), ours = withoutTimes(d.ourHive);
    EXPECT_TRUE(wine == ours) << firstDifference(wine, ours);
    EXPECT_NE(wine.find("[Software\\\\FettlekitDiff\\\\Nobody\\\\Preferences] <seconds>\n#time=<ticks>\n"
                        "\"ContactSoundMaxTime\"=dword:0000000d\n"),
              std::string::npos);
    // The keys that changed did get new times.
    EXPECT_NE(d.ourHive, d.bootHive);
}

TEST_F(AgainstWine, ExportWritesTheSameFile) {
    ASSERT_FALSE(d.wineExport.empty());
    EXPECT_TRUE(d.ourExport == d.wineExport)
        << firstDifference(convert(d.wineExport, "UTF-16LE", "UTF-8"), convert(d.ourExport, "UTF-16LE", "UTF-8"));
}

TEST_F(AgainstWine, EachToolReadsTheFileTheOtherWrote) {
    // Ours on Wine's file.
    fs::path wineCopy = d.dir / "wine-copy.reg";
    fs::copy_file(d.prefix / "user.reg", wineCopy, fs::copy_options::overwrite_existing);
    Output oursOnWine = d.fkreg({"query", Root, "/s"}, wineCopy);
    EXPECT_EQ(fromOurs(oursOnWine.text), fromWine(d.wineOut[d.steps.size() - 2].text));
    EXPECT_EQ(readBytes(wineCopy), d.wineHive) << "a query must not rewrite the file";

    // Wine on ours: put our file into the stopped prefix.
    d.stopWine();
    fs::copy_file(d.ours, d.prefix / "user.reg", fs::copy_options::overwrite_existing);
    Output wineOnOurs = d.wine({"query", Root, "/s"});
    EXPECT_EQ(fromWine(wineOnOurs.text), fromOurs(d.ourOut[d.steps.size() - 2].text));
    Output valueOnOurs = d.wine({"query", Root, "/v", "Text255"});
    EXPECT_NE(fromWine(valueOnOurs.text).find(std::string(254, 'x')), std::string::npos);
    d.wine({"export", Root, "C:\\fk-export-ours.reg", "/y"});
    d.stopWine();
    EXPECT_TRUE(readBytes(d.prefix / "drive_c" / "fk-export-ours.reg") == d.wineExport);
}

}  // namespace
