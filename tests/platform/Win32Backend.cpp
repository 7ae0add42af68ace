// The shared suite on advapi32 (Windows, or Wine running the test).
#include "RegistryBehaviour.h"
#include "platform/registry/Win32Registry.h"

#include <windows.h>

namespace fk::test {

namespace {

const wchar_t* wide(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

class Win32Scratch final : public Scratch {
public:
    explicit Win32Scratch(const Seed& seed) : path_(scratchPath()) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            throw std::runtime_error("cannot create the scratch key " + path_);
        for (const auto& value : seed.values) {
            std::u16string name(value.name.begin(), value.name.end());
            RegSetValueExW(key, wide(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.text.c_str()),
                           DWORD((value.text.size() + 1) * 2));
        }
        for (const auto& subkey : seed.subkeys) {
            HKEY sub = nullptr;
            if (RegCreateKeyExW(key, wide(subkey), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr) ==
                ERROR_SUCCESS)
                RegCloseKey(sub);
        }
        RegCloseKey(key);
    }
    ~Win32Scratch() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\FettlekitTest");  // fails while others' keys remain
    }
    reg::Registry& registry() override { return registry_; }
    std::string path() const override { return path_; }

private:
    std::string path_;
    reg::Win32Registry registry_;
};

}  // namespace

std::vector<Backend> registryBackends() {
    return {{"Advapi32", [](const Seed& seed) { return std::make_unique<Win32Scratch>(seed); }}};
}

}  // namespace fk::test
