// The serial link as the window runs it: which port is chosen (one COM number, or the
// automatic search over COM1..COM31), the receive poll of every tick, and the watchdog that
// counts silent ticks and closes and re-opens the port until the unit answers.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "link/frame.h"
#include "link/serial_port.h"

namespace zarvell::link {

class ComPortMap;

// The receive side of the tick: a frame is taken only once all 102 bytes are in, and then
// everything waiting (up to 15000 bytes) is read at once; only the first frame counts, so stray
// bytes and late replies go with it.
class FrameReceiver {
 public:
  // The view lasts until the next poll.
  std::optional<FrameView> Poll(SerialPort& port);

 private:
  std::array<std::uint8_t, 15000> buffer_{};
};

class ComLink {
 public:
  static constexpr std::uint8_t kAutomatic = 30;  // the "Com Auto" menu entry
  static constexpr int kComCount = 31;
  // Ticks without an accepted reply after which the link counts as lost.
  static constexpr std::uint8_t kSilentLimit = 18;

  ComLink(SerialPort& port, const ComPortMap& devices) : port_(port), devices_(devices) {}

  // 0..29: COM1..COM30; 30: automatic search.
  std::uint8_t comPortIndex = 0;
  // The COM number tried by the automatic search, 0 = COM1 .. 30 = COM31.
  std::uint8_t autoPortIndex = 0;
  std::uint8_t silentTicks = 0;
  std::uint8_t reopenTicks = 0;
  // A fixed port that fails to open is reported only when the user chose it.
  bool quietReopen = false;

  bool automatic() const { return comPortIndex == kAutomatic; }
  // The COM number (1..31) that an open uses now.
  int ComNumber() const { return (automatic() ? autoPortIndex : comPortIndex) + 1; }
  const std::string& DevicePath() const;

  // Opens the port of ComNumber(). False when it failed; in the automatic search the watchdog
  // then moves on with the next silent tick.
  bool Open();
  void Close() { port_.Close(); }
  std::optional<FrameView> PollReceive() { return receiver_.Poll(port_); }
  void SendFrame(const Frame& frame) { port_.WriteAndDrain(frame); }
  void ReplyAccepted() { silentTicks = 0; }

  struct WatchdogResult {
    bool lost = false;       // no reply accepted for 18 ticks or more
    bool reopenDue = false;  // the port was closed; open the next one (Open) now
  };
  // The watchdog of one tick. After 30 lost ticks it closes the port and moves the search on;
  // the owner then opens the port again (the same one, unless searching), quietly.
  WatchdogResult Watchdog();

 private:
  SerialPort& port_;
  const ComPortMap& devices_;
  FrameReceiver receiver_;
};

}  // namespace zarvell::link
