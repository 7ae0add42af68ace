// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The A or the W call behind an operation, chosen by the width of its
// texts (char: code page 1252, char16_t: UTF-16), so that code written once
// serves both.
#include "platform/registry/Registry.h"

#include <type_traits>

namespace fk::reg {

template <class Ch>
struct Calls {
    static_assert(std::is_same_v<Ch, char> || std::is_same_v<Ch, char16_t>);
    static constexpr bool Wide = std::is_same_v<Ch, char16_t>;

    static long open(Registry& r, Key p, const Ch* s, std::uint32_t o, std::uint32_t a, Key* k) {
        if constexpr (Wide) return r.RegOpenKeyExW(p, s, o, a, k);
        else return r.RegOpenKeyExA(p, s, o, a, k);
    }
    static long create(Registry& r, Key p, const Ch* s, std::uint32_t res, const Ch* c, std::uint32_t o,
                       std::uint32_t a, const SecurityAttributes* sa, Key* k, std::uint32_t* d) {
        if constexpr (Wide) return r.RegCreateKeyExW(p, s, res, c, o, a, sa, k, d);
        else return r.RegCreateKeyExA(p, s, res, c, o, a, sa, k, d);
    }
    static long enumKey(Registry& r, Key k, std::uint32_t i, Ch* n, std::uint32_t* nl, Ch* c, std::uint32_t* cl,
                        FileTime* t) {
        if constexpr (Wide) return r.RegEnumKeyExW(k, i, n, nl, nullptr, c, cl, t);
        else return r.RegEnumKeyExA(k, i, n, nl, nullptr, c, cl, t);
    }
    static long query(Registry& r, Key k, const Ch* n, std::uint32_t* t, std::uint8_t* d, std::uint32_t* s) {
        if constexpr (Wide) return r.RegQueryValueExW(k, n, nullptr, t, d, s);
        else return r.RegQueryValueExA(k, n, nullptr, t, d, s);
    }
    static long set(Registry& r, Key k, const Ch* n, std::uint32_t res, std::uint32_t t, const std::uint8_t* d,
                    std::uint32_t s) {
        if constexpr (Wide) return r.RegSetValueExW(k, n, res, t, d, s);
        else return r.RegSetValueExA(k, n, res, t, d, s);
    }
    static long deleteValue(Registry& r, Key k, const Ch* n) {
        if constexpr (Wide) return r.RegDeleteValueW(k, n);
        else return r.RegDeleteValueA(k, n);
    }
    static long enumValue(Registry& r, Key k, std::uint32_t i, Ch* n, std::uint32_t* nl, std::uint32_t* t,
                          std::uint8_t* d, std::uint32_t* s) {
        if constexpr (Wide) return r.RegEnumValueW(k, i, n, nl, nullptr, t, d, s);
        else return r.RegEnumValueA(k, i, n, nl, nullptr, t, d, s);
    }
    static long deleteKey(Registry& r, Key p, const Ch* s) {
        if constexpr (Wide) return r.RegDeleteKeyW(p, s);
        else return r.RegDeleteKeyA(p, s);
    }
};

}  // namespace fk::reg
