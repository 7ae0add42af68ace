// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files, folders, programs and data files for the tests.
#include "support/Bytes.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>
#ifndef _WIN32
#include <iconv.h>
#include <sys/wait.h>
#endif

namespace fk::test {

#ifdef FK_HIVE_TEST_DATA
inline std::string dataFile(const std::string& name) { return std::string(FK_HIVE_TEST_DATA) + "/" + name; }
#endif

// A data file's field: <LF>, <CR> and <TAB> stand for those characters,
// <N*text> for N times the text.
inline std::string expand(std::string field) {
    static const std::regex repeat(R"(<(\d+)\*([^>]+)>)");
    std::smatch m;
    while (std::regex_search(field, m, repeat)) {
        std::string times;
        for (unsigned long n = std::stoul(m[1]); n; --n) times += m.str(2);
        field.replace(size_t(m.position()), size_t(m.length()), times);
    }
    for (auto [from, to] : {std::pair{"<LF>", "\n"}, {"<CR>", "\r"}, {"<TAB>", "\t"}})
        for (size_t at; (at = field.find(from)) != std::string::npos;) field.replace(at, std::string(from).size(), to);
    return field;
}

// A table's rows: the lines of a data file but blank and '#' ones.
inline std::vector<std::string> dataRows(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') rows.push_back(line);
    return rows;
}

// A data file of cases: "== name" starts one, and its lines but blank and
// '#' ones follow, expanded, with their line numbers for the failure message.
struct Case {
    std::string name;
    std::vector<std::pair<int, std::string>> lines;
};
inline void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }
inline std::vector<Case> readCases(const std::string& path) {
    std::ifstream in(path);
    std::vector<Case> cases;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.starts_with("== ")) cases.push_back({line.substr(3), {}});
        else if (!line.empty() && line[0] != '#' && !cases.empty()) cases.back().lines.emplace_back(number, expand(line));
    }
    return cases;
}
// A case's name as a test name.
inline constexpr auto caseName = [](const auto& info) {
    std::string name;
    for (char c : info.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
};

inline std::vector<std::string> split(const std::string& line, const std::string& separator) {
    std::vector<std::string> parts;
    for (size_t start = 0, end;; start = end + separator.size()) {
        end = line.find(separator, start);
        parts.push_back(line.substr(start, end - start));
        if (end == std::string::npos) return parts;
    }
}

// The names in a folder.
inline std::set<std::string> folderNames(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// What follows runs programs and makes folders the POSIX way: for the
// tests that run on Linux only.
#ifndef _WIN32

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
public:
    explicit TempFolder(std::string pattern = (std::filesystem::temp_directory_path() / "fk-test-XXXXXX").string()) {
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// For the shell, whatever the text holds.
inline std::string quote(std::string s) {
    for (size_t at = 0; (at = s.find('\'', at)) != std::string::npos; at += 4) s.replace(at, 1, "'\\''");
    return "'" + s + "'";
}

struct Ran {
    int rc = -1;
    std::string out;  // standard output, and error when asked
    std::string err;  // standard error, when not asked into `out`
};

// Runs a shell command with no input. Its output goes through a file, not a
// pipe that Wine's background processes would hold open.
inline Ran shell(const std::string& command, bool withErrors = false) {
    TempFolder folder;
    const std::string out = folder.file("out"), err = folder.file("err");
    int status = std::system(("{ " + command + "; } >" + quote(out) + (withErrors ? " 2>&1" : " 2>" + quote(err)) +
                              " </dev/null").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(out), readBytes(err)};
}

inline bool wineInstalled() {
    return std::system("command -v wine >/dev/null && command -v wineserver >/dev/null") == 0;
}

// Between encodings; a character the target lacks becomes '?', as Windows
// does when it writes to a redirected console.
inline std::string convert(const std::string& in, const char* from, const char* to) {
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

#endif

}  // namespace fk::test
