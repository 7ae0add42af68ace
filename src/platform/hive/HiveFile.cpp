// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hive/HiveFile.h"

#include "platform/wine/WineServer.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <sys/mman.h>

namespace fk::reg::hive {

namespace {

// A hive's copy, in memory of its own (pages of a big one come two
// megabytes at a time, far fewer faults).
class CopiedText final : public SourceText {
public:
    ~CopiedText() override { release(); }
    std::string_view text() const override { return {at_, size_}; }

    // Faults are costly (under a hypervisor most): from a quarter of a large
    // page up, the copy takes whole large pages, aligned, faulted in at once.
    char* room(size_t size) {
        constexpr size_t Large = 2u << 20;
        release();
        size_ = size;
        const bool large = size >= Large / 4;
        const size_t used = large ? (size + Large - 1) / Large * Large : std::max<size_t>(size, 1);
        mapped_ = large ? used + Large : used;
        void* base = ::mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base == MAP_FAILED) return nullptr;
        base_ = static_cast<char*>(base);
        at_ = large ? base_ + (Large - reinterpret_cast<std::uintptr_t>(base_) % Large) % Large : base_;
        if (large) {
            ::madvise(at_, used, MADV_HUGEPAGE);
            ::madvise(at_, used, MADV_POPULATE_WRITE);  // only a hint: faults do the same
        }
        return at_;
    }

private:
    void release() {
        if (base_) ::munmap(base_, mapped_);
        base_ = at_ = nullptr;
    }

    char *base_ = nullptr, *at_ = nullptr;
    size_t size_ = 0, mapped_ = 0;
};

}  // namespace

std::unique_ptr<SourceText> readHiveFile(const std::string& path, FileStamp& stamp, int& error) {
    auto text = std::make_unique<CopiedText>();
    error = files::readFileInto(path, stamp, [&text](size_t size) { return text->room(size); });
    if (error) return nullptr;
    return text;
}

bool wineServesPrefix(const std::string& hivePath) {
    const std::string folder = std::filesystem::path(hivePath).parent_path().string();
    return wine::findWineServer(folder.empty() ? "." : folder).running;
}

}  // namespace fk::reg::hive
