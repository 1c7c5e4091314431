#include "sim/in_process_ports.h"

#include <gtest/gtest.h>

#include "sim/sim_wire.h"
#include "sim/unit_sim.h"

namespace zarvell::sim {
namespace {

using testutil::Bytes;
using testutil::Request;

// What the port has waiting, read in one piece.
Bytes ReadAll(InProcessPorts& port) {
  Bytes bytes(port.BytesWaiting());
  bytes.resize(port.Read(bytes));
  return bytes;
}

TEST(InProcessPorts, OpensOnlyWhereADeviceIsPluggedInAndRecordsEveryTry) {
  InProcessPorts ports;
  UnitSim unit;
  ports.Attach("/dev/ttyUSB3", unit);

  EXPECT_FALSE(ports.Open("/dev/ttyUSB0"));
  EXPECT_FALSE(ports.IsOpen());
  EXPECT_EQ(ports.BytesWaiting(), 0u);
  ports.WriteAndDrain(Request(0x30));
  EXPECT_EQ(unit.Requests(0x30), 0u);

  EXPECT_TRUE(ports.Open("/dev/ttyUSB3"));
  EXPECT_TRUE(ports.IsOpen());
  ports.WriteAndDrain(Request(0x30));
  EXPECT_EQ(ports.BytesWaiting(), 102u);
  const Bytes reply = ReadAll(ports);
  ASSERT_EQ(reply.size(), 102u);
  EXPECT_EQ(reply[0], 0xB0);

  // Opening another path closes this one, even when the other fails.
  EXPECT_FALSE(ports.Open("/dev/ttyS0"));
  EXPECT_FALSE(ports.IsOpen());
  EXPECT_EQ(ports.OpenAttempts(),
            (std::vector<std::string>{"/dev/ttyUSB0", "/dev/ttyUSB3", "/dev/ttyS0"}));
}

TEST(InProcessPorts, PluggingAndUnpluggingAtTheOpenPathTakesEffectAtOnce) {
  InProcessPorts ports;
  SilentDevice adapter;
  UnitSim unit;
  ports.Attach("/dev/ttyACM0", adapter);
  ASSERT_TRUE(ports.Open("/dev/ttyACM0"));
  ports.WriteAndDrain(Request(0x30));
  EXPECT_EQ(ports.BytesWaiting(), 0u);

  ports.Attach("/dev/ttyACM0", unit);  // the unit is plugged into the cable
  ports.WriteAndDrain(Request(0x41));
  EXPECT_EQ(unit.Requests(0x41), 1u);
  EXPECT_EQ(ports.BytesWaiting(), 102u);

  ports.Detach("/dev/ttyACM0");
  EXPECT_TRUE(ports.IsOpen());
  EXPECT_EQ(ports.BytesWaiting(), 0u);
  Bytes into(102);
  EXPECT_EQ(ports.Read(into), 0u);
  ports.WriteAndDrain(Request(0x42));
  EXPECT_EQ(unit.Requests(0x42), 0u);
  EXPECT_FALSE(ports.Open("/dev/ttyACM0"));
}

}  // namespace
}  // namespace zarvell::sim
