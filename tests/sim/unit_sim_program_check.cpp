// zarvell-unit-sim as a program: started for real, talked to through its pseudo-terminal with
// plain termios, as any serial client would (zarvell-cli's end-to-end test runs whole transfers
// through it). Built as a test of its own because it runs the
// installed-to-be binary (ZARVELL_UNIT_SIM).

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

extern char** environ;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;
// Only a guard against hanging when something is broken; nothing here is timed.
constexpr auto kPatience = std::chrono::seconds(10);

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::max<long>(0, left.count()));
}

class SimProcess {
 public:
  explicit SimProcess(std::vector<std::string> args) {
    int out[2];
    if (::pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    ::posix_spawn_file_actions_addclose(&actions, out[0]);
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    args.insert(args.begin(), ZARVELL_UNIT_SIM);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    if (::posix_spawn(&pid_, ZARVELL_UNIT_SIM, &actions, nullptr, argv.data(), environ) != 0)
      pid_ = -1;
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    stdout_ = out[0];
  }
  ~SimProcess() {
    if (pid_ > 0) Stop();
    if (stdout_ >= 0) ::close(stdout_);
  }

  // The first line the program prints.
  std::string FirstLine() {
    std::string line;
    const auto deadline = Clock::now() + kPatience;
    char c = 0;
    pollfd in{stdout_, POLLIN, 0};
    while (::poll(&in, 1, MillisecondsLeft(deadline)) > 0 && ::read(stdout_, &c, 1) == 1) {
      if (c == '\n') return line;
      line += c;
    }
    return line;
  }

  // SIGTERM, then the exit status (-1 when it did not exit normally).
  int Stop() {
    if (pid_ <= 0) return -1;
    ::kill(pid_, SIGTERM);
    return Wait();
  }

  int Wait() {
    if (pid_ <= 0) return -1;
    int status = 0;
    const pid_t pid = ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return pid > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int stdout_ = -1;
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
