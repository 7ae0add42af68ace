// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What fettlekit-settings prints: tab-separated lines for people, grep and
// awk, or JSON for tools (--json). Texts are UTF-8.
#include <ostream>
#include <string>
#include <vector>

namespace fk::settingscli {

class SettingsReport {
public:
    SettingsReport(std::ostream& out, bool json) : out_(out), json_(json) {}

    // A row of `list`, or with `described` the whole of `describe`.
    void setting(int index, bool described);
    void value(int index, const std::string& words, bool changed);
    void difference(int index, const std::string& left, const std::string& right);
    // A difference a .reg file brings, in the registry's own terms.
    void rawDifference(const std::string& setting, const std::string& before, const std::string& after);
    // Closes what was printed: the JSON array (or the one object of describe).
    void end();

    static std::string quoted(const std::string& text);

private:
    void row(const std::vector<std::pair<std::string, std::string>>& fields);

    std::ostream& out_;
    bool json_;
    bool single_ = false;
    std::vector<std::string> items_;
};

}  // namespace fk::settingscli
