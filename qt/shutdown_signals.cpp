#include "qt/shutdown_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace zarvell::qt {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

int pipeEnds[2] = {-1, -1};  // [0] read by the event loop, [1] written by the handler
volatile std::sig_atomic_t firstSignal = 0;

// Async-signal-safe only: write, signal and raise.
extern "C" void OnSignal(int signal) {
  if (firstSignal != 0) {
    // The shut-down is under way and the user insists: the default action, now.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    return;
  }
  firstSignal = signal;
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
  errno = saved;
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void(int)> shutDown)
    : shutDown_(std::move(shutDown)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) return;
  ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
  notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Take(); });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals() {
  for (const int signal : kSignals) std::signal(signal, SIG_DFL);
  notifier_.reset();
  for (int& end : pipeEnds) {
    if (end >= 0) ::close(end);
    end = -1;
  }
  firstSignal = 0;
}

void ShutdownSignals::Take() {
  char byte = 0;
  if (::read(pipeEnds[0], &byte, 1) != 1) return;
  notifier_->setEnabled(false);
  shutDown_(firstSignal);
}

}  // namespace zarvell::qt
