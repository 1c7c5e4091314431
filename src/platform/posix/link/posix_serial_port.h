// The serial port on a POSIX terminal device (a USB serial adapter, a UART, or the pseudo-terminal
// of the simulated unit). The descriptor stays non-blocking, so a read only takes what the driver
// has queued; a write waits for the line to drain. Line errors need no clearing here: with the raw
// settings the driver delivers a byte received with an error like any other.
//
// A device that goes away while open (a USB adapter pulled out) leaves the descriptor failing:
// the port then reports nothing waiting and drops writes until the caller's watchdog closes it
// and opens the device again.
//
// Every open also takes the device's advisory locks (link/serial_lock.h), so a second program
// on the same device is refused even when root runs it.
#pragma once

#include <termios.h>

#include <filesystem>
#include <vector>

#include "link/serial_lock.h"
#include "link/serial_port.h"

namespace zarvell::link {

class PosixSerialPort final : public SerialPort {
 public:
  // `lockFolders`: where the lock file is tried; tests give a folder of their own.
  explicit PosixSerialPort(
      std::vector<std::filesystem::path> lockFolders = SerialLock::SystemFolders())
      : lock_(std::move(lockFolders)) {}
  ~PosixSerialPort() override;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  bool Open(const std::string& device) override;
  void Close() override;
  bool IsOpen() const override { return fd_ >= 0; }
  std::size_t BytesWaiting() override;
  std::size_t Read(std::span<std::uint8_t> into) override;
  void WriteAndDrain(std::span<const std::uint8_t> bytes) override;
  void PurgeReceive() override;

 private:
  int fd_ = -1;
  SerialLock lock_;
  // The device's settings as found at open, put back at close for whoever uses it next.
  termios original_{};
};

}  // namespace zarvell::link
