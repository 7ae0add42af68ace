// SPDX-License-Identifier: GPL-3.0-or-later
// The shared suite on advapi32 (Windows, or Wine running the test).
#include "platform/registry/KeyHandle.h"
#include "platform/registry/Win32Registry.h"
#include "RegistryBehaviour.h"

#include <stdexcept>

namespace fk::test {

namespace {

class Win32Scratch final : public Scratch {
public:
    explicit Win32Scratch(const Seed& seed) : path_(scratchPath()) {
        const reg::KeyHandle key = reg::KeyHandle::create(registry_, reg::CurrentUser, path_.c_str(), nullptr,
                                                          reg::KeyAllAccess, nullptr);
        if (!key.ok()) throw std::runtime_error("cannot create the scratch key " + path_);
        for (const auto& value : seed.values) {
            std::u16string name(value.name.begin(), value.name.end());
            registry_.RegSetValueExW(key.get(), name.c_str(), 0, reg::TypeSz,
                                     reinterpret_cast<const std::uint8_t*>(value.text.c_str()),
                                     std::uint32_t((value.text.size() + 1) * 2));
        }
        for (const auto& subkey : seed.subkeys)
            reg::KeyHandle::create(registry_, key.get(), subkey.c_str(), nullptr, reg::KeyAllAccess, nullptr);
    }
    ~Win32Scratch() override {
        const std::u16string path(path_.begin(), path_.end());
        registry_.RegDeleteTreeW(reg::CurrentUser, path.c_str());
        registry_.RegDeleteKeyA(reg::CurrentUser, path_.c_str());
        registry_.RegDeleteKeyA(reg::CurrentUser, "Software\\FettlekitTest");  // fails while others' keys remain
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
