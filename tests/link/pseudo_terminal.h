// A pseudo-terminal for the POSIX port's tests: the port opens the slave, the test plays the
// unit on the master.
#pragma once

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "port_contract.h"

namespace zarvell::link::testing {

class Pty final : public FarEnd {
 public:
  Pty() : master_(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
    char name[128] = {};
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name, sizeof name) != 0) {
      ADD_FAILURE() << "no pseudo-terminal: errno " << errno;
    }
    slavePath_ = name;
  }
  ~Pty() override { CloseMaster(); }
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  const std::string& SlavePath() const { return slavePath_; }
  void CloseMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }
  // The slave's settings; a pseudo-terminal answers for its slave on the master.
  termios SlaveSettings() const {
    termios t{};
    EXPECT_EQ(::tcgetattr(master_, &t), 0);
    return t;
  }

  void Send(std::span<const std::uint8_t> bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(master_, bytes.data(), bytes.size());
      if (n > 0) {
        bytes = bytes.subspan(static_cast<std::size_t>(n));
      } else if (!Wait(POLLOUT, 5000)) {
        ADD_FAILURE() << "the master takes no more bytes";
        return;
      }
    }
  }

  std::vector<std::uint8_t> Received(std::size_t count) override {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    std::vector<std::uint8_t> got;
    while (got.size() < count && std::chrono::steady_clock::now() < giveUp) {
      if (!TakeInto(got)) Wait(POLLIN, 100);
    }
    return got;
  }

  // Everything the master receives until the line stays quiet for a moment.
  std::vector<std::uint8_t> ReceivedUntilQuiet() {
    std::vector<std::uint8_t> got;
    while (TakeInto(got) || Wait(POLLIN, 200)) {
    }
    return got;
  }

 private:
  bool Wait(short events, int milliseconds) {
    pollfd p{.fd = master_, .events = events, .revents = 0};
    return ::poll(&p, 1, milliseconds) > 0 && (p.revents & events) != 0;
  }
  bool TakeInto(std::vector<std::uint8_t>& got) {
    std::uint8_t chunk[4096];
    const ssize_t n = ::read(master_, chunk, sizeof chunk);
    if (n <= 0) return false;
    got.insert(got.end(), chunk, chunk + n);
    return true;
  }

  int master_;
  std::string slavePath_;
};

}  // namespace zarvell::link::testing
