// zarvell-unit-sim as a program: started for real, talked to through its pseudo-terminal with
// plain termios, as any serial client would (zarvell-cli's end-to-end test runs whole transfers
// through it). Built as a test of its own because it runs the
// installed-to-be binary (ZARVELL_UNIT_SIM).

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using zarvell::testutil::Clock;
using zarvell::testutil::kPatience;
using zarvell::testutil::MillisecondsLeft;

// The simulated unit that the build made.
class SimProcess : public zarvell::testutil::SimProcess {
 public:
  explicit SimProcess(std::vector<std::string> args)
      : zarvell::testutil::SimProcess(ZARVELL_UNIT_SIM, std::move(args)) {}
};

Bytes Request(std::uint8_t code) {
  Bytes frame(102, 0);
  frame[0] = code;
  frame[101] = static_cast<std::uint8_t>(0xFF ^ code);
  return frame;
}

// Opens the terminal as a serial client would, sends one request and collects one reply.
Bytes Ask(const std::string& path, std::uint8_t code) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return {};
  termios mode{};
  ::tcgetattr(fd, &mode);
  ::cfmakeraw(&mode);
  ::cfsetspeed(&mode, B57600);
  ::tcsetattr(fd, TCSANOW, &mode);
  ::tcflush(fd, TCIFLUSH);
  const Bytes request = Request(code);
  Bytes reply;
  if (::write(fd, request.data(), request.size()) == 102) {
    const auto deadline = Clock::now() + kPatience;
    pollfd in{fd, POLLIN, 0};
    std::array<std::uint8_t, 256> piece{};
    while (reply.size() < 102 && ::poll(&in, 1, MillisecondsLeft(deadline)) > 0) {
      const ssize_t count = ::read(fd, piece.data(), piece.size());
      if (count <= 0) break;
      reply.insert(reply.end(), piece.begin(), piece.begin() + count);
    }
  }
  ::close(fd);
  return reply;
}

bool CheckByteHolds(const Bytes& frame) {
  std::uint8_t sum = 0xFF;
  for (const std::uint8_t byte : frame) sum ^= byte;
  return frame.size() == 102 && sum == 0;
}

TEST(UnitSimProgram, LinkNamesTheTerminalUntilExitAndOptionsReachTheUnit) {
  zarvell::testutil::TempDir dir;
  const std::filesystem::path link = dir.path() / "ttyZarvell";
  std::filesystem::create_symlink("/nonexistent", link);  // a stale link from an earlier run

  SimProcess sim({"--link", link.string(), "--version", "74", "--rpm", "4000", "--tps", "30"});
  const std::string path = sim.FirstLine();
  ASSERT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(std::filesystem::read_symlink(link).string(), path);

  const Bytes monitor = Ask(link.string(), 0x30);
  ASSERT_TRUE(CheckByteHolds(monitor));
  EXPECT_EQ(monitor[100], 74);
  EXPECT_EQ(monitor[1] | (monitor[2] << 8), 4000);
  EXPECT_EQ(monitor[41], 30);

  EXPECT_EQ(sim.Stop(), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST(UnitSimProgram, RefusesBadOptions) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--corrupt", "3"}, {"--silent-after", "5"}, {"--frobnicate"}, {"--drop", "x"}}) {
    SimProcess sim(args);
    EXPECT_EQ(sim.Wait(), 2) << args[0];
  }
}

}  // namespace
