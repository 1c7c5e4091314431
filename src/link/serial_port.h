// A serial port as the link uses it: one device at a time, opened exclusively; reads take only
// what has already arrived; a write returns once the bytes have left. The POSIX implementation
// drives a real device; the simulated unit offers the same interface in-process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zarvell::link {

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Opens `device` for this program alone, 57600 baud, 8 data bits, no parity, 1 stop bit, no
  // flow control, raw. Closes whatever was open before. False when the device does not exist,
  // is busy or cannot be set up; the port is then closed.
  virtual bool Open(const std::string& device) = 0;
  // Drops the input not yet read and closes the device. Nothing happens when none is open.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // The bytes received and not yet read; 0 when closed. Also clears a pending line error.
  virtual std::size_t BytesWaiting() = 0;
  // Reads at most into.size() of the waiting bytes, never waiting for more; returns how many.
  virtual std::size_t Read(std::span<std::uint8_t> into) = 0;
  // Writes the bytes and returns once they have been transmitted. Errors are not reported: a
  // frame lost on the way is recovered by the caller's time-outs, as a frame lost on the wire.
  virtual void WriteAndDrain(std::span<const std::uint8_t> bytes) = 0;
  // Drops the input not yet read.
  virtual void PurgeReceive() = 0;
};

}  // namespace zarvell::link
