// The shared suite on the hive file: a user.reg in a fresh folder, with the
// scratch key (and any seeded values) written as Wine writes them.
#include "HiveRegistry.h"
#include "TestFiles.h"
#include "RegistryBehaviour.h"

#include <cstdio>
#include <fstream>

namespace fk::test {

namespace {

// Wine's escaping of a registry string or key name.
std::string wineEscape(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        if (c == u'\\' || c == u'"') {
            out += '\\';
            out += char(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%04x", unsigned(c));
            out += hex;
        }
    }
    return out;
}

std::string keyLine(const std::u16string& path) {
    std::string line = "[";
    for (char16_t c : path) line += c == u'\\' ? std::string("\\\\") : wineEscape(std::u16string(1, c));
    return line + "] 1700000000\n#time=1d9f0c6b1a2b3c4\n";
}

class HiveScratch final : public Scratch {
public:
    explicit HiveScratch(const Seed& seed) : path_(scratchPath()) {
        if (folder_.path().empty()) throw std::runtime_error("no temporary folder");
        std::u16string key(path_.begin(), path_.end());
        std::ofstream out(folder_.file("user.reg"), std::ios::binary);
        out << "WINE REGISTRY Version 2\n"
               ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n"
               "#arch=win64\n\n"
            << keyLine(key);
        for (const auto& value : seed.values)
            out << '"' << value.name << "\"=\"" << wineEscape(value.text) << "\"\n";
        for (const auto& subkey : seed.subkeys) out << '\n' << keyLine(key + u"\\" + subkey);
        out.close();
        auto opened = reg::openHiveRegistry(folder_.file("user.reg"));
        if (!opened.registry) throw std::runtime_error("the hive did not open: " + opened.error);
        registry_ = std::move(opened.registry);
    }
    reg::Registry& registry() override { return *registry_; }
    std::string path() const override { return path_; }

private:
    std::string path_;
    TempFolder folder_;  // outlives the registry
    std::unique_ptr<reg::Registry> registry_;
};

}  // namespace

std::unique_ptr<Scratch> openHiveScratch(const Seed& seed) { return std::make_unique<HiveScratch>(seed); }

}  // namespace fk::test
