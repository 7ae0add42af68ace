// SPDX-License-Identifier: GPL-3.0-or-later
// The shared suite through the bridge protocol without Wine: the client and
// the server ends joined in one process, the hive file behind them. Any
// fault in how an argument or a buffer travels shows here.
#include "platform/bridge/BridgeProtocol.h"
#include "platform/bridge/BridgeRegistry.h"
#include "platform/bridge/BridgeServer.h"
#include "platform/registry/KeyHandle.h"
#include "RegistryBehaviour.h"

namespace fk::test {

std::unique_ptr<Scratch> openHiveScratch(const Seed& seed);

namespace {

class Loopback final : public bridge::Transport {
public:
    Loopback(reg::Registry& far, std::size_t maxTree) : far_(far, maxTree) {}
    bool exchange(const std::string& request, std::string& reply) override {
        reply = far_.serve(request);
        return true;
    }

private:
    bridge::BridgeServer far_;
};

class ProtocolScratch final : public Scratch {
public:
    ProtocolScratch(const Seed& seed, std::size_t maxTree)
        : hive_(openHiveScratch(seed)), near_(std::make_unique<Loopback>(hive_->registry(), maxTree)) {
        if (!near_.hello()) throw std::runtime_error("the server end did not answer hello");
    }
    reg::Registry& registry() override { return near_; }
    std::string path() const override { return hive_->path(); }

private:
    std::unique_ptr<Scratch> hive_;
    bridge::BridgeRegistry near_;
};

}  // namespace

std::vector<Backend> registryBackends() {
    return {{"HiveFile", openHiveScratch},
            {"HiveFileThroughProtocol",
             [](const Seed& seed) { return std::make_unique<ProtocolScratch>(seed, bridge::MaxTree); }},
            // Trees too big for one answer are read a key at a time.
            {"HiveFileThroughProtocolKeyByKey",
             [](const Seed& seed) { return std::make_unique<ProtocolScratch>(seed, 16); }}};
}

// What the bridge is sent is checked before advapi32 sees it: a request
// cut short, one with bytes left over, a size past the data that came, an
// unknown call. Each gets InvalidParameter and changes nothing.
TEST(BridgeRequests, AnythingMalformedIsRefusedAndChangesNothing) {
    auto hive = openHiveScratch({});
    reg::Registry& far = hive->registry();
    const reg::KeyHandle handle = reg::KeyHandle::open(far, reg::CurrentUser, hive->path(), reg::KeyAllAccess);
    ASSERT_TRUE(handle.ok());
    const reg::Key key = handle.get();
    auto setValue = [&](std::uint32_t size) {
        bridge::Writer w;
        w.u8(bridge::SetValue);
        w.u64(key);
        w.text("Name");
        w.u32(0);
        w.u32(reg::TypeSz);
        w.buffer("abc", 4);
        w.u32(size);
        return w.str();
    };
    auto status = [&](const std::string& request) {
        const std::string reply = bridge::BridgeServer(far).serve(request);
        return reply.size() < 4 ? -1L : long(std::uint8_t(reply[0]) | std::uint8_t(reply[1]) << 8);
    };
    bridge::Writer deleteValue;
    deleteValue.u8(bridge::DeleteValue);
    deleteValue.u64(key);
    deleteValue.text("Name");
    const std::string good = setValue(4);
    for (size_t cut = 0; cut < good.size(); ++cut) EXPECT_EQ(status(good.substr(0, cut)), reg::InvalidParameter) << cut;
    EXPECT_EQ(status(good + "x"), reg::InvalidParameter);
    EXPECT_EQ(status(setValue(5)), reg::InvalidParameter);
    EXPECT_EQ(status(std::string(1, char(99))), reg::InvalidParameter);
    std::uint32_t size = 0;
    EXPECT_EQ(far.RegQueryValueExA(key, "Name", nullptr, nullptr, nullptr, &size), reg::NotFound);
    EXPECT_EQ(status(good), reg::Success);
    EXPECT_EQ(status(deleteValue.str() + "x"), reg::InvalidParameter);
    EXPECT_EQ(far.RegQueryValueExA(key, "Name", nullptr, nullptr, nullptr, &size), reg::Success);
    EXPECT_EQ(status(deleteValue.str()), reg::Success);
}

}  // namespace fk::test
