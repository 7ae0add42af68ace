// SPDX-License-Identifier: GPL-3.0-or-later
// fk-standin.exe: stands in for the add-on under Wine in the live-editing
// tests: it seeds text that code page 1252 cannot hold.
//   fk-standin seed <key> [v:<name>:<utf16 hex>] [k:<utf16 hex>]...
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Win32Registry.h"

#include <string>

namespace {

using namespace fk::reg;

std::u16string fromHex(const std::string& hex) {
    std::u16string out;
    for (size_t i = 0; i + 4 <= hex.size(); i += 4) out.push_back(char16_t(std::stoul(hex.substr(i, 4), nullptr, 16)));
    return out;
}

int seed(Registry& registry, Key key, int argc, char** argv) {
    for (int i = 3; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("v:", 0) == 0) {
            size_t colon = arg.find(':', 2);
            std::string name = arg.substr(2, colon - 2);
            std::u16string text = fromHex(arg.substr(colon + 1));
            std::u16string wideName(name.begin(), name.end());
            if (registry.RegSetValueExW(key, wideName.c_str(), 0, TypeSz,
                                        reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                        std::uint32_t((text.size() + 1) * sizeof(char16_t))) != 0)
                return 3;
        } else if (arg.rfind("k:", 0) == 0) {
            if (!KeyHandle::create(registry, key, fromHex(arg.substr(2)).c_str(), nullptr, KeyAllAccess, nullptr).ok())
                return 3;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || std::string(argv[1]) != "seed") return 1;
    Win32Registry registry;
    const KeyHandle key = KeyHandle::create(registry, CurrentUser, argv[2], nullptr, KeyAllAccess, nullptr);
    if (!key.ok()) return 2;
    return seed(registry, key.get(), argc, argv);
}
