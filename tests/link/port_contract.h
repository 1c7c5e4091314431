// The behaviour every SerialPort owes the link, checked the same way for each implementation:
// a test file supplies a factory that makes a port, the path to open it with and the far end of
// its line, and instantiates the PortContract suite with it.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace zarvell::link::testing {

// The other end of the line: what the unit would send and what it has received.
class FarEnd {
 public:
  virtual ~FarEnd() = default;
  virtual void Send(std::span<const std::uint8_t> bytes) = 0;
  // The bytes received since the last call, once `count` of them have come (or, for a line that
  // delivers asynchronously, once waiting for them has gone on far too long).
  virtual std::vector<std::uint8_t> Received(std::size_t count) = 0;
};

// The far end comes first so that it outlives the port.
struct PortRig {
  std::unique_ptr<FarEnd> farEnd;
  std::string device;
  std::unique_ptr<SerialPort> port;
};

struct PortKind {
  std::string name;
  std::function<PortRig()> make;
};

class PortContract : public ::testing::TestWithParam<PortKind> {
 protected:
  void SetUp() override {
    rig_ = GetParam().make();
    ASSERT_TRUE(rig_.port->Open(rig_.device)) << rig_.device;
  }

  SerialPort& port() { return *rig_.port; }
  FarEnd& farEnd() { return *rig_.farEnd; }
  const std::string& device() const { return rig_.device; }

  // Waits until at least `count` bytes are waiting (a real line delivers asynchronously) and
  // returns how many are; gives up after far longer than any delivery takes.
  std::size_t WaitForBytes(std::size_t count);

 private:
  PortRig rig_;
};

inline void PrintTo(const PortKind& kind, std::ostream* out) {
  *out << kind.name;
}

inline std::string PortKindName(const ::testing::TestParamInfo<PortKind>& info) {
  return info.param.name;
}

}  // namespace zarvell::link::testing
