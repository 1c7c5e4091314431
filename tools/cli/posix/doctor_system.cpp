#include "doctor_system.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <set>
#include <string_view>
#include <tuple>

#include "fileio/files.h"
#include "link/serial_lock.h"

namespace zarvell::cli::doctor {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFamilies[] = {"ttyUSB", "ttyACM", "ttyS"};
constexpr std::string_view kLockFolders[] = {"/run/lock", "/var/lock"};
constexpr std::string_view kRuleFolders[] = {"/etc/udev/rules.d", "/usr/lib/udev/rules.d",
                                             "/lib/udev/rules.d"};

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  return value;
}

// The first line of a small file such as a sysfs attribute, without its line end; nothing
// when the file cannot be read or is empty.
std::optional<std::string> FirstLine(const fs::path& file) {
  std::optional<std::string> text = ReadWholeFile(file);
  if (!text) return {};
  text->erase(std::min(text->find('\n'), text->size()));
  if (text->empty()) return {};
  return text;
}

// Calls `visit` with each entry of `folder`; false when the folder cannot be read. Entries that
// vanish meanwhile are the caller's to skip.
template <typename Visit>
bool ForEachEntry(const fs::path& folder, Visit visit) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) return false;
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) break;
    visit(it->path());
  }
  return true;
}

std::vector<std::string> Fields(std::string_view line, char separator) {
  std::vector<std::string> fields;
  for (std::size_t at = 0;;) {
    const std::size_t end = line.find(separator, at);
    fields.emplace_back(line.substr(at, end - at));
    if (end == std::string_view::npos) return fields;
    at = end + 1;
  }
}

// The fields of the line of a passwd or group file whose third field is `id`.
std::optional<std::vector<std::string>> EntryWithId(const fs::path& file, unsigned id) {
  const std::optional<std::string> text = ReadWholeFile(file);
  if (!text) return {};
  for (const std::string& line : Fields(*text, '\n')) {
    std::vector<std::string> fields = Fields(line, ':');
    if (fields.size() >= 4 && Number(fields[2]) == static_cast<int>(id)) return fields;
  }
  return {};
}

// A ttyS name is kept for every possible UART; only those with a port type are real.
bool RealUart(const Tree& tree, const std::string& name) {
  const std::string at = "/sys/class/tty/" + name;
  std::error_code error;
  return fs::exists(tree.At(at + "/device"), error) && FirstLine(tree.At(at + "/type")) != "0";
}

// The USB device behind a tty: the nearest folder above its sysfs device that has an idVendor.
void DescribeAdapter(const Tree& tree, const std::string& name, SerialDevice& device) {
  std::error_code error;
  const fs::path sys = fs::weakly_canonical(tree.At("/sys"), error);
  fs::path at = fs::canonical(tree.At("/sys/class/tty/" + name + "/device"), error);
  for (; !error && at != sys && at.string().starts_with(sys.string()); at = at.parent_path()) {
    const std::optional<std::string> vendor = FirstLine(at / "idVendor");
    if (!vendor) continue;
    device.usbId = *vendor + ":" + FirstLine(at / "idProduct").value_or("????");
    for (const char* attribute : {"manufacturer", "product"}) {
      if (const auto text = FirstLine(at / attribute)) {
        device.what += (device.what.empty() ? "" : " ") + *text;
      }
    }
    return;
  }
  if (name.starts_with("ttyS")) device.what = "built-in serial port";
}

// The kernel cuts a process's name to 15 characters; the program's file name is whole.
std::string ProgramName(const fs::path& process, const std::string& comm) {
  const std::optional<std::string> commandLine = ReadWholeFile(process / "cmdline");
  if (!commandLine) return comm;
  const std::string program = fs::path(commandLine->c_str()).filename().string();
  return program.starts_with(comm) ? program : comm;
}

}  // namespace

Tree::Tree(const fs::path& root) {
  std::error_code error;
  root_ = fs::weakly_canonical(root, error);
  if (error) root_ = root;
}

fs::path Tree::At(const std::string& path) const {
  return root_ / fs::path(path).relative_path();
}

std::string Tree::Resolved(const std::string& path) const {
  std::error_code error;
  const fs::path real = fs::canonical(At(path), error);
  if (error) return path;
  return (fs::path("/") / real.lexically_relative(root_)).lexically_normal().string();
}

std::vector<SerialDevice> ListSerialDevices(const Tree& tree) {
  std::vector<std::tuple<std::size_t, int, SerialDevice>> found;
  ForEachEntry(tree.At("/dev"), [&](const fs::path& entry) {
    const std::string name = entry.filename().string();
    for (std::size_t family = 0; family < std::size(kFamilies); ++family) {
      const std::string_view prefix = kFamilies[family];
      const std::optional<int> number = name.starts_with(prefix)
                                            ? Number(std::string_view(name).substr(prefix.size()))
                                            : std::nullopt;
      if (!number || (prefix == "ttyS" && !RealUart(tree, name))) continue;
      SerialDevice device{.path = "/dev/" + name, .usbId = {}, .what = {}};
      DescribeAdapter(tree, name, device);
      found.emplace_back(family, *number, std::move(device));
    }
  });
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
  });
  std::vector<SerialDevice> devices;
  devices.reserve(found.size());
  for (auto& entry : found) devices.push_back(std::move(std::get<2>(entry)));
  return devices;
}

std::optional<DeviceFile> StatDevice(const Tree& tree, const std::string& path) {
  struct stat s {};
  if (::stat(tree.At(path).c_str(), &s) != 0) return {};
  return DeviceFile{
      .id = {s.st_dev, s.st_ino}, .owner = s.st_uid, .group = s.st_gid, .mode = s.st_mode & 07777};
}

ProcessScan ScanProcesses(const Tree& tree) {
  ProcessScan scan;
  ForEachEntry(tree.At("/proc"), [&](const fs::path& folder) {
    const std::optional<int> pid = Number(folder.filename().string());
    const std::optional<std::string> name = FirstLine(folder / "comm");
    if (!pid || !name) return;  // not a process, or one that has just ended
    Process process{.pid = *pid, .name = ProgramName(folder, *name), .open = {}};
    scan.hidden |= !ForEachEntry(folder / "fd", [&](const fs::path& fd) {
      struct stat s {};
      if (::stat(fd.c_str(), &s) == 0) process.open.push_back({s.st_dev, s.st_ino});
    });
    scan.processes.push_back(std::move(process));
  });
  return scan;
}

std::optional<Group> FindGroup(const Tree& tree, gid_t gid) {
  const auto fields = EntryWithId(tree.At("/etc/group"), gid);
  if (!fields) return {};
  Group group{.name = (*fields)[0], .members = {}};
  if (!(*fields)[3].empty()) group.members = Fields((*fields)[3], ',');
  return group;
}

std::optional<std::string> UserName(const Tree& tree, uid_t uid) {
  const auto fields = EntryWithId(tree.At("/etc/passwd"), uid);
  if (!fields) return {};
  return (*fields)[0];
}

std::vector<LockFile> FindLockFiles(const Tree& tree, const std::string& device) {
  const std::string name = link::SerialLock::FileName(tree.Resolved(device));
  std::vector<LockFile> locks;
  std::set<std::string> seen;
  for (const std::string_view folder : kLockFolders) {
    const std::string path = std::string(folder) + "/" + name;
    std::error_code error;
    if (!fs::exists(tree.At(path), error) || !seen.insert(tree.Resolved(path)).second) continue;
    const std::optional<pid_t> pid = link::SerialLock::Holder(tree.At(path));
    locks.push_back({path, pid ? std::optional<int>(*pid) : std::nullopt});
  }
  return locks;
}

std::vector<fs::path> LockFolders(const Tree& tree) {
  std::vector<fs::path> folders;
  for (const std::string_view folder : kLockFolders)
    folders.push_back(tree.At(std::string(folder)));
  return folders;
}

bool ProcessExists(const Tree& tree, int pid) {
  std::error_code error;
  return fs::exists(tree.At("/proc/" + std::to_string(pid)), error);
}

std::string BrlttyRule(const Tree& tree) {
  std::string rule;
  for (const std::string_view folder : kRuleFolders) {
    ForEachEntry(tree.At(std::string(folder)), [&](const fs::path& file) {
      if (rule.empty() && file.filename().string().find("brltty") != std::string::npos) {
        rule = std::string(folder) + "/" + file.filename().string();
      }
    });
  }
  return rule;
}

}  // namespace zarvell::cli::doctor
