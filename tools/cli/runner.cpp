#include "runner.h"

#include <csignal>

#include "stop_signals.h"

namespace zarvell::cli {
namespace {

// The signal that asked the run to stop, 0 while none has: all a handler may safely do.
volatile std::sig_atomic_t stopSignal = 0;
extern "C" void RequestStop(int signal) {
  stopSignal = signal;
}

}  // namespace

bool Stopped() {
  return stopSignal != 0;
}

StopOnSignals::StopOnSignals() {
  for (const int signal : kStopSignals) std::signal(signal, RequestStop);
}

StopOnSignals::~StopOnSignals() {
  for (const int signal : kStopSignals) std::signal(signal, SIG_DFL);
  if (Stopped()) std::raise(stopSignal);
}

link::TransferEvent Runner::Transfer(link::TransferMode mode) {
  using link::TransferEvent;
  transfer_.Start(mode);
  for (;;) {
    const std::optional<link::FrameView> frame = Tick();
    if (Stopped()) return TransferEvent::None;
    if (frame && (*frame)[0] != link::code::kMonitorReply) {
      const TransferEvent event = transfer_.HandleReply(*frame, session_.set.image);
      if (event == TransferEvent::VerifyOk || event == TransferEvent::VersionMismatch ||
          event == TransferEvent::ReadRefused) {
        return event;
      }
    }
    if (transfer_.Step(session_.set.image) == TransferEvent::Failed) return TransferEvent::Failed;
  }
}

std::optional<link::FrameView> Runner::Tick() {
  std::this_thread::sleep_until(next_);
  next_ += kTick;
  return receiver_.Poll(port_);
}

}  // namespace zarvell::cli
