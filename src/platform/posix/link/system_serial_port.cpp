#include "link/system_serial_port.h"

#include "link/posix_serial_port.h"

namespace zarvell::link {

std::unique_ptr<SerialPort> MakeSystemSerialPort() {
  return std::make_unique<PosixSerialPort>();
}

}  // namespace zarvell::link
