#include "link/com_ports.h"

#include <gtest/gtest.h>

#include "fileio/ini_file.h"

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
  EXPECT_EQ(ports.DevicePath(7), "/dev/ttyUSB6");  // blank: the default stays
  EXPECT_EQ(ports.DevicePath(2), "/dev/ttyUSB1");  // another section does not count
  EXPECT_EQ(ports.DevicePath(4), "/dev/ttyUSB3");
  EXPECT_EQ(ports.DevicePath(0), "");
  EXPECT_EQ(ports.DevicePath(32), "");
}

TEST(ResolvePortName, TakesComNamesAndPathsOnly) {
  const ComPortMap ports =
      ComPortMap::FromSettings(IniFile::Parse("[PORTS]\nCOM5=/dev/serial/by-id/unit\n"));
  EXPECT_EQ(ResolvePortName("COM5", ports), "/dev/serial/by-id/unit");
  EXPECT_EQ(ResolvePortName("com5", ports), "/dev/serial/by-id/unit");
  EXPECT_EQ(ResolvePortName("Com1", ports), "/dev/ttyUSB0");
  EXPECT_EQ(ResolvePortName("COM31", ports), "/dev/ttyS10");
  EXPECT_EQ(ResolvePortName("/dev/pts/7", ports), "/dev/pts/7");
  EXPECT_EQ(ResolvePortName("/tmp/COM5", ports), "/tmp/COM5");

  for (const char* bad : {"COM0", "COM32", "COMx", "COM", "COM5x", "COM05", "COM-5", "COM+5",
                          " COM5", "CON5", "ttyUSB0", "dev/ttyUSB0", ""}) {
    EXPECT_FALSE(ResolvePortName(bad, ports).has_value()) << '"' << bad << '"';
  }
}

}  // namespace
}  // namespace zarvell::link
