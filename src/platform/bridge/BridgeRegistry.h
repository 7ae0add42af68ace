// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry on the far side of the bridge: each operation is one request
// and one reply over a transport (the pipes of fettlekit-bridge.exe under
// Wine, or a direct call in tests).
#include "platform/registry/Registry.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace fk::bridge {

// Once the bridge is gone every operation answers this (Windows'
// ERROR_BROKEN_PIPE): writes fail, reads fall back to defaults.
inline constexpr long BridgeGone = 109;

class Transport {
public:
    virtual ~Transport() = default;
    // Sends one request payload and waits for its reply payload. False when
    // the other side is gone or broke the protocol; the transport then stays
    // failed.
    virtual bool exchange(const std::string& request, std::string& reply) = 0;
};

class BridgeRegistry final : public reg::Registry {
public:
    explicit BridgeRegistry(std::unique_ptr<Transport> transport);

    // Asks the bridge for its protocol version; false when it does not answer
    // as this program expects.
    bool hello();

    long RegOpenKeyExA(reg::Key parent, const char* subKey, std::uint32_t options, std::uint32_t access,
                       reg::Key* result) override;
    long RegCreateKeyExA(reg::Key parent, const char* subKey, std::uint32_t reserved, const char* keyClass,
                         std::uint32_t options, std::uint32_t access, const reg::SecurityAttributes* security,
                         reg::Key* result, std::uint32_t* disposition) override;
    long RegCloseKey(reg::Key key) override;
    long RegEnumKeyExA(reg::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, char* keyClass, std::uint32_t* classLength,
                       reg::FileTime* lastWrite) override;
    long RegQueryValueExA(reg::Key key, const char* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override;
    long RegSetValueExA(reg::Key key, const char* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override;
    long RegDeleteValueA(reg::Key key, const char* valueName) override;
    long RegEnumValueA(reg::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                       std::uint32_t* dataLength) override;
    long RegDeleteKeyA(reg::Key parent, const char* subKey) override;

    long RegOpenKeyExW(reg::Key parent, const char16_t* subKey, std::uint32_t options, std::uint32_t access,
                       reg::Key* result) override;
    long RegCreateKeyExW(reg::Key parent, const char16_t* subKey, std::uint32_t reserved, const char16_t* keyClass,
                         std::uint32_t options, std::uint32_t access, const reg::SecurityAttributes* security,
                         reg::Key* result, std::uint32_t* disposition) override;
    long RegEnumKeyExW(reg::Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, char16_t* keyClass, std::uint32_t* classLength,
                       reg::FileTime* lastWrite) override;
    long RegQueryValueExW(reg::Key key, const char16_t* valueName, std::uint32_t* reserved, std::uint32_t* type,
                          std::uint8_t* data, std::uint32_t* dataLength) override;
    long RegSetValueExW(reg::Key key, const char16_t* valueName, std::uint32_t reserved, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t dataLength) override;
    long RegDeleteValueW(reg::Key key, const char16_t* valueName) override;
    long RegEnumValueW(reg::Key key, std::uint32_t index, char16_t* name, std::uint32_t* nameLength,
                       std::uint32_t* reserved, std::uint32_t* type, std::uint8_t* data,
                       std::uint32_t* dataLength) override;
    long RegDeleteKeyW(reg::Key parent, const char16_t* subKey) override;
    long RegDeleteTreeW(reg::Key key, const char16_t* subKey) override;
    long readTree(reg::Key key, std::uint32_t access, bool recurse, std::vector<reg::TreeKey>& keys) override;

    void batchWrites(bool on) override;
    long flushWrites() override;

    int openHandleCount() const override { return int(open_.size()); }
    bool writable() const override { return alive_; }

private:
    // Sends the request; on an answer returns its status and leaves the
    // outputs in `reply` past the status.
    long call(const std::string& request, std::string& reply);
    // A request whose reply carries only its status: kept for the next
    // batch while batching, else sent now.
    long write(const std::string& request);
    // Sends the requests kept, in one batch.
    void sendBatch();
    // Sends a request whose reply carries outputs for the caller's buffers,
    // and fills them only when the whole reply reads well.
    template <class... Outputs>
    long exchange(const std::string& request, Outputs&... outputs);

    // Each operation once for both widths of text.
    template <class Ch>
    long openKey(reg::Key parent, const Ch* subKey, std::uint32_t options, std::uint32_t access, reg::Key* result);
    template <class Ch>
    long createKey(reg::Key parent, const Ch* subKey, std::uint32_t reserved, const Ch* keyClass,
                   std::uint32_t options, std::uint32_t access, const reg::SecurityAttributes* security,
                   reg::Key* result, std::uint32_t* disposition);
    template <class Ch>
    long enumKey(reg::Key key, std::uint32_t index, Ch* name, std::uint32_t* nameLength, Ch* keyClass,
                 std::uint32_t* classLength, reg::FileTime* lastWrite);
    template <class Ch>
    long queryValue(reg::Key key, const Ch* valueName, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* dataLength);
    template <class Ch>
    long setValue(reg::Key key, const Ch* valueName, std::uint32_t reserved, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t dataLength);
    // A value or a subkey, by name: `op` the bridge's code for which.
    template <class Ch>
    long deleteNamed(std::uint8_t op, reg::Key key, const Ch* name);
    template <class Ch>
    long enumValue(reg::Key key, std::uint32_t index, Ch* name, std::uint32_t* nameLength, std::uint32_t* type,
                   std::uint8_t* data, std::uint32_t* dataLength);

    std::unique_ptr<Transport> transport_;
    std::set<reg::Key> open_;
    bool alive_ = true;
    bool batching_ = false;
    std::vector<std::string> waiting_;
    std::size_t waitingBytes_ = 0;
    long batchFailure_ = reg::Success;  // the first of the batches sent
    std::uint64_t chosen_ = 0;          // the last handle chosen here
};

}  // namespace fk::bridge
