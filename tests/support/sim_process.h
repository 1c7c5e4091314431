// A program started for the length of a test, zarvell-unit-sim above all: its first line of
// output, and its exit status once told to stop.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace zarvell::testutil {

using Clock = std::chrono::steady_clock;
// Only a guard against hanging when something is broken; nothing here is timed.
constexpr auto kPatience = std::chrono::seconds(10);

inline int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return static_cast<int>(std::max<long>(0, left.count()));
}

class SimProcess {
 public:
  // Starts `program` with `args`; its standard error goes nowhere.
  SimProcess(const std::string& program, std::vector<std::string> args) {
    int out[2];
    if (::pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    ::posix_spawn_file_actions_addclose(&actions, out[0]);
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    if (::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
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

}  // namespace zarvell::testutil
