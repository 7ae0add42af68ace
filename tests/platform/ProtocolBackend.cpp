// The shared suite through the bridge protocol without Wine: the client and
// the server ends joined in one process, the hive file behind them. Any
// fault in how an argument or a buffer travels shows here.
#include "BridgeRegistry.h"
#include "BridgeServer.h"
#include "RegistryBehaviour.h"

namespace fk::test {

std::unique_ptr<Scratch> openHiveScratch(const Seed& seed);

namespace {

class Loopback final : public bridge::Transport {
public:
    explicit Loopback(reg::Registry& far) : far_(far) {}
    bool exchange(const std::string& request, std::string& reply) override {
        reply = bridge::serveRequest(far_, request);
        return true;
    }

private:
    reg::Registry& far_;
};

class ProtocolScratch final : public Scratch {
public:
    explicit ProtocolScratch(const Seed& seed)
        : hive_(openHiveScratch(seed)), near_(std::make_unique<Loopback>(hive_->registry())) {
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
            {"HiveFileThroughProtocol", [](const Seed& seed) { return std::make_unique<ProtocolScratch>(seed); }}};
}

}  // namespace fk::test
