#include "link/com_ports.h"

#include <gtest/gtest.h>

#include "fileio/ini_file.h"

namespace zarvell::link {
namespace {

// The defaults of each system are in tests/posix and tests/win32; here what holds on both.
TEST(ComPortMap, DefaultsAreTheSystemsDevicesForOneToThirtyOne) {
  const ComPortMap ports;
  for (int number = 1; number <= 31; ++number) {
    EXPECT_EQ(ports.DevicePath(number), DefaultDevicePath(number)) << number;
    EXPECT_FALSE(ports.DevicePath(number).empty()) << number;
  }
  EXPECT_EQ(ports.DevicePath(0), "");
  EXPECT_EQ(ports.DevicePath(32), "");
  EXPECT_EQ(ports.DevicePath(-1), "");
}

TEST(ComPortMap, SettingsOverrideSingleNumbers) {
  const ComPortMap ports =
      ComPortMap::FromSettings(IniFile::Parse("[FORM_HLAV]\nCOM2=/dev/elsewhere\n"
                                              "[Ports]\n"
                                              "COM5 = /dev/serial/by-id/usb-unit-if00-port0\n"
                                              "com31=/dev/ttyAMA0\n"
                                              "COM7=\n"
                                              "COM0=/dev/zero-is-no-port\n"
                                              "COM32=/dev/neither\n"));
  EXPECT_EQ(ports.DevicePath(5), "/dev/serial/by-id/usb-unit-if00-port0");
  EXPECT_EQ(ports.DevicePath(31), "/dev/ttyAMA0");
  EXPECT_EQ(ports.DevicePath(7), DefaultDevicePath(7));  // blank: the default stays
  EXPECT_EQ(ports.DevicePath(2), DefaultDevicePath(2));  // another section does not count
  EXPECT_EQ(ports.DevicePath(4), DefaultDevicePath(4));
  EXPECT_EQ(ports.DevicePath(0), "");
  EXPECT_EQ(ports.DevicePath(32), "");
}

TEST(ResolvePortName, TakesComNamesAndPathsOnly) {
  const ComPortMap ports =
      ComPortMap::FromSettings(IniFile::Parse("[PORTS]\nCOM5=/dev/serial/by-id/unit\n"));
  EXPECT_EQ(ResolvePortName("COM5", ports), "/dev/serial/by-id/unit");
  EXPECT_EQ(ResolvePortName("com5", ports), "/dev/serial/by-id/unit");
  EXPECT_EQ(ResolvePortName("Com1", ports), DefaultDevicePath(1));
  EXPECT_EQ(ResolvePortName("COM31", ports), DefaultDevicePath(31));

  for (const char* bad : {"COM0", "COM32", "COMx", "COM", "COM5x", "COM05", "COM-5", "COM+5",
                          " COM5", "CON5", "ttyUSB0", "dev/ttyUSB0", ""}) {
    EXPECT_FALSE(ResolvePortName(bad, ports).has_value()) << '"' << bad << '"';
  }
}

}  // namespace
}  // namespace zarvell::link
