#include "link/posix_serial_port.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "port_contract.h"
#include "pseudo_terminal.h"
#include "support/temp_dir.h"

namespace zarvell::link {
namespace {

using testing::FarEnd;
using testing::PortContract;
using testing::PortKind;
using testing::PortRig;
using testing::Pty;

INSTANTIATE_TEST_SUITE_P(
    Posix, PortContract,
    ::testing::Values(PortKind{
        "PseudoTerminal",
        [] {
          auto pty = std::make_unique<Pty>();
          std::string path = pty->SlavePath();
          return PortRig{std::move(pty), std::move(path), std::make_unique<PosixSerialPort>()};
        }}),
    testing::PortKindName);

// Whether someone holds `path` for themselves. Root passes the lock, so for root the lock itself
// is looked at.
bool HeldExclusively(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == EBUSY;
  int exclusive = 0;
  if (::geteuid() == 0) {
    EXPECT_EQ(::ioctl(fd, TIOCGEXCL, &exclusive), 0);
  }
  ::close(fd);
  return exclusive != 0;
}

TEST(PosixSerialPort, SetsTheLineRawAt57600EightNoneOneAndPutsTheOldSettingsBack) {
  Pty pty;
  const termios before = pty.SlaveSettings();
  ASSERT_TRUE(before.c_lflag & ICANON);  // a fresh terminal starts in line mode

  PosixSerialPort port;
  ASSERT_TRUE(port.Open(pty.SlavePath()));
  const termios t = pty.SlaveSettings();
  EXPECT_EQ(cfgetispeed(&t), B57600);
  EXPECT_EQ(cfgetospeed(&t), B57600);
  EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
  EXPECT_EQ(t.c_iflag & (IXON | IXOFF | IXANY | ICRNL | INLCR | IGNCR | ISTRIP), 0u);
  EXPECT_EQ(t.c_oflag & OPOST, 0u);
  EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
  EXPECT_EQ(t.c_cc[VMIN], 0);
  EXPECT_EQ(t.c_cc[VTIME], 0);

  port.Close();
  const termios after = pty.SlaveSettings();
  EXPECT_EQ(after.c_iflag, before.c_iflag);
  EXPECT_EQ(after.c_oflag, before.c_oflag);
  EXPECT_EQ(after.c_cflag, before.c_cflag);
  EXPECT_EQ(after.c_lflag, before.c_lflag);
  EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));
}

TEST(PosixSerialPort, HoldsTheDeviceForItselfUntilClosed) {
  Pty pty;
  PosixSerialPort first;
  PosixSerialPort second;
  ASSERT_TRUE(first.Open(pty.SlavePath()));
  EXPECT_TRUE(HeldExclusively(pty.SlavePath()));
  // Refused whoever runs it: root passes the exclusive mode, not the locks.
  EXPECT_FALSE(second.Open(pty.SlavePath()));
  EXPECT_FALSE(second.IsOpen());

  // The lock goes with the close although the master keeps the terminal alive.
  first.Close();
  EXPECT_FALSE(HeldExclusively(pty.SlavePath()));
  ASSERT_TRUE(second.Open(pty.SlavePath()));

  // A failed open gives up the device held before.
  EXPECT_FALSE(second.Open(pty.SlavePath() + "-missing"));
  EXPECT_FALSE(second.IsOpen());
  EXPECT_FALSE(HeldExclusively(pty.SlavePath()));
}

TEST(PosixSerialPort, OpensOnlyTerminalsThatExist) {
  const testutil::TempDir dir;
  const std::filesystem::path missing = dir.path() / "ttyUSB0";
  const std::filesystem::path plain = dir.Write("not-a-tty", "data");
  PosixSerialPort port;
  EXPECT_FALSE(port.Open(missing.string()));
  EXPECT_FALSE(std::filesystem::exists(missing));  // never created
  EXPECT_FALSE(port.Open(plain.string()));
  EXPECT_FALSE(port.Open("/dev/null"));
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(testutil::Slurp(plain), "data");
}

TEST(PosixSerialPort, AVanishedDeviceReadsAsSilenceUntilClosed) {
  Pty pty;
  const std::string path = pty.SlavePath();
  PosixSerialPort port;
  ASSERT_TRUE(port.Open(path));
  pty.CloseMaster();  // the adapter is pulled out

  EXPECT_EQ(port.BytesWaiting(), 0u);
  std::uint8_t into[102] = {};
  EXPECT_EQ(port.Read(into), 0u);
  port.WriteAndDrain(into);
  port.PurgeReceive();
  EXPECT_TRUE(port.IsOpen());  // closing is the watchdog's decision
  port.Close();
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(port.Open(path));
}

TEST(PosixSerialPort, AWriteToAFarEndThatStopsReadingGivesUp) {
  Pty pty;
  PosixSerialPort port;
  ASSERT_TRUE(port.Open(pty.SlavePath()));
  std::vector<std::uint8_t> flood(1 << 20);
  for (std::size_t i = 0; i < flood.size(); ++i) flood[i] = static_cast<std::uint8_t>(i * 13);

  port.WriteAndDrain(flood);  // far more than the terminal buffers: returns with the rest lost

  const std::vector<std::uint8_t> got = pty.ReceivedUntilQuiet();
  ASSERT_FALSE(got.empty());
  ASSERT_LT(got.size(), flood.size());
  EXPECT_TRUE(std::equal(got.begin(), got.end(), flood.begin()));
}

}  // namespace
}  // namespace zarvell::link
