#include <algorithm>
#include <cstddef>
#include <deque>
#include <memory>
#include <utility>

#include "port_contract.h"
#include "sim/in_process_ports.h"

namespace zarvell::link {
namespace {

using testing::FarEnd;
using testing::PortContract;
using testing::PortKind;
using testing::PortRig;

// The far end as a simulated device: what the test sends waits to be taken by the port, what
// the port writes is kept for the test.
class QueueDevice final : public FarEnd, public sim::Device {
 public:
  void Send(std::span<const std::uint8_t> bytes) override {
    outgoing_.insert(outgoing_.end(), bytes.begin(), bytes.end());
  }
  std::vector<std::uint8_t> Received(std::size_t) override { return std::exchange(received_, {}); }

  void Receive(std::span<const std::uint8_t> bytes) override {
    received_.insert(received_.end(), bytes.begin(), bytes.end());
  }
  std::size_t Pending() const override { return outgoing_.size(); }
  std::size_t Take(std::span<std::uint8_t> into) override {
    const std::size_t n = std::min(into.size(), outgoing_.size());
    std::copy_n(outgoing_.begin(), n, into.begin());
    outgoing_.erase(outgoing_.begin(), outgoing_.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
  }

 private:
  std::deque<std::uint8_t> outgoing_;
  std::vector<std::uint8_t> received_;
};

INSTANTIATE_TEST_SUITE_P(Simulated, PortContract,
                         ::testing::Values(PortKind{
                             "InProcess",
                             [] {
                               auto device = std::make_unique<QueueDevice>();
                               auto ports = std::make_unique<sim::InProcessPorts>();
                               ports->Attach("/dev/ttyUSB0", *device);
                               return PortRig{std::move(device), "/dev/ttyUSB0", std::move(ports)};
                             }}),
                         testing::PortKindName);

}  // namespace
}  // namespace zarvell::link
