// What the commands that talk to a unit share: the program's 55 ms timer and receive poll with
// the transfer engine on one serial port, and a stop on Ctrl+C that lets the port close.
#pragma once

#include <chrono>
#include <optional>
#include <thread>

#include "link/block_transfer.h"
#include "link/com_link.h"
#include "link/frame.h"
#include "link/monitor_reply.h"
#include "link/serial_port.h"
#include "ui/form_events.h"
#include "session.h"

namespace zarvell::cli {

// Whether a signal asked the run to stop.
bool Stopped();

// While it lives, Ctrl+C, SIGTERM and a closed terminal end the run at its next tick rather
// than the process at once, so that the port is closed and its lock file removed (and a log
// flushed); then the signal takes its usual course.
class StopOnSignals {
 public:
  StopOnSignals();
  ~StopOnSignals();
  StopOnSignals(const StopOnSignals&) = delete;
  StopOnSignals& operator=(const StopOnSignals&) = delete;
};

class Runner final : private link::TransferLink {
 public:
  static constexpr std::chrono::milliseconds kTick = ui::kTickPeriod;
  // Two seconds without a reply: the unit is not there (any more).
  static constexpr int kSilentLimit = 36;

  Runner(link::SerialPort& port, Session& session) : port_(port), session_(session) {}

  // A run of the engine until it ends; the event that ended it (None: stopped by a signal).
  link::TransferEvent Transfer(link::TransferMode mode);

  // Live requests every sixth tick; `onReply` takes each reply and says whether to go on.
  // False when the unit stopped answering or a signal stopped the run.
  template <typename OnReply>
  bool Monitor(OnReply onReply) {
    int silent = 0;
    for (;;) {
      const std::optional<link::FrameView> frame = Tick();
      if (Stopped()) return false;
      const auto values = frame ? link::DecodeMonitorReply(*frame) : std::nullopt;
      if (values) {
        silent = 0;
        if (!onReply(*values)) return true;
      } else if (++silent > kSilentLimit) {
        return false;
      }
      if (transfer_.MonitorDue()) SendFrame(link::BuildFrame(link::code::kMonitor));
    }
  }

  const link::BlockTransfer& transfer() const { return transfer_; }

 private:
  std::optional<link::FrameView> Tick();
  void SendFrame(const link::Frame& frame) override { port_.WriteAndDrain(frame); }
  void UnitIdentified(const link::UnitInfoBlock&) override {}
  void RefreshImage(Refresh what) override {
    if (what == Refresh::NewSet) session_.set.NewSetInPlace();
    session_.Sanitize();
  }

  link::SerialPort& port_;
  Session& session_;
  link::BlockTransfer transfer_{*this};
  link::FrameReceiver receiver_;
  std::chrono::steady_clock::time_point next_ = std::chrono::steady_clock::now() + kTick;
};

}  // namespace zarvell::cli
