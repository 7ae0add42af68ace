// fk-standin.exe: stands in for the add-on under Wine in the live-editing
// tests: it seeds text that code page 1252 cannot hold.
//   fk-standin seed <key> [v:<name>:<utf16 hex>] [k:<utf16 hex>]...
#include <windows.h>

#include <string>

namespace {

std::wstring fromHex(const std::string& hex) {
    std::wstring out;
    for (size_t i = 0; i + 4 <= hex.size(); i += 4) out.push_back(wchar_t(std::stoul(hex.substr(i, 4), nullptr, 16)));
    return out;
}

int seed(HKEY key, int argc, char** argv) {
    for (int i = 3; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("v:", 0) == 0) {
            size_t colon = arg.find(':', 2);
            std::string name = arg.substr(2, colon - 2);
            std::wstring text = fromHex(arg.substr(colon + 1));
            std::wstring wideName(name.begin(), name.end());
            if (RegSetValueExW(key, wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                               DWORD((text.size() + 1) * sizeof(wchar_t))) != 0)
                return 3;
        } else if (arg.rfind("k:", 0) == 0) {
            HKEY sub = nullptr;
            if (RegCreateKeyExW(key, fromHex(arg.substr(2)).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub,
                                nullptr) != 0)
                return 3;
            RegCloseKey(sub);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || std::string(argv[1]) != "seed") return 1;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, argv[2], 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != 0)
        return 2;
    const int result = seed(key, argc, argv);
    RegCloseKey(key);
    return result;
}
