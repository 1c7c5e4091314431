#include "doctor.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <ostream>

#include "app/settings.h"
#include "doctor_findings.h"
#include "doctor_probe.h"
#include "doctor_system.h"
#include "fileio/ini_file.h"
#include "link/posix_serial_port.h"
#include "runner.h"
#include "session.h"

namespace zarvell::cli {
namespace doctor {
namespace {

// The first COM number whose device is `path`; 0 when the COM menu does not reach it.
int ComNumber(const Tree& tree, const link::ComPortMap& ports, const std::string& path) {
  const std::string real = tree.Resolved(path);
  for (int number = link::kFirstComNumber; number <= link::kLastComNumber; ++number) {
    if (tree.Resolved(ports.DevicePath(number)) == real) return number;
  }
  return 0;
}

// The first COM number with no device entry (not even a broken link), for a [PORTS] line.
int FreeComNumber(const Tree& tree, const link::ComPortMap& ports) {
  int number = link::kFirstComNumber;
  std::error_code error;
  while (number < link::kLastComNumber && std::filesystem::exists(std::filesystem::symlink_status(
                                              tree.At(ports.DevicePath(number)), error))) {
    ++number;
  }
  return number;
}

std::string Padded(std::string text, std::size_t width) {
  text.resize(std::max(width, text.size() + 1), ' ');
  return text;
}

void Append(std::vector<Finding>& to, std::vector<Finding> more) {
  to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

}  // namespace

Identity ProcessIdentity() {
  Identity user{.uid = ::geteuid(), .name = {}, .groups = {::getegid()}};
  const int count = ::getgroups(0, nullptr);
  std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
  const int got = count > 0 ? ::getgroups(count, groups.data()) : 0;
  user.groups.insert(user.groups.end(), groups.begin(), groups.begin() + std::max(got, 0));
  passwd entry{};
  passwd* found = nullptr;
  char buffer[4096];
  const bool named = ::getpwuid_r(user.uid, &entry, buffer, sizeof buffer, &found) == 0 && found;
  user.name = named ? found->pw_name : std::to_string(user.uid);
  return user;
}

int Examine(const Examination& examination, std::ostream& out) {
  const Tree tree(examination.root);
  const std::vector<SerialDevice> devices = ListSerialDevices(tree);
  const ProcessScan scan = ScanProcesses(tree);
  std::vector<Finding> findings;
  std::vector<std::string> toAsk;

  out << "Serial devices:\n";
  if (devices.empty()) {
    out << "  none\n";
    findings.push_back({"adapter", "no serial device is there",
                        "plug the adapter in; lsusb lists it (a cable made only for charging "
                        "shows nothing)"});
  }
  for (const SerialDevice& device : devices) {
    const int com = ComNumber(tree, examination.ports, device.path);
    std::string line = "  " + Padded(device.path, 14) +
                       Padded(com ? "COM" + std::to_string(com) : std::string("-"), 7) +
                       (device.usbId.empty() ? "" : "USB " + device.usbId + " ") + device.what;
    out << line.erase(line.find_last_not_of(' ') + 1) << '\n';
    if (com == 0) {
      findings.push_back({device.path, "the program's COM menu does not reach it",
                          "give it a number whose device is not there under [PORTS] in " +
                              examination.settings.string() + ", e.g. COM" +
                              std::to_string(FreeComNumber(tree, examination.ports)) + "=" +
                              device.path});
    }
    DeviceCheck check = CheckDevice(tree, examination.identity, scan, device.path);
    Append(findings, std::move(check.findings));
    if (check.free) toAsk.push_back(device.path);
  }
  if (const auto& port = examination.port) {
    const std::string real = tree.Resolved(*port);
    if (std::ranges::none_of(devices,
                             [&](const auto& d) { return tree.Resolved(d.path) == real; })) {
      Append(findings, CheckDevice(tree, examination.identity, scan, *port).findings);
    }
    toAsk = {*port};
  }
  Append(findings, CheckServices(tree, scan, devices));

  out << "Findings:\n";
  if (findings.empty()) out << "  nothing in the way\n";
  for (const Finding& finding : findings) {
    out << "  " << finding.subject << ": " << finding.problem << '\n';
    if (!finding.fix.empty()) out << "    fix: " << finding.fix << '\n';
  }
  if (scan.hidden) {
    out << "  (the open files of other users' processes are hidden from you; sudo "
           "zarvell-cli doctor shows who holds a port)\n";
  }

  out << "Units:\n";
  if (toAsk.empty()) out << "  no free device to ask (--port DEV asks one all the same)\n";
  bool answered = false;
  for (const std::string& path : toAsk) {
    if (Stopped()) break;
    out << "  " << path << ": " << std::flush;
    link::PosixSerialPort port(LockFolders(tree));
    const ProbeResult result = Probe(port, tree.At(path).string());
    out << result.text << std::endl;
    answered |= result.answered;
  }
  return answered ? kExitOk : kExitNoUnitAnswered;
}

}  // namespace doctor

int RunDoctor(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  doctor::Examination examination;
  std::optional<std::string> port;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const bool valued = i + 1 < args.size();
    if (args[i] == "--port" && valued && !port) {
      port = args[++i];
    } else if (args[i] == "--root" && valued) {  // hidden: a fake system tree, for the tests
      examination.root = args[++i];
    } else {
      return Usage(err, "usage: zarvell-cli doctor [--port DEV]");
    }
  }
  examination.settings = ConfigPathsIn(DefaultConfigDir()).settings;
  examination.ports = link::ComPortMap::FromSettings(IniFile::Load(examination.settings));
  if (port) {
    examination.port = link::ResolvePortName(*port, examination.ports);
    if (!examination.port)
      return Usage(err, "--port takes a device path or a name from COM1 to COM31");
  }
  examination.identity = doctor::ProcessIdentity();
  const StopOnSignals stop;
  return doctor::Examine(examination, out);
}

}  // namespace zarvell::cli
