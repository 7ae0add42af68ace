// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ImportRules.h"

#include "catalogue/Catalogue.h"
#include "platform/registry/Registry.h"
#include "text/Cp1252.h"

#include <cctype>
#include <vector>

namespace fk {

namespace {

// Brisko! reads texts into 256 bytes, terminating zero included.
constexpr std::int32_t LongestText = 255;

bool same(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::vector<std::string> split(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (!path.empty()) {
        size_t slash = path.find('\\', start);
        parts.push_back(path.substr(start, slash - start));
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    return parts;
}

enum class Want { Anything, Dword, Number, Colour, Text };

struct Rule {
    Want want = Want::Anything;
    const SettingEntry* entry = nullptr;
};

// A value directly in a preferences key (an account's, or the root for all users).
Rule preferenceRule(const std::string& name, bool allUsers) {
    for (int i = 0; i < SettingCount; ++i) {
        const SettingEntry& e = settingEntry(i);
        if (e.allUsers != allUsers) continue;
        if (e.kind == SettingKind::SwitchWithText) {
            const SwitchTextPair& pair = catalogue().switchTextPairs[size_t(e.auxIndex)];
            if (same(name, pair.switchValueName)) return {Want::Dword, &e};
            if (same(name, pair.textValueName)) return {Want::Text, &e};
            continue;
        }
        if (!same(name, e.valueName)) continue;
        using enum SettingKind;
        switch (e.kind) {
        case Boolean: return {Want::Dword, &e};
        case Number: return {Want::Number, &e};
        case Colour: return {Want::Colour, &e};
        case Text: case File: case Account: return {Want::Text, &e};
        default: return {};
        }
    }
    return {};
}

// A value in a subkey of a preferences key: a font's or a quick text's.
Rule subkeyRule(const std::vector<std::string>& below, const std::string& name, bool allUsers) {
    for (int i = 0; i < SettingCount; ++i) {
        const SettingEntry& e = settingEntry(i);
        if (e.allUsers != allUsers) continue;
        if (e.kind == SettingKind::Font && below.size() == 1 && same(below[0], e.valueName)) {
            if (same(name, "Name")) return {Want::Text, &e};
            for (const char* n : {"Enable", "Height", "Weight", "Italic", "Charset"})
                if (same(name, n)) return {Want::Dword, &e};
        }
        if (e.kind == SettingKind::QuickTexts && below.size() == 2 &&
            same(below[0], catalogue().quickTextDefaults[size_t(e.auxIndex)].subkeyName)) {
            if (same(name, e.valueName)) return {Want::Dword, &e};
            if (same(name, "Message") || same(name, "Alias")) return {Want::Text, &e};
        }
    }
    return {};
}

Rule ruleFor(const std::string& keyPath, const std::string& name) {
    std::vector<std::string> parts = split(keyPath);
    bool allUsers = parts.empty();
    size_t depth = 0;  // parts that make up the preferences key
    if (!allUsers) {
        if (parts.size() < 2 || !same(parts[1], "Preferences")) {
            // Fonts and quick texts of the all-users group sit in the root.
            return subkeyRule(parts, name, true);
        }
        depth = 2;
    }
    if (parts.size() == depth) return preferenceRule(name, allUsers);
    return subkeyRule(std::vector<std::string>(parts.begin() + long(depth), parts.end()), name, allUsers);
}

std::int32_t dwordOf(const std::string& bytes) {
    std::uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v |= std::uint32_t(std::uint8_t(bytes[i])) << (8 * i);
    return std::int32_t(v);
}

}  // namespace

TransferProblem importRuleBroken(const std::string& keyPath, const std::string& valueName, std::uint32_t type,
                                 const std::string& bytes) {
    using Why = TransferProblem::Why;
    Rule rule = ruleFor(keyPath, valueName);
    TransferProblem broken;
    broken.subject = text::cp1252ToUtf8(valueName);
    const auto refuse = [&broken](Why why) {
        broken.why = why;
        return broken;
    };
    bool dword = type == reg::TypeDword && bytes.size() == 4;
    switch (rule.want) {
    case Want::Anything:
        return {};
    case Want::Dword:
        return dword ? TransferProblem() : refuse(Why::NotNumber);
    case Want::Colour:
        if (dword && std::uint32_t(dwordOf(bytes)) <= 0xFFFFFF) return {};
        return refuse(Why::NotColour);
    case Want::Number: {
        const SettingEntry& e = *rule.entry;
        if (dword) {
            std::int32_t v = dwordOf(bytes);
            if (v >= e.minValue && (!e.maxEnforced || v <= e.maxValue)) return {};
        }
        broken.low = e.minValue;
        broken.high = e.maxValue;
        return refuse(e.maxEnforced ? Why::OutOfRange : Why::BelowMinimum);
    }
    case Want::Text:
        if (type == reg::TypeSz && bytes.size() <= size_t(LongestText) + 1) return {};
        broken.high = LongestText;
        return refuse(Why::TextTooLong);
    }
    return {};
}

int settingOfValue(const std::string& keyPath, const std::string& valueName) {
    const Rule rule = ruleFor(keyPath, valueName);
    return rule.entry ? int(rule.entry - &settingEntry(0)) : -1;
}

}  // namespace fk
