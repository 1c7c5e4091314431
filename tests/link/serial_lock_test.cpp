#include "link/serial_lock.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "fileio/ini_file.h"
#include "link/com_link.h"
#include "link/com_ports.h"
#include "link/posix_serial_port.h"
#include "pseudo_terminal.h"
#include "support/temp_dir.h"

namespace zarvell::link {
namespace {

using testing::Pty;
using testutil::Slurp;
using testutil::TempDir;

std::string PidLine(pid_t pid) {
  char line[16];
  std::snprintf(line, sizeof line, "%10d\n", static_cast<int>(pid));
  return line;
}

// A PID whose process has certainly ended: a child that was waited for.
pid_t DeadPid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

class SerialLockTest : public ::testing::Test {
 protected:
  PosixSerialPort Port() { return PosixSerialPort({locks.path()}); }
  std::filesystem::path LockFile() const {
    return locks.path() / SerialLock::FileName(pty.SlavePath());
  }

  Pty pty;
  TempDir locks;
};

TEST_F(SerialLockTest, ASecondOpenIsRefusedWhoeverRunsItAndByEveryName) {
  const TempDir links;
  const auto byLink = links.path() / "usb-adapter";
  std::filesystem::create_symlink(pty.SlavePath(), byLink);
  EXPECT_EQ(SerialLock::FileName(byLink), SerialLock::FileName(pty.SlavePath()));
  EXPECT_TRUE(SerialLock::FileName(pty.SlavePath()).starts_with("LCK..pts_"));

  PosixSerialPort first = Port();
  ASSERT_TRUE(first.Open(pty.SlavePath()));
  EXPECT_EQ(Slurp(LockFile()), PidLine(::getpid()));

  PosixSerialPort second = Port();
  EXPECT_FALSE(second.Open(pty.SlavePath()));
  EXPECT_FALSE(second.Open(byLink));
  // Without a lock folder it can write, flock alone still keeps it out.
  PosixSerialPort noFolder({locks.path() / "missing"});
  EXPECT_FALSE(noFolder.Open(pty.SlavePath()));
  EXPECT_FALSE(second.IsOpen() || noFolder.IsOpen());
  EXPECT_EQ(Slurp(LockFile()), PidLine(::getpid()));  // the refused opens left it alone

  first.Close();
  EXPECT_FALSE(std::filesystem::exists(LockFile()));
  ASSERT_TRUE(second.Open(byLink));
  EXPECT_EQ(Slurp(LockFile()), PidLine(::getpid()));
  second.Close();
  EXPECT_EQ(locks.Entries(), std::vector<std::string>{});  // no temporary file either
  ASSERT_TRUE(noFolder.Open(pty.SlavePath()));
}

TEST_F(SerialLockTest, ALockFileOfALiveProcessRefusesAndAStaleOneIsTakenOver) {
  const struct {
    std::string content;
    bool opens;
  } cases[] = {
      {PidLine(1), false},  // init is always alive, and not ours to signal unless root
      {"1\n", false},
      {PidLine(DeadPid()), true},
      {"", true},  // no PID at all: nobody to wait for
      {"ttyUSB0 belongs to me\n", true},
      {std::string("\x01\x00\x00\x00", 4), true},
  };
  for (const auto& c : cases) {
    locks.Write(LockFile().filename().string(), c.content);
    PosixSerialPort port = Port();
    EXPECT_EQ(port.Open(pty.SlavePath()), c.opens) << c.content;
    EXPECT_EQ(Slurp(LockFile()), c.opens ? PidLine(::getpid()) : c.content) << c.content;
    port.Close();
    EXPECT_EQ(std::filesystem::exists(LockFile()), !c.opens) << c.content;
    std::filesystem::remove(LockFile());
  }
}

TEST_F(SerialLockTest, AFileThatNamesAnotherProcessIsNotRemovedAtClose) {
  PosixSerialPort port = Port();
  ASSERT_TRUE(port.Open(pty.SlavePath()));
  locks.Write(LockFile().filename().string(), PidLine(1));
  port.Close();
  EXPECT_EQ(Slurp(LockFile()), PidLine(1));
}

TEST_F(SerialLockTest, TheAutomaticSearchPassesALockedPortByLikeABusyOne) {
  Pty free;
  const ComPortMap devices = ComPortMap::FromSettings(
      IniFile::Parse("[PORTS]\nCOM1=" + pty.SlavePath() + "\nCOM2=" + free.SlavePath() + "\n"));
  PosixSerialPort holder = Port();
  ASSERT_TRUE(holder.Open(pty.SlavePath()));

  PosixSerialPort port = Port();
  ComLink link(port, devices);
  link.comPortIndex = ComLink::kAutomatic;
  link.silentTicks = ComLink::kSilentLimit;
  EXPECT_FALSE(link.Open());
  EXPECT_TRUE(link.Watchdog().reopenDue);  // the next tick already tries COM2
  EXPECT_TRUE(link.Open());
  EXPECT_EQ(link.ComNumber(), 2);
  EXPECT_TRUE(port.IsOpen());
}

}  // namespace
}  // namespace zarvell::link
