// SPDX-License-Identifier: GPL-3.0-or-later
// fettlekit-reg's commands on a copy of a hive Wine made: what reg asks,
// what it refuses, and what it writes, from data/regcli-cases.txt. Its
// output beside Wine's own is checked by test_reg_wine; here is what Wine
// cannot show: no registry at all, a registry that never settles a value's
// size, a copy cut off part way.
#include <gtest/gtest.h>

#include "platform/registry/Transaction.h"
#include "programs/fettlekit-reg/RegCommand.h"
#include "programs/fettlekit-reg/RegText.h"
#include "store/RecordingRegistry.h"
#include "support/OpenedHive.h"
#include "support/TestFiles.h"

#include <csignal>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace fk::test;

// Says every value's data is bigger than the buffer, however big it is.
class Unsettled final : public fk::RecordingRegistry {
    using Key = fk::reg::Key;

public:
    using RecordingRegistry::RecordingRegistry;
    long RegOpenKeyExW(Key p, const char16_t* s, std::uint32_t o, std::uint32_t a, Key* k) override {
        return inner().RegOpenKeyExW(p, s, o, a, k);
    }
    long RegEnumKeyExW(Key k, std::uint32_t i, char16_t* n, std::uint32_t* l, std::uint32_t* r, char16_t* c,
                       std::uint32_t* cl, fk::reg::FileTime* t) override {
        return inner().RegEnumKeyExW(k, i, n, l, r, c, cl, t);
    }
    // Each answer asks for one byte more than the last room; a reader that
    // never gives up is, in the end, handed a value it must not show.
    long RegQueryValueExW(Key, const char16_t*, std::uint32_t*, std::uint32_t*, std::uint8_t*,
                          std::uint32_t* size) override {
        return grown(*size);
    }
    long RegEnumValueW(Key, std::uint32_t index, char16_t* name, std::uint32_t*, std::uint32_t*, std::uint32_t*,
                       std::uint8_t*, std::uint32_t* size) override {
        name[0] = 0;
        return index ? fk::reg::NoMoreItems : grown(*size);
    }

private:
    long grown(std::uint32_t& size) {
        if (++asked_ > 64) return fk::reg::Success;
        ++size;
        return fk::reg::MoreData;
    }
    int asked_ = 0;
};

class RegFixture : public testing::Test {
protected:
    void SetUp() override {
        registry_ = openHiveFile(hive(), readBytes(dataFile("wine-fresh-user.reg")));
        ASSERT_EQ(reg({"add", "HKCU\\Software\\Fk\\Sub", "/v", "Name", "/d", "old", "/f"}), 0);
    }
    void reopen() { registry_ = openHiveFile(hive()); }
    std::string hive() const { return folder_.file("user.reg"); }

    // Runs one command with the given answers on its input; keeps what it
    // printed. `registry` null: none can be opened.
    int reg(const std::vector<std::string>& args, const std::string& answers, fk::reg::Registry* registry) {
        std::istringstream in(answers);
        out_.str("");
        err_.str("");
        fk::regcli::Console console{in, out_, err_, false};
        const int rc = fk::regcli::runReg([registry] { return registry; }, args, console);
        if (registry) {
            EXPECT_EQ(registry->openHandleCount(), 0) << "a key was left open";
        }
        return rc;
    }
    int reg(const std::vector<std::string>& args) { return reg(args, "", registry_.get()); }

    TempFolder folder_;
    std::unique_ptr<fk::reg::Registry> registry_;
    std::ostringstream out_, err_;
};
class RegCommand : public RegFixture, public testing::WithParamInterface<Case> {};

// Besides reg's commands, a case may say: "reopen" (read the hive again),
// "prefix" (put Wine's system.reg and userdef.reg beside it), "demo" (work
// on the demo prefix's user.reg instead), "file NAME
// TEXT" (write TEXT to $D/NAME, $D being the hive's folder), and, before a
// command, "no registry" or "unsettled" for the registry it gets.
TEST_P(RegCommand, Runs) {
    const auto& lines = GetParam().lines;
    fk::reg::Registry* registry = registry_.get();
    std::unique_ptr<Unsettled> unsettled;
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto& [number, text] = lines[i];
        SCOPED_TRACE("regcli-cases.txt:" + std::to_string(number) + ": " + text.substr(0, 200));
        std::string line = text;
        for (size_t at; (at = line.find("$D")) != std::string::npos;) line.replace(at, 2, folder_.path());
        if (line == "reopen" || line == "prefix" || line == "demo") {
            if (line == "demo") writeBytes(hive(), readBytes(dataFile("../../../examples/demo-prefix/user.reg")));
            if (line == "prefix")
                for (const char* name : {"system.reg", "userdef.reg"})
                    writeBytes(folder_.file(name), readBytes(dataFile(std::string("../../fuzz/corpus/wine-") + name)));
            reopen();
            registry = registry_.get();
            continue;
        }
        if (line.starts_with("file\t")) {
            const auto parts = split(line, "\t");
            writeBytes(folder_.file(parts[1]), parts[2]);
            continue;
        }
        if (line == "no registry" || line == "unsettled") {
            unsettled = std::make_unique<Unsettled>(*registry_);
            registry = line == "no registry" ? nullptr : unsettled.get();
            continue;
        }
        const std::vector<std::string> args = line == "(no arguments)" ? std::vector<std::string>{} : split(line, "\t");
        std::string answers;
        if (i + 1 < lines.size() && lines[i + 1].second.starts_with("< ")) answers = lines[++i].second.substr(2);
        const int rc = reg(args, answers, registry);
        registry = registry_.get();
        const std::string out = out_.str(), err = err_.str();
        for (; i + 1 < lines.size() && std::string("=>").find(lines[i + 1].second[0]) != std::string::npos; ++i) {
            const std::string& check = lines[i + 1].second;
            const std::string wanted = check.substr(check.find(' ') + 1);
            if (check[0] == '=') {
                EXPECT_EQ(rc, std::stoi(wanted)) << out;
            } else if (check.starts_with(">^ ")) {
                EXPECT_TRUE(out.starts_with(wanted)) << out.substr(0, 500);
            } else if (check.starts_with(">~ ")) {
                EXPECT_NE(out.find(wanted), std::string::npos) << out.substr(0, 500);
            } else if (check.starts_with(">2 ")) {
                EXPECT_NE(err.find(wanted), std::string::npos) << err;
            } else {
                EXPECT_EQ(out, wanted);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RegCommand, testing::ValuesIn(readCases(dataFile("regcli-cases.txt"))), caseName);

// A copy cut off at any moment, by Ctrl+C or a kill, leaves its tree absent
// or whole, and the hive as one of the two, with nothing beside it after Ctrl+C.
TEST_F(RegFixture, ACopyCutOffAtAnyMomentLeavesItsTreeAbsentOrWhole) {
    {
        fk::reg::Transaction filling(*registry_);
        for (int i = 0; i < 300; ++i)
            ASSERT_EQ(reg({"add", "HKCU\\Software\\Fk\\Sub\\K" + std::to_string(i), "/v", "v", "/d", "x", "/f"}), 0);
        ASSERT_EQ(filling.commit(), fk::reg::Success);
    }
    const std::set<std::string> names = folderNames(folder_.path());
    std::set<int> seen;
    for (int wait : {0, 1, 2, 4, 8, 15, 30, 60, 120, 250, 2000})
        for (int signal : {SIGINT, SIGKILL}) {
            registry_.reset();
            const pid_t child = ::fork();
            if (child == 0) {
                registry_ = openHiveFile(hive());
                ::_exit(reg({"copy", "HKCU\\Software\\Fk\\Sub", "HKCU\\Software\\Copy", "/s", "/f"}));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
            ::kill(child, signal);
            ::waitpid(child, nullptr, 0);
            // Ctrl+C waits for a save under way; a kill may leave its new copy beside the file.
            for (const std::string& name : folderNames(folder_.path()))
                if (!names.contains(name)) {
                    EXPECT_NE(signal, SIGINT) << name << " left behind";
                    std::filesystem::remove(folder_.file(name));
                }
            reopen();
            reg({"query", "HKCU\\Software\\Copy", "/s"});
            const std::string out = out_.str();
            int keys = 0;
            for (size_t at = 0; (at = out.find("\nHKEY_", at)) != std::string::npos; ++at) ++keys;
            EXPECT_TRUE(keys == 0 || keys == 301) << keys << " keys after " << wait << " ms";
            seen.insert(keys);
            ASSERT_EQ(reg({"delete", "HKCU\\Software\\Copy", "/f"}), keys ? 0 : 1);
        }
    EXPECT_EQ(seen, (std::set<int>{0, 301})) << "no cut fell during the copy";
}

// The manual names every operation and root reg's own help names, and only
// the exit codes the cases above see: 0 and 1.
TEST(RegManual, AgreesWithTheProgram) {
    const std::string page = readBytes(FK_REG_MANUAL), usage = fk::regcli::Usage, roots = fk::regcli::addUsage();
    const size_t ops = usage.find("ADD |");
    for (std::string op : split(usage.substr(ops, usage.find('\n', ops) - ops), " | ")) {
        for (char& c : op) c = char(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_NE(page.find(".BI \"" + op + " "), std::string::npos) << op;
    }
    const std::regex rootLine(R"((HKEY_\w+) +\| (HK\w+))");
    for (std::sregex_iterator it(roots.begin(), roots.end(), rootLine), end; it != end; ++it)
        EXPECT_NE(page.find(".BR " + it->str(1) + " \", \" " + it->str(2)), std::string::npos) << it->str(1);
    const size_t from = page.find(".SH EXIT STATUS"), to = page.find(".SH", from + 1);
    const std::string status = page.substr(from, to - from);
    std::string codes;
    const std::regex code(R"(\n\.B (\d+)\n)");
    for (std::sregex_iterator it(status.begin(), status.end(), code), end; it != end; ++it) codes += it->str(1) + " ";
    EXPECT_EQ(codes, "0 1 ");
}

}  // namespace
