#include "link/posix_serial_port.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>

namespace zarvell::link {
namespace {

// How long a write may wait for room in the driver's queue before the rest is dropped. A frame
// takes about 18 ms at 57600 baud, so only a stuck or vanished device gets near this.
constexpr std::chrono::milliseconds kWriteRoomWait{1000};

termios LinkSettings(const termios& found) {
  termios t = found;
  cfmakeraw(&t);
  cfsetispeed(&t, B57600);
  cfsetospeed(&t, B57600);
  t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
  t.c_cflag |= CS8 | CLOCAL | CREAD;
  t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  return t;
}

// Waits until the descriptor takes more output or `until` passes; false when it will not.
bool WaitForRoom(int fd, std::chrono::steady_clock::time_point until) {
  for (;;) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd p{.fd = fd, .events = POLLOUT, .revents = 0};
    const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    return ready > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL)) == 0;
  }
}

}  // namespace

PosixSerialPort::~PosixSerialPort() {
  Close();
}

bool PosixSerialPort::Open(const std::string& device) {
  Close();
  // No O_CREAT: only a device that exists. O_NOCTTY: a terminal must not become ours to control.
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  // The locks come before any change: a device that another program holds is left untouched.
  termios found{};
  if (::tcgetattr(fd, &found) != 0 || !lock_.Take(fd, device)) {
    ::close(fd);
    return false;
  }
  const termios settings = LinkSettings(found);
  if (::ioctl(fd, TIOCEXCL) != 0 || ::tcsetattr(fd, TCSANOW, &settings) != 0) {
    ::ioctl(fd, TIOCNXCL);
    lock_.Release();
    ::close(fd);
    return false;
  }
  fd_ = fd;
  original_ = found;
  return true;
}

void PosixSerialPort::Close() {
  if (fd_ < 0) return;
  ::tcflush(fd_, TCIFLUSH);
  ::tcsetattr(fd_, TCSANOW, &original_);
  // Linux keeps the exclusive flag while any other descriptor of the terminal stays open (the
  // simulator's end of a pseudo-terminal, for one); left set, it would refuse our next open.
  ::ioctl(fd_, TIOCNXCL);
  lock_.Release();
  ::close(fd_);
  fd_ = -1;
}

std::size_t PosixSerialPort::BytesWaiting() {
  if (fd_ < 0) return 0;
  int waiting = 0;
  if (::ioctl(fd_, FIONREAD, &waiting) != 0 || waiting < 0) return 0;
  return static_cast<std::size_t>(waiting);
}

std::size_t PosixSerialPort::Read(std::span<std::uint8_t> into) {
  if (fd_ < 0 || into.empty()) return 0;
  for (;;) {
    const ssize_t got = ::read(fd_, into.data(), into.size());
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) return 0;
  }
}

void PosixSerialPort::WriteAndDrain(std::span<const std::uint8_t> bytes) {
  if (fd_ < 0) return;
  const auto until = std::chrono::steady_clock::now() + kWriteRoomWait;
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written > 0) {
      bytes = bytes.subspan(static_cast<std::size_t>(written));
      continue;
    }
    const bool retry =
        written < 0 && (errno == EINTR || (errno == EAGAIN && WaitForRoom(fd_, until)));
    if (!retry) return;
  }
  while (::tcdrain(fd_) != 0 && errno == EINTR) {
  }
}

void PosixSerialPort::PurgeReceive() {
  if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
}

}  // namespace zarvell::link
