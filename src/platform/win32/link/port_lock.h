// A lock that keeps a COM port to one program: a named mutex in the global namespace, one per
// port ("Global\Zarvell-port-COM5"), which exists exactly as long as a holder has it open. Two
// names for one port ("COM5", "\\.\com5") give the same lock.
#pragma once

#include <string>

namespace zarvell::link {

class PortLock {
 public:
  PortLock() = default;
  ~PortLock() { Release(); }
  PortLock(const PortLock&) = delete;
  PortLock& operator=(const PortLock&) = delete;

  // False when another holder, in this process or another, has the lock of `device`.
  bool Take(const std::string& device);
  void Release();

  // The lock's name for a device.
  static std::wstring Name(const std::string& device);

 private:
  void* mutex_ = nullptr;
};

}  // namespace zarvell::link
