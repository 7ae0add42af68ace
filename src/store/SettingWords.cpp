// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingWords.h"

#include "platform/registry/Registry.h"
#include "store/ChangedSettings.h"
#include "store/ImportRules.h"
#include "store/StoredFont.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

namespace fk {

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> fields(const std::string& words) {
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
        const size_t comma = words.find(',', start);
        parts.push_back(trimmed(words.substr(start, comma - start)));
        if (comma == std::string::npos) return parts;
        start = comma + 1;
    }
}

std::string yesNo(bool flag) { return flag ? "yes" : "no"; }

std::optional<bool> flagOf(const std::string& words) {
    const std::string w = lower(trimmed(words));
    for (const char* yes : {"yes", "true", "on", "1"})
        if (w == yes) return true;
    for (const char* no : {"no", "false", "off", "0"})
        if (w == no) return false;
    return std::nullopt;
}

std::optional<std::int32_t> numberOf(const std::string& words) {
    std::string w = trimmed(words);
    if (!w.empty() && w[0] == '+') w.erase(0, 1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), value);
    if (w.empty() || error != std::errc() || end != w.data() + w.size()) return std::nullopt;
    return value;
}

// Colours are stored as 00bbggrr and written as HTML writes them.
std::string colourWords(std::int32_t stored) {
    const auto bits = std::uint32_t(stored);
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", bits & 0xFF, bits >> 8 & 0xFF, bits >> 16 & 0xFF);
    return text;
}

std::optional<std::int32_t> colourOf(const std::string& words) {
    std::string w = trimmed(words);
    if (!w.empty() && w[0] == '#') w.erase(0, 1);
    std::uint32_t rgb = 0;
    const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), rgb, 16);
    if (w.size() != 6 || error != std::errc() || end != w.data() + w.size()) return std::nullopt;
    return std::int32_t((rgb >> 16) | (rgb & 0xFF00) | (rgb & 0xFF) << 16);
}

std::string fontWords(const FontDefault& f) {
    std::string words = text::cp1252ToUtf8(f.faceName) + ", " + std::to_string(f.size);
    if (f.weight == 700) words += ", bold";
    else if (f.weight != 400 && f.weight != 0) words += ", weight " + std::to_string(f.weight);
    if (f.italic) words += ", italic";
    if (!f.enabled) words += ", disabled";
    return words;
}

std::string textWords(PreferenceStore& store, const std::string& valueName, const std::string& byDefault) {
    std::string text = byDefault;
    store.readText(store.currentKey(), valueName, text);
    return text::cp1252ToUtf8(text);
}

// The store's own rule for what a value may hold, as an import checks it.
std::string broken(const std::string& keyPath, const std::string& valueName, std::uint32_t type,
                   const std::string& bytes, const ProblemWords& say) {
    const TransferProblem problem = importRuleBroken(keyPath, valueName, type, bytes);
    return problem ? say(problem) : std::string();
}

std::string dwordBytes(std::int32_t value) {
    const auto bits = std::uint32_t(value);
    return {char(bits), char(bits >> 8), char(bits >> 16), char(bits >> 24)};
}

std::string notSaved() { return "Setting not saved."; }

std::string writeText(PreferenceStore& store, const std::string& keyPath, const std::string& valueName,
                      const std::string& words, const ProblemWords& say) {
    const std::string text = text::utf8ToCp1252(words);
    if (std::string why = broken(keyPath, valueName, reg::TypeSz, text + '\0', say); !why.empty()) return why;
    return store.writeText(store.currentKey(), valueName, text) ? std::string() : notSaved();
}

std::string writeSwitch(PreferenceStore& store, const std::string& keyPath, const SettingEntry& e,
                        const std::string& words, const ProblemWords& say) {
    const SwitchTextPair& pair = catalogue().switchTextPairs.at(std::size_t(e.auxIndex));
    const size_t comma = words.find(',');
    const auto flag = flagOf(words.substr(0, comma));
    if (!flag) return "\"" + e.valueName + "\" takes yes or no, then optionally a comma and its text";
    if (comma != std::string::npos)
        if (std::string why = writeText(store, keyPath, pair.textValueName, trimmed(words.substr(comma + 1)), say);
            !why.empty())
            return why;
    return store.writeNumber(store.currentKey(), pair.switchValueName, *flag ? 1 : 0) ? std::string() : notSaved();
}

// "Face, size" and any of "bold", "italic", "weight N", "disabled".
std::string writeFont(PreferenceStore& store, const std::string& keyPath, int index, const std::string& words,
                      const ProblemWords& say) {
    const SettingEntry& e = settingEntry(index);
    const std::string usage = "\"" + e.valueName + "\" takes a font as \"Face, size\" with any of bold, italic, "
                              "weight N, disabled";
    const std::vector<std::string> parts = fields(words);
    FontDefault font = catalogue().fontDefaults.at(std::size_t(e.auxIndex));
    font.enabled = 1;
    font.weight = 400;
    font.italic = 0;
    const auto size = parts.size() >= 2 ? numberOf(parts[1]) : std::nullopt;
    if (parts[0].empty() || !size) return usage;
    font.faceName = text::utf8ToCp1252(parts[0]);
    font.size = *size;
    for (size_t i = 2; i < parts.size(); ++i) {
        const std::string word = lower(parts[i]);
        if (word == "bold") font.weight = 700;
        else if (word == "italic") font.italic = 1;
        else if (word == "disabled") font.enabled = 0;
        else if (word.starts_with("weight ") && numberOf(word.substr(7))) font.weight = *numberOf(word.substr(7));
        else return usage;
    }
    const std::string fontKey = keyPath.empty() ? e.valueName : keyPath + "\\" + e.valueName;
    if (std::string why = broken(fontKey, "Name", reg::TypeSz, font.faceName + '\0', say); !why.empty()) return why;
    return writeFontSetting(store, index, font) == SaveResult::Done ? std::string() : notSaved();
}

}  // namespace

int findSetting(const std::string& name) {
    for (int i = 0; i < SettingCount; ++i)
        if (lower(settingEntry(i).valueName) == lower(name)) return i;
    return -1;
}

std::string kindName(SettingKind kind) {
    static constexpr const char* names[] = {"boolean", "number", "text",   "file",       "colour",
                                            "account", "font",   "switch", "quicktexts", "none"};
    return names[std::size_t(kind)];
}

std::string defaultWords(int index) {
    const SettingEntry& e = settingEntry(index);
    using enum SettingKind;
    switch (e.kind) {
    case Boolean: return yesNo(e.defaultBool);
    case Number: return std::to_string(e.defaultLong);
    case Colour: return e.colourDefaultAbsent ? std::string() : colourWords(e.defaultLong);
    case Text: case File: case Account: return text::cp1252ToUtf8(e.defaultText);
    case SwitchWithText: {
        const SwitchTextPair& pair = catalogue().switchTextPairs.at(std::size_t(e.auxIndex));
        return yesNo(pair.defaultSwitch) + ", " + text::cp1252ToUtf8(pair.defaultText);
    }
    case Font: return fontWords(catalogue().fontDefaults.at(std::size_t(e.auxIndex)));
    case QuickTexts: return yesNo(catalogue().quickTextDefaults.at(std::size_t(e.auxIndex)).defaultInclude);
    default: return {};
    }
}

std::string rangeWords(int index) {
    const SettingEntry& e = settingEntry(index);
    if (e.kind != SettingKind::Number) return {};
    if (e.maxEnforced) return std::to_string(e.minValue) + " to " + std::to_string(e.maxValue);
    return std::to_string(e.minValue) + " or more";
}

std::string storedWords(PreferenceStore& store, int index) {
    const SettingEntry& e = settingEntry(index);
    const reg::Key key = store.currentKey();
    using enum SettingKind;
    switch (e.kind) {
    case Boolean: return yesNo(store.readSettingNumber(index) != 0);
    case Number: return std::to_string(store.readSettingNumber(index));
    case Colour: {
        std::int32_t value = e.defaultLong;
        if (!store.readNumber(key, e.valueName, value) && e.colourDefaultAbsent) return {};
        return colourWords(value);
    }
    case Text: case File: case Account: return text::cp1252ToUtf8(store.readSettingText(index));
    case SwitchWithText: {
        const SwitchTextPair& pair = catalogue().switchTextPairs.at(std::size_t(e.auxIndex));
        std::int32_t flag = pair.defaultSwitch ? 1 : 0;
        store.readNumber(key, pair.switchValueName, flag);
        return yesNo(flag != 0) + ", " + textWords(store, pair.textValueName, pair.defaultText);
    }
    case Font: return fontWords(readFontSetting(store, index));
    // Quick texts are many; what differs is which are left out of the menu.
    case QuickTexts: {
        const SettingState state = key ? settingState(store.registry(), key, index) : SettingState{};
        if (!state.changed) return defaultWords(index);
        std::string hidden;
        for (const ShownValue& part : state.stored)
            if (part.kind == ShownValue::Kind::HiddenFrom) hidden = part.text;
        return "False for " + text::cp1252ToUtf8(hidden);
    }
    default: return {};
    }
}

std::string writeWords(PreferenceStore& store, const std::string& keyPath, int index, const std::string& words,
                       const ProblemWords& say) {
    const SettingEntry& e = settingEntry(index);
    const std::string quoted = "\"" + e.valueName + "\"";
    using enum SettingKind;
    switch (e.kind) {
    case Boolean: {
        const auto flag = flagOf(words);
        if (!flag) return quoted + " takes yes or no";
        return store.writeSettingBoolean(*flag, index) ? std::string() : notSaved();
    }
    case Number: {
        const auto value = numberOf(words);
        if (!value) return quoted + " takes a whole number" + (rangeWords(index).empty() ? "" : ", " + rangeWords(index));
        if (std::string why = broken(keyPath, e.valueName, reg::TypeDword, dwordBytes(*value), say); !why.empty())
            return why;
        return store.writeSettingNumber(*value, index) ? std::string() : notSaved();
    }
    case Colour: {
        const auto value = colourOf(words);
        if (!value) return quoted + " takes a colour as #rrggbb";
        if (std::string why = broken(keyPath, e.valueName, reg::TypeDword, dwordBytes(*value), say); !why.empty())
            return why;
        return store.writeSettingNumber(*value, index) ? std::string() : notSaved();
    }
    case Text: case File: case Account: return writeText(store, keyPath, e.valueName, words, say);
    case SwitchWithText: return writeSwitch(store, keyPath, e, words, say);
    case Font: return writeFont(store, keyPath, index, words, say);
    default: return quoted + " holds a list of quick texts, which the window edits";
    }
}

}  // namespace fk
