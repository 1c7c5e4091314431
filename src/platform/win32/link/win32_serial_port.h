// The serial port on a Windows COM port, through the comm API: "\\.\COMn" opened for this
// program alone and without overlapped I/O, the port's time-outs saved at open and put back at
// close, the line set from the mode text "57600,N,8,1" with no flow control, queues of 10000
// bytes in and 1024 out, and the transmit-empty event as the only one waited for. A read takes
// only what the status query reports as queued, so it never waits.
//
// Windows refuses a second open of a COM port by itself; wine does not, so every open also takes
// a named lock of the port's own (link/port_lock.h), which keeps a second program out there too.
#pragma once

#include <windows.h>

#include "link/port_lock.h"
#include "link/serial_port.h"

namespace zarvell::link {

class Win32SerialPort final : public SerialPort {
 public:
  Win32SerialPort() = default;
  ~Win32SerialPort() override;
  Win32SerialPort(const Win32SerialPort&) = delete;
  Win32SerialPort& operator=(const Win32SerialPort&) = delete;

  // `device`: "COM12", or a device path such as "\\.\COM12".
  bool Open(const std::string& device) override;
  void Close() override;
  bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }
  std::size_t BytesWaiting() override;
  std::size_t Read(std::span<std::uint8_t> into) override;
  void WriteAndDrain(std::span<const std::uint8_t> bytes) override;
  void PurgeReceive() override;

  // The name the comm API opens for `device`: "\\.\" before a bare "COMn", which is how COM
  // numbers above 9 are reached at all.
  static std::string DeviceName(const std::string& device);

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  PortLock lock_;
  // The port's time-outs as found at open, put back at close for whoever uses it next.
  COMMTIMEOUTS original_{};
};

}  // namespace zarvell::link
