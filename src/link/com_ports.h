// Which device stands behind each COM number. The menu and the label speak of COM1..COM31 as the
// unit's users know them. On Windows COM n is the system's COMn. On POSIX systems each number
// names a device path: USB serial adapters first, then USB modems (CDC ACM), then the built-in
// UARTs. The settings file can point any number at another device, e.g. a stable
// /dev/serial/by-id/ name.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zarvell {
class IniFile;
}

namespace zarvell::link {

inline constexpr int kFirstComNumber = 1;
inline constexpr int kLastComNumber = 31;

class ComPortMap {
 public:
  // The system's devices (DefaultDevicePath).
  ComPortMap();
  // The defaults, with the non-blank keys COM1..COM31 of section PORTS put in their place.
  static ComPortMap FromSettings(const IniFile& settings);

  // The path of COM `comNumber`; an empty string outside 1..31.
  const std::string& DevicePath(int comNumber) const;

 private:
  // Index 0 stays empty and answers for numbers out of range, so a lookup never allocates.
  std::array<std::string, kLastComNumber + 1> paths_;
};

// The system's own (src/platform/<system>/link/com_port_names.cpp):
// The device of COM `comNumber` (1..31) when the settings name none: "COMn" on Windows; on POSIX
// COM1..COM10 = /dev/ttyUSB0..9, COM11..COM20 = /dev/ttyACM0..9, COM21..COM31 = /dev/ttyS0..10.
std::string DefaultDevicePath(int comNumber);
// Whether `name` is a device path to be taken as it is: one starting with '/' on POSIX, with
// "\\" (as "\\.\COM12") on Windows.
bool IsDevicePath(std::string_view name);

// A port named on the command line: "COM5" in any letter case (1..31) gives the mapped path, a
// device path (IsDevicePath) is taken as it is; anything else is not a port name.
std::optional<std::string> ResolvePortName(std::string_view name, const ComPortMap& ports);

}  // namespace zarvell::link
