#include "link/win32_serial_port.h"

#include <algorithm>

#include "fileio/paths.h"

namespace zarvell::link {
namespace {

constexpr DWORD kReceiveQueue = 10000;
constexpr DWORD kTransmitQueue = 1024;

// Reads return at once with what is queued; the 100 ms only bounds a read of more than that.
constexpr COMMTIMEOUTS kLinkTimeouts{.ReadIntervalTimeout = 0,
                                     .ReadTotalTimeoutMultiplier = 0,
                                     .ReadTotalTimeoutConstant = 100,
                                     .WriteTotalTimeoutMultiplier = 0,
                                     .WriteTotalTimeoutConstant = 0};

bool SetLine(HANDLE port) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (!::GetCommState(port, &dcb)) return false;
  char mode[] = "57600,N,8,1";
  if (!::BuildCommDCBA(mode, &dcb)) return false;
  // The mode text leaves flow control off; a port set up by another program may not have.
  dcb.fBinary = TRUE;
  dcb.fOutxCtsFlow = FALSE;
  dcb.fOutxDsrFlow = FALSE;
  dcb.fDsrSensitivity = FALSE;
  dcb.fOutX = FALSE;
  dcb.fInX = FALSE;
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  dcb.fRtsControl = RTS_CONTROL_ENABLE;
  dcb.fAbortOnError = FALSE;
  return ::SetCommState(port, &dcb) != 0;
}

}  // namespace

Win32SerialPort::~Win32SerialPort() {
  Close();
}

std::string Win32SerialPort::DeviceName(const std::string& device) {
  return device.starts_with("\\\\") ? device : "\\\\.\\" + device;
}

bool Win32SerialPort::Open(const std::string& device) {
  Close();
  // The lock comes before the open: a port that another program holds is left untouched.
  if (!lock_.Take(device)) return false;
  const std::wstring name = PathFromUtf8(DeviceName(device)).wstring();
  // No sharing, only a device that exists, no overlapped I/O.
  HANDLE port = ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
  if (port == INVALID_HANDLE_VALUE) {
    lock_.Release();
    return false;
  }
  COMMTIMEOUTS found{};
  COMMTIMEOUTS timeouts = kLinkTimeouts;
  const bool saved = ::GetCommTimeouts(port, &found) != 0;
  const bool ready = saved && ::SetCommTimeouts(port, &timeouts) && SetLine(port) &&
                     ::SetupComm(port, kReceiveQueue, kTransmitQueue) &&
                     ::SetCommMask(port, EV_TXEMPTY);
  if (!ready) {
    if (saved) ::SetCommTimeouts(port, &found);
    ::CloseHandle(port);
    lock_.Release();
    return false;
  }
  handle_ = port;
  original_ = found;
  return true;
}

void Win32SerialPort::Close() {
  if (handle_ == INVALID_HANDLE_VALUE) return;
  ::PurgeComm(handle_, PURGE_RXABORT | PURGE_RXCLEAR);
  ::SetCommTimeouts(handle_, &original_);
  ::CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
  lock_.Release();
}

std::size_t Win32SerialPort::BytesWaiting() {
  if (handle_ == INVALID_HANDLE_VALUE) return 0;
  DWORD errors = 0;
  COMSTAT status{};
  // Also clears a line error, which would otherwise stop all further reads and writes.
  if (!::ClearCommError(handle_, &errors, &status)) return 0;
  return status.cbInQue;
}

std::size_t Win32SerialPort::Read(std::span<std::uint8_t> into) {
  const std::size_t waiting = BytesWaiting();
  if (waiting == 0 || into.empty()) return 0;
  const DWORD wanted = static_cast<DWORD>(std::min(waiting, into.size()));
  DWORD got = 0;
  if (!::ReadFile(handle_, into.data(), wanted, &got, nullptr)) return 0;
  return got;
}

void Win32SerialPort::WriteAndDrain(std::span<const std::uint8_t> bytes) {
  if (handle_ == INVALID_HANDLE_VALUE || bytes.empty()) return;
  DWORD written = 0;
  if (!::WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
    return;
  }
  // The only event in the mask: the last byte of the frame has left the transmit queue.
  DWORD event = 0;
  ::WaitCommEvent(handle_, &event, nullptr);
}

void Win32SerialPort::PurgeReceive() {
  if (handle_ != INVALID_HANDLE_VALUE) ::PurgeComm(handle_, PURGE_RXABORT | PURGE_RXCLEAR);
}

}  // namespace zarvell::link
