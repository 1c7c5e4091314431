#include "link/system_serial_port.h"

#include "link/win32_serial_port.h"

namespace zarvell::link {

std::unique_ptr<SerialPort> MakeSystemSerialPort() {
  return std::make_unique<Win32SerialPort>();
}

}  // namespace zarvell::link
