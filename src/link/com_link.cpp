#include "link/com_link.h"

#include <algorithm>

#include "link/com_ports.h"

namespace zarvell::link {
namespace {

constexpr std::uint8_t kReopenAfter = 30;
// After a failed open in the search, the next silent tick already tries the next number.
constexpr std::uint8_t kReopenAtOnce = 200;

}  // namespace

const std::string& ComLink::DevicePath() const {
  return devices_.DevicePath(ComNumber());
}

bool ComLink::Open() {
  if (port_.Open(DevicePath())) return true;
  if (automatic()) reopenTicks = kReopenAtOnce;
  return false;
}

std::optional<FrameView> FrameReceiver::Poll(SerialPort& port) {
  const std::size_t waiting = port.BytesWaiting();
  if (waiting < kFrameSize) return std::nullopt;
  const std::size_t read = port.Read(std::span(buffer_.data(), std::min(waiting, buffer_.size())));
  if (read < kFrameSize) return std::nullopt;
  return FrameView(buffer_.data(), kFrameSize);
}

ComLink::WatchdogResult ComLink::Watchdog() {
  if (silentTicks < kSilentLimit) {
    ++silentTicks;
    return {};
  }
  if (++reopenTicks < kReopenAfter) return {.lost = true};
  reopenTicks = 0;
  Close();
  quietReopen = true;
  if (++autoPortIndex > kAutomatic) autoPortIndex = 0;
  return {.lost = true, .reopenDue = true};
}

}  // namespace zarvell::link
