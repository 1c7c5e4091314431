#include "link/port_lock.h"

#include <windows.h>

#include <cwctype>

#include "fileio/paths.h"

namespace zarvell::link {

std::wstring PortLock::Name(const std::string& device) {
  std::wstring port = PathFromUtf8(device).wstring();
  // "\\.\COM5" and "COM5" are one port; a backslash would name a namespace.
  if (port.starts_with(L"\\\\.\\") || port.starts_with(L"\\\\?\\")) port.erase(0, 4);
  for (wchar_t& c : port) c = c == L'\\' ? L'_' : static_cast<wchar_t>(std::towupper(c));
  return L"Global\\Zarvell-port-" + port;
}

bool PortLock::Take(const std::string& device) {
  Release();
  HANDLE mutex = ::CreateMutexW(nullptr, FALSE, Name(device).c_str());
  if (mutex == nullptr) return false;
  if (::GetLastError() == ERROR_ALREADY_EXISTS) {
    ::CloseHandle(mutex);
    return false;
  }
  mutex_ = mutex;
  return true;
}

void PortLock::Release() {
  if (mutex_ == nullptr) return;
  ::CloseHandle(static_cast<HANDLE>(mutex_));
  mutex_ = nullptr;
}

}  // namespace zarvell::link
