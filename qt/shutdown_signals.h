// SIGTERM, SIGHUP and SIGINT (a desktop logout, a closed terminal, Ctrl+C) end the program the
// way its close box does, so the set on screen, the settings and the image dump are kept and
// the port's lock goes. The handler only writes a byte into a socket pair; the event loop reads
// it and runs the shut-down. A second signal before the program is gone ends it at once.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace zarvell::qt {

class ShutdownSignals final : public QObject {
 public:
  // `shutDown` runs in the event loop with the number of the first signal. One per process.
  explicit ShutdownSignals(std::function<void(int signal)> shutDown);
  ~ShutdownSignals() override;
  ShutdownSignals(const ShutdownSignals&) = delete;
  ShutdownSignals& operator=(const ShutdownSignals&) = delete;

 private:
  void Take();

  std::function<void(int)> shutDown_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace zarvell::qt
