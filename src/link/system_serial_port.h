// The serial port of the system the program runs on: PosixSerialPort on a terminal device, or
// Win32SerialPort on a Windows COM port (src/platform/<system>/link).
#pragma once

#include <memory>

#include "link/serial_port.h"

namespace zarvell::link {

std::unique_ptr<SerialPort> MakeSystemSerialPort();

}  // namespace zarvell::link
