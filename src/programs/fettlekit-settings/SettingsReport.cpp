// SPDX-License-Identifier: GPL-3.0-or-later
#include "programs/fettlekit-settings/SettingsReport.h"

#include "catalogue/Catalogue.h"
#include "store/SettingWords.h"
#include "text/Cp1252.h"

#include <cstdio>

namespace fk::settingscli {

namespace {

std::string scopeOf(int index) { return settingEntry(index).allUsers ? "all-users" : "account"; }

// The catalogue's text with its line ends as this system's.
std::string description(int index) {
    std::string text;
    for (char c : text::cp1252ToUtf8(settingEntry(index).description))
        if (c != '\r') text += c;
    return text;
}

}  // namespace

std::string SettingsReport::quoted(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') json += {'\\', c};
        else if (c == '\n') json += "\\n";
        else if (c == '\t') json += "\\t";
        else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", unsigned(c));
            json += escape;
        } else json += c;
    }
    return json + "\"";
}

void SettingsReport::row(const std::vector<std::pair<std::string, std::string>>& fields) {
    std::string line;
    for (const auto& [name, value] : fields) {
        if (json_) {
            const bool literal = value == "true" || value == "false";
            line += (line.empty() ? "{" : ", ") + quoted(name) + ": " + (literal ? value : quoted(value));
        } else {
            line += (line.empty() ? "" : "\t") + value;
        }
    }
    if (json_) items_.push_back(line + "}");
    else out_ << line << "\n";
}

void SettingsReport::setting(int index, bool described) {
    const SettingEntry& e = settingEntry(index);
    if (!described)
        return row({{"name", e.valueName}, {"kind", kindName(e.kind)}, {"default", defaultWords(index)},
                    {"range", rangeWords(index)}, {"scope", scopeOf(index)}});
    single_ = true;
    if (json_)
        return row({{"name", e.valueName}, {"kind", kindName(e.kind)}, {"default", defaultWords(index)},
                    {"range", rangeWords(index)}, {"scope", scopeOf(index)}, {"description", description(index)}});
    out_ << e.valueName << "\nkind: " << kindName(e.kind) << "\nscope: " << scopeOf(index)
         << "\ndefault: " << defaultWords(index) << "\n";
    if (!rangeWords(index).empty()) out_ << "range: " << rangeWords(index) << "\n";
    out_ << "\n" << description(index) << "\n";
}

void SettingsReport::value(int index, const std::string& words, bool changed) {
    if (!json_) {
        out_ << words << "\n";
        return;
    }
    single_ = true;
    row({{"name", settingEntry(index).valueName}, {"value", words}, {"default", defaultWords(index)},
         {"changed", changed ? "true" : "false"}});
    end();
}

void SettingsReport::difference(int index, const std::string& left, const std::string& right) {
    row({{"name", settingEntry(index).valueName}, {"left", left}, {"right", right}});
}

void SettingsReport::rawDifference(const std::string& setting, const std::string& before, const std::string& after) {
    row({{"name", setting}, {"left", before}, {"right", after}});
}

void SettingsReport::end() {
    if (!json_) return;
    if (single_) {
        for (const std::string& item : items_) out_ << item << "\n";
    } else {
        out_ << "[";
        for (size_t i = 0; i < items_.size(); ++i) out_ << (i ? ",\n " : "") << items_[i];
        out_ << "]\n";
    }
    items_.clear();
}

}  // namespace fk::settingscli
