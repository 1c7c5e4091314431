#include "doctor.h"

// clang-format off
#include <windows.h>
#include <initguid.h>
#include <devguid.h>
#include <setupapi.h>
// clang-format on

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>

#include "app/settings.h"
#include "doctor_probe.h"
#include "fileio/ini_file.h"
#include "fileio/paths.h"
#include "link/com_ports.h"
#include "link/port_lock.h"
#include "link/win32_serial_port.h"
#include "runner.h"
#include "session.h"

namespace zarvell::cli {
namespace {

struct ComPort {
  std::string name;     // "COM3"
  std::string kernel;   // the driver's device: "\Device\Serial0", "\Device\Silabser0"
  std::string adapter;  // the device manager's name, where it has one
};

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
  return out;
}

int ComNumberOf(const std::string& name) {
  return name.size() > 3 ? std::atoi(name.c_str() + 3) : 0;
}

// The ports of the SERIALCOMM map: every COM port a driver has announced.
std::vector<ComPort> ListComPorts() {
  std::vector<ComPort> ports;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return ports;
  }
  for (DWORD i = 0;; ++i) {
    wchar_t device[256];
    wchar_t port[64];
    DWORD deviceSize = 256;
    DWORD portSize = sizeof port;
    DWORD type = 0;
    const LONG result = ::RegEnumValueW(key, i, device, &deviceSize, nullptr, &type,
                                        reinterpret_cast<BYTE*>(port), &portSize);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS || type != REG_SZ) continue;
    port[std::min<std::size_t>(portSize / sizeof(wchar_t), 63)] = L'\0';
    ports.push_back({Utf8(port), Utf8(device), {}});
  }
  ::RegCloseKey(key);
  std::ranges::sort(ports, {}, [](const ComPort& p) { return ComNumberOf(p.name); });
  return ports;
}

// The device manager's names of the ports class ("USB-SERIAL CH340 (COM5)") by port name.
std::map<std::string, std::string> AdapterNames() {
  std::map<std::string, std::string> names;
  HDEVINFO set = ::SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
  if (set == INVALID_HANDLE_VALUE) return names;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  for (DWORD i = 0; ::SetupDiEnumDeviceInfo(set, i, &device); ++i) {
    HKEY key = ::SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) continue;
    wchar_t port[64] = {};
    DWORD size = sizeof port - sizeof(wchar_t);
    const bool named = ::RegQueryValueExW(key, L"PortName", nullptr, nullptr,
                                          reinterpret_cast<BYTE*>(port), &size) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    wchar_t friendly[256] = {};
    if (named && ::SetupDiGetDeviceRegistryPropertyW(set, &device, SPDRP_FRIENDLYNAME, nullptr,
                                                     reinterpret_cast<BYTE*>(friendly),
                                                     sizeof friendly - sizeof(wchar_t), nullptr)) {
      names[Utf8(port)] = Utf8(friendly);
    }
  }
  ::SetupDiDestroyDeviceInfoList(set);
  return names;
}

enum class Access { Free, HeldByZarvell, HeldByAnother, Unusable };

// Opens the port the way the link does, without the settings, and lets it go again.
Access TryOpen(const std::string& port) {
  HANDLE lock = ::OpenMutexW(SYNCHRONIZE, FALSE, link::PortLock::Name(port).c_str());
  if (lock != nullptr) {
    ::CloseHandle(lock);
    return Access::HeldByZarvell;
  }
  const std::wstring name = PathFromUtf8(link::Win32SerialPort::DeviceName(port)).wstring();
  HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return ::GetLastError() == ERROR_ACCESS_DENIED ? Access::HeldByAnother : Access::Unusable;
  }
  ::CloseHandle(handle);
  return Access::Free;
}

struct Finding {
  std::string subject;
  std::string problem;
  std::string fix;
};

std::optional<Finding> FindingFor(const std::string& port, Access access) {
  switch (access) {
    case Access::Free:
      return std::nullopt;
    case Access::HeldByZarvell:
      return Finding{port, "another Zarvell has it open",
                     "close that Zarvell window or zarvell-cli, or choose another port"};
    case Access::HeldByAnother:
      return Finding{port, "another program holds it (opening it is refused)",
                     "close the program that has it: a terminal, another tool for the unit, a "
                     "phone or GPS sync service; if none is running, unplug the adapter and plug "
                     "it in again"};
    case Access::Unusable:
      break;
  }
  return Finding{port, "it cannot be opened (gone, or not a serial port)",
                 "plug the adapter in again; the device manager shows its state under Ports "
                 "(COM & LPT)"};
}

int Examine(const std::optional<std::string>& only, std::ostream& out) {
  const std::vector<ComPort> ports = ListComPorts();
  const std::map<std::string, std::string> adapters = AdapterNames();
  std::vector<Finding> findings;
  std::vector<std::string> toAsk;

  out << "COM ports:\n";
  if (ports.empty()) {
    out << "  none\n";
    findings.push_back({"adapter", "no COM port is there",
                        "plug the adapter in; the device manager lists it under Ports (COM & "
                        "LPT), or under Other devices while its driver is missing"});
  }
  for (const ComPort& port : ports) {
    const auto adapter = adapters.find(port.name);
    std::string line = "  " + port.name;
    line.resize(std::max<std::size_t>(9, line.size() + 1), ' ');
    line += port.kernel;
    if (adapter != adapters.end()) line += "  " + adapter->second;
    out << line << '\n';
    const Access access = TryOpen(port.name);
    if (const std::optional<Finding> finding = FindingFor(port.name, access)) {
      findings.push_back(*finding);
    } else if (ComNumberOf(port.name) > link::kLastComNumber) {
      findings.push_back({port.name, "the program's COM menu does not reach it",
                          "give the adapter a number from COM1 to COM31 in the device manager "
                          "(the port's Properties, Port Settings, Advanced)"});
    } else {
      toAsk.push_back(port.name);
    }
  }
  if (only) {
    const bool listed =
        std::ranges::any_of(ports, [&](const ComPort& p) { return p.name == *only; });
    if (!listed) {
      if (const auto finding = FindingFor(*only, TryOpen(*only))) findings.push_back(*finding);
    }
    toAsk = {*only};
  }

  out << "Findings:\n";
  if (findings.empty()) out << "  nothing in the way\n";
  for (const Finding& finding : findings) {
    out << "  " << finding.subject << ": " << finding.problem << '\n';
    if (!finding.fix.empty()) out << "    fix: " << finding.fix << '\n';
  }

  out << "Units:\n";
  if (toAsk.empty()) out << "  no free port to ask (--port COMn asks one all the same)\n";
  bool answered = false;
  for (const std::string& port : toAsk) {
    if (Stopped()) break;
    out << "  " << port << ": " << std::flush;
    link::Win32SerialPort serial;
    const doctor::ProbeResult result = doctor::Probe(serial, port);
    out << result.text << std::endl;
    answered |= result.answered;
  }
  return answered ? kExitOk : kExitNoUnitAnswered;
}

}  // namespace

int RunDoctor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> port;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--port" && i + 1 < args.size() && !port) {
      port = args[++i];
    } else {
      return Usage(err, "usage: zarvell-cli doctor [--port COMn]");
    }
  }
  if (port) {
    const link::ComPortMap ports =
        link::ComPortMap::FromSettings(IniFile::Load(ConfigPathsIn(DefaultConfigDir()).settings));
    port = link::ResolvePortName(*port, ports);
    if (!port) return Usage(err, "--port takes a device path or a name from COM1 to COM31");
  }
  const StopOnSignals stop;
  return Examine(port, out);
}

}  // namespace zarvell::cli
