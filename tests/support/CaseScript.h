// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The case files' scripts (app-cases.txt, panel-cases.txt): lines run as
// commands, and settings named by their value name.
#include "catalogue/Catalogue.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace fk::testing {

inline bool yes(const std::string& word) { return word == "yes"; }

// The commands of a case file (app-cases.txt, panel-cases.txt) by their
// first word, and the key blocks of the hive a case writes: path and values.
using Commands = std::map<std::string, std::function<void()>>;
using KeyBlocks = std::vector<std::pair<std::string, std::string>>;

// Runs a case's lines: "[key]" starts a key block and a line in quotes adds
// a value to it; any other line runs its command from what `commands` gives
// for the line's second word (its name) and the rest.
inline void runCase(const test::Case& c, const std::string& file, KeyBlocks& keys,
                    const std::function<Commands(const std::string& name, const std::string& rest)>& commands) {
    for (const auto& [number, line] : c.lines) {
        SCOPED_TRACE(file + ":" + std::to_string(number) + ": " + line);
        if (line[0] == '[') {
            keys.emplace_back(line.substr(1, line.size() - 2), "");
        } else if (line[0] == '"') {
            keys.back().second += line + "\n";
        } else {
            const auto space = line.find(' '), second = line.find(' ', space + 1);
            const std::string command = line.substr(0, space),
                              name = space == std::string::npos ? "" : line.substr(space + 1, second - space - 1),
                              rest = second == std::string::npos ? "" : line.substr(second + 1);
            const Commands known = commands(name, rest);
            const auto found = known.find(command);
            if (found == known.end()) throw std::runtime_error("unknown command " + command);
            found->second();
            if (::testing::Test::IsSkipped()) return;
        }
    }
}

inline int settingIndex(const std::string& valueName) {
    for (int i = 0; i < SettingCount; ++i)
        if (settingEntry(i).valueName == valueName) return i;
    ADD_FAILURE() << "no setting " << valueName;
    return NoticeIndex;
}

}  // namespace fk::testing
