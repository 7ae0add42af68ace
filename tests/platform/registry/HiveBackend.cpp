// SPDX-License-Identifier: GPL-3.0-or-later
// The shared suite on the hive file: a user.reg in a fresh folder, with the
// scratch key (and any seeded values) written as Wine writes them.
#include "platform/hive/HiveDocument.h"
#include "platform/hive/HiveText.h"
#include "RegistryBehaviour.h"
#include "support/OpenedHive.h"
#include "support/TestFiles.h"

#include <algorithm>
#include <fstream>

namespace fk::test {

namespace {

// A key's line as Wine writes it, each name escaped as Wine escapes it.
std::string keyLine(const std::u16string& path) {
    std::string line;
    for (size_t start = 0, end; start <= path.size(); start = end + 1) {
        end = std::min(path.find(u'\\', start), path.size());
        line += (start ? "\\\\" : "") + reg::hive::escapeText(path.substr(start, end - start), "[]");
    }
    return "[" + line + "] 1700000000\n#time=1d9f0c6b1a2b3c4\n";
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
            out << '"' << value.name << "\"=\"" << reg::hive::escapeText(value.text, "\"\"") << "\"\n";
        for (const auto& subkey : seed.subkeys) out << '\n' << keyLine(key + u"\\" + subkey);
        out.close();
        registry_ = openHiveFile(folder_.file("user.reg"));
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
