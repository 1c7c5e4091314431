#include "doctor_findings.h"

#include <algorithm>
#include <cstdio>

namespace zarvell::cli::doctor {
namespace {

constexpr char kCh340[] = "1a86:7523";

std::string Octal(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
  return text;
}

std::string ProcessText(const Process& process) {
  return "process " + std::to_string(process.pid) + " (" + process.name + ")";
}

std::vector<const Process*> Named(const ProcessScan& scan, const std::string& name) {
  std::vector<const Process*> found;
  for (const Process& process : scan.processes) {
    if (process.name == name) found.push_back(&process);
  }
  return found;
}

// Judged from the mode bits as the kernel does, so that it also holds for the user when root
// runs the doctor; both reading and writing are needed.
std::optional<Finding> Access(const Tree& tree, const Identity& user, const DeviceFile& file,
                              const std::string& path) {
  if (user.uid == 0) return {};
  const bool inGroup = std::ranges::find(user.groups, file.group) != user.groups.end();
  const int shift = file.owner == user.uid ? 6 : inGroup ? 3 : 0;
  if (((file.mode >> shift) & 06) == 06) return {};

  const std::optional<Group> group = FindGroup(tree, file.group);
  const std::string groupName = group ? group->name : std::to_string(file.group);
  const std::string owner = UserName(tree, file.owner).value_or(std::to_string(file.owner));
  Finding finding{path,
                  "you (" + user.name + ") may not open it: it belongs to " + owner +
                      " and group " + groupName + " with mode " + Octal(file.mode),
                  ""};
  if (inGroup || ((file.mode >> 3) & 06) != 06) {
    finding.fix = "sudo chmod a+rw " + path +
                  " lasts until it is plugged in again; for good, a udev rule that gives it "
                  "MODE=\"0660\" and a group you are in";
  } else if (group && std::ranges::find(group->members, user.name) != group->members.end()) {
    finding.problem +=
        ", and this login does not have group " + groupName + " yet, though you are a member";
    finding.fix = "log out and in again (or restart the computer)";
  } else {
    finding.problem += ", and you are not in group " + groupName;
    finding.fix = "sudo usermod -aG " + groupName + " $USER, then log out and in again";
  }
  return finding;
}

}  // namespace

DeviceCheck CheckDevice(const Tree& tree, const Identity& user, const ProcessScan& scan,
                        const std::string& path) {
  DeviceCheck check;
  const std::optional<DeviceFile> file = StatDevice(tree, path);
  if (!file) {
    check.findings.push_back(
        {path, "does not exist (any more)", "plug the adapter in, or name the port it is on"});
    return check;
  }
  check.free = true;
  if (auto finding = Access(tree, user, *file, path)) {
    check.findings.push_back(std::move(*finding));
    check.free = false;
  }
  // A pseudo-terminal is always open in the program that serves it, such as zarvell-unit-sim.
  const bool pseudo = tree.Resolved(path).starts_with("/dev/pts/");
  for (const Process& process : scan.processes) {
    if (std::ranges::find(process.open, file->id) == process.open.end()) continue;
    if (pseudo) {
      check.findings.push_back({path,
                                "a pseudo-terminal, open in " + ProcessText(process) +
                                    ": the program that serves it, or one that uses it",
                                ""});
      continue;
    }
    check.findings.push_back(
        {path, "held open by " + ProcessText(process),
         "close the port in that program, or end it: kill " + std::to_string(process.pid)});
    check.free = false;
  }
  for (const LockFile& lock : FindLockFiles(tree, path)) {
    if (lock.pid && ProcessExists(tree, *lock.pid)) {
      check.findings.push_back(
          {path, "locked by process " + std::to_string(*lock.pid) + " (" + lock.path + ")",
           "close the port in that program, or end it: kill " + std::to_string(*lock.pid)});
      check.free = false;
    } else {
      const std::string owner =
          lock.pid ? "process " + std::to_string(*lock.pid) + ", which has ended" : "no process";
      check.findings.push_back({path,
                                "a stale lock file " + lock.path + " names " + owner +
                                    "; Zarvell takes it over, other programs may refuse the port",
                                "sudo rm " + lock.path});
    }
  }
  return check;
}

std::vector<Finding> CheckServices(const Tree& tree, const ProcessScan& scan,
                                   const std::vector<SerialDevice>& devices) {
  std::vector<Finding> findings;
  const auto any = [&](auto test) { return std::ranges::any_of(devices, test); };
  if (any([](const SerialDevice& d) { return d.path.starts_with("/dev/ttyACM"); })) {
    for (const Process* process : Named(scan, "ModemManager")) {
      findings.push_back({"ModemManager",
                          "runs as " + ProcessText(*process) +
                              " and probes every ttyACM device as a modem, which can take the "
                              "port from the unit or send it stray bytes",
                          "sudo systemctl disable --now ModemManager (if no mobile modem is "
                          "used here), then plug the adapter in again"});
    }
  }
  if (any([](const SerialDevice& d) { return d.usbId == kCh340; })) {
    const std::string fix =
        "sudo apt remove brltty (if no braille display is used here), then plug the adapter "
        "in again";
    for (const Process* process : Named(scan, "brltty")) {
      findings.push_back({"brltty",
                          "runs as " + ProcessText(*process) + " and takes CH340 adapters (" +
                              kCh340 + ") for braille displays, so their port disappears",
                          fix});
    }
    if (const std::string rule = BrlttyRule(tree); !rule.empty()) {
      findings.push_back(
          {"brltty", "its udev rule " + rule + " claims CH340 adapters whenever one is plugged in",
           fix});
    }
  }
  return findings;
}

}  // namespace zarvell::cli::doctor
