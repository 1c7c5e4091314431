// The COM numbers' devices on POSIX systems, and device paths taken as they are.
#include <gtest/gtest.h>

#include "link/com_ports.h"

namespace zarvell::link {
namespace {

TEST(ComPortMap, DefaultsRunThroughUsbAdaptersModemsAndUarts) {
  const ComPortMap ports;
  EXPECT_EQ(ports.DevicePath(1), "/dev/ttyUSB0");
  EXPECT_EQ(ports.DevicePath(10), "/dev/ttyUSB9");
  EXPECT_EQ(ports.DevicePath(11), "/dev/ttyACM0");
  EXPECT_EQ(ports.DevicePath(20), "/dev/ttyACM9");
  EXPECT_EQ(ports.DevicePath(21), "/dev/ttyS0");
  EXPECT_EQ(ports.DevicePath(31), "/dev/ttyS10");
}

TEST(ResolvePortName, TakesPathsAsTheyAre) {
  const ComPortMap ports;
  EXPECT_EQ(ResolvePortName("Com1", ports), "/dev/ttyUSB0");
  EXPECT_EQ(ResolvePortName("COM31", ports), "/dev/ttyS10");
  EXPECT_EQ(ResolvePortName("/dev/pts/7", ports), "/dev/pts/7");
  EXPECT_EQ(ResolvePortName("/tmp/COM5", ports), "/tmp/COM5");
}

}  // namespace
}  // namespace zarvell::link
