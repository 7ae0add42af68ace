// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/HiveTree.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace fk::reg::hive {

namespace {

char16_t lower(char16_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return char16_t(c + 32);
    if (c >= 0x100 && c <= 0x137) return (c % 2 == 0 && c != 0x130) ? char16_t(c + 1) : c;
    if (c >= 0x139 && c <= 0x148) return (c % 2 == 1) ? char16_t(c + 1) : c;
    if (c >= 0x14A && c <= 0x177) return (c % 2 == 0) ? char16_t(c + 1) : c;
    if (c == 0x178) return 0xFF;
    if (c >= 0x179 && c <= 0x17E) return (c % 2 == 1) ? char16_t(c + 1) : c;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return char16_t(c + 32);
    if (c >= 0x410 && c <= 0x42F) return char16_t(c + 32);
    if (c >= 0x400 && c <= 0x40F) return char16_t(c + 80);
    return c;
}

}  // namespace

Ticks nowTicks() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return Ticks(ts.tv_sec) * TicksPerSecond + Ticks(ts.tv_nsec) / 100 + TicksFrom1601To1970;
}

int compareNames(std::u16string_view a, std::u16string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int d = int(lower(a[i])) - int(lower(b[i]));
        if (d) return d;
    }
    return int(a.size()) - int(b.size());
}

bool sameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && compareNames(a, b) == 0;
}

std::vector<std::u16string> splitPath(std::u16string_view path) {
    std::vector<std::u16string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos) end = path.size();
        if (end > start) parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

Key* Key::findSubkey(std::u16string_view wanted) const {
    // Files list keys in order: a new name mostly sorts after them all.
    if (subkeys.empty() || compareNames(subkeys.back()->name, wanted) < 0) return nullptr;
    auto it = std::lower_bound(subkeys.begin(), subkeys.end(), wanted,
                               [](const std::unique_ptr<Key>& k, std::u16string_view n) { return compareNames(k->name, n) < 0; });
    return it != subkeys.end() && sameName((*it)->name, wanted) ? it->get() : nullptr;
}

Key& Key::addSubkey(std::u16string wanted) {
    auto it = subkeys.empty() || compareNames(subkeys.back()->name, wanted) < 0
                  ? subkeys.end()
                  : std::lower_bound(subkeys.begin(), subkeys.end(), wanted, [](const std::unique_ptr<Key>& k, std::u16string_view n) {
                        return compareNames(k->name, n) < 0;
                    });
    auto key = std::make_unique<Key>();
    key->name = std::move(wanted);
    key->parent = this;
    key->depth = depth + 1;
    return **subkeys.insert(it, std::move(key));
}

namespace {
bool valueBefore(const Value& v, std::u16string_view wanted) { return compareNames(v.name, wanted) < 0; }
}  // namespace

Value* Key::findValue(std::u16string_view wanted) {
    auto it = std::lower_bound(values.begin(), values.end(), wanted, valueBefore);
    return it != values.end() && sameName(it->name, wanted) ? &*it : nullptr;
}

Value& Key::addValue(std::u16string wanted) {
    Value value;
    value.name = std::move(wanted);
    return addValue(std::move(value));
}

Value& Key::addValue(Value&& value) {
    // Files list values in order, so most land at the end.
    if (values.empty() || compareNames(values.back().name, value.name) < 0) return values.emplace_back(std::move(value));
    auto it = std::upper_bound(values.begin(), values.end(), value.name,
                               [](std::u16string_view n, const Value& v) { return compareNames(n, v.name) < 0; });
    return *values.insert(it, std::move(value));
}

bool Key::removeValue(std::u16string_view wanted) {
    Value* value = findValue(wanted);
    if (!value) return false;
    values.erase(values.begin() + (value - values.data()));
    return true;
}

}  // namespace fk::reg::hive
