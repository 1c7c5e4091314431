// Serial ports without hardware: a bank of device paths, each with a simulated device plugged
// in or not. Tests and scripted runs hand it to the link in place of the POSIX port.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "sim/device.h"

namespace zarvell::sim {

class InProcessPorts final : public link::SerialPort {
 public:
  // Plugs `device` in at `path`, replacing whatever was there. When that path is open, the
  // port talks to the new device from the next call on, as when a cable is plugged in.
  void Attach(const std::string& path, Device& device);
  // Unplugs the device at `path`. An open port there stays open but hears nothing.
  void Detach(const std::string& path);

  // Every path given to Open(), in order, whether it opened or not.
  const std::vector<std::string>& OpenAttempts() const { return openAttempts_; }
  // The open path, empty when closed.
  const std::string& OpenPath() const { return openPath_; }

  bool Open(const std::string& device) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  std::size_t BytesWaiting() override;
  std::size_t Read(std::span<std::uint8_t> into) override;
  void WriteAndDrain(std::span<const std::uint8_t> bytes) override;
  void PurgeReceive() override;

 private:
  // The device now plugged in at the open path, or null.
  Device* Connected() const;

  std::map<std::string, Device*, std::less<>> devices_;
  std::vector<std::string> openAttempts_;
  std::string openPath_;
  bool open_ = false;
};

// A serial adapter with nothing behind it: takes every byte, never answers.
class SilentDevice final : public Device {
 public:
  void Receive(std::span<const std::uint8_t>) override {}
  std::size_t Pending() const override { return 0; }
  std::size_t Take(std::span<std::uint8_t>) override { return 0; }
};

// Ports with a serial adapter at `path` and no unit behind it, as on a bench with the unit
// unplugged: the port opens, nothing answers.
struct AdapterWithoutUnit {
  explicit AdapterWithoutUnit(const std::string& path) { ports.Attach(path, adapter); }
  SilentDevice adapter;
  InProcessPorts ports;
};

}  // namespace zarvell::sim
