// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The prefix's registry for a window that stays open while Wine comes and
// goes: the hive file while no Wine serves the prefix, Wine's live registry
// through the bridge while one does. A write that the way in use refuses
// for good (Wine started, and the file is Wine's now; or the bridge ended
// with its Wine) opens the store again as at start-up; when that gives a
// way that writes, every open key moves over and the write goes there.
// Reads stay on the way in use until then.
#include "platform/registry/Registry.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace fk::reg {

class FollowingRegistry final : public Registry {
public:
    // The store as the opener finds it now, or why writes cannot go.
    struct Way {
        std::unique_ptr<Registry> registry;  // null when none could be opened
        Problem problem;                     // why it does not write, when it does not
    };
    using Open = std::function<Way()>;

    FollowingRegistry(std::unique_ptr<Registry> first, Open open);
    ~FollowingRegistry() override;

    long RegOpenKeyExA(Key parent, const char* subKey, std::uint32_t options, std::uint32_t access,
                       Key* result) override;
    long RegOpenKeyExW(Key parent, const char16_t* subKey, std::uint32_t options, std::uint32_t access,
                       Key* result) override;
    long RegCreateKeyExA(Key parent, const char* subKey, std::uint32_t reserved, const char* keyClass,
                         std::uint32_t options, std::uint32_t access, const SecurityAttributes* security,
                         Key* result, std::uint32_t* disposition) override;
    long RegCreateKeyExW(Key parent, const char16_t* subKey, std::uint32_t reserved, const char16_t* keyClass,
                         std::uint32_t options, std::uint32_t access, const SecurityAttributes* security,
                         Key* result, std::uint32_t* disposition) override;
    long RegCloseKey(Key key) override;
    long RegEnumKeyExA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* reserved,
                       char* keyClass, std::uint32_t* classLength, FileTime* lastWrite) override;
    long RegEnumKeyExW(Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, char16_t* keyClass, std::uint32_t* classLength,
                       FileTime* lastWrite) override;
    long RegQueryValueExA(Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override;
    long RegQueryValueExW(Key key, const char16_t* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override;
    long RegSetValueExA(Key key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override;
    long RegSetValueExW(Key key, const char16_t* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override;
    long RegDeleteValueA(Key key, const char* valueName) override;
    long RegDeleteValueW(Key key, const char16_t* valueName) override;
    long RegEnumValueA(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* reserved,
                       std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) override;
    long RegEnumValueW(Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                       std::uint32_t* dataLength) override;
    long RegDeleteKeyA(Key parent, const char* subKey) override;
    long RegDeleteKeyW(Key parent, const char16_t* subKey) override;
    long RegDeleteTreeW(Key key, const char16_t* subKey) override;
    long readTree(Key key, std::uint32_t access, bool recurse, std::vector<TreeKey>& keys) override;

    int openHandleCount() const override { return int(keys_.size()); }
    bool writable() const override { return way_->writable(); }
    bool takeWineStartedDuringSave() override { return way_->takeWineStartedDuringSave(); }
    void onWayChanged(WayListener listener) override { listener_ = std::move(listener); }

    // Bulk work stays on the way it began on: its changes wait there. A
    // commit that way refuses for good moves on, for the next try.
    long beginTransaction() override;
    long commitTransaction() override;
    void rollbackTransaction() override;
    void batchWrites(bool on) override { way_->batchWrites(on); }
    long flushWrites() override { return way_->flushWrites(); }

private:
    // A key handed out: where it is, so that another way can open it again,
    // and its handle on the way in use (0 when that way lacks it).
    struct OpenKey {
        Key root;
        std::u16string path;
        std::uint32_t access;
        Key inner;
    };

    Key inner(Key key) const;
    // Runs `call` with the handle of `key` on the way in use.
    template <class Call>
    long with(Key key, const Call& call) const;
    // The path of `subKey` below `parent`, from a predefined root.
    bool place(Key parent, const std::u16string& subKey, Key& root, std::u16string& path) const;
    long adopt(Key parent, const std::u16string& subKey, std::uint32_t access, long status, Key innerKey,
               Key* result);
    // Runs `call` on the way in use; when that way refuses writes for good,
    // moves to the way the store can be reached now and runs it there.
    template <class Call>
    long write(const Call& call);
    bool follow();

    std::unique_ptr<Registry> way_;
    Open open_;
    WayListener listener_;
    std::map<Key, OpenKey> keys_;
    Key next_ = 0x1000;
    int transactions_ = 0;  // scopes begun and not yet ended
};

}  // namespace fk::reg
