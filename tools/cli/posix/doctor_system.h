// What zarvell-cli doctor reads about the machine: the serial devices and their USB adapters in
// sysfs, device files, processes and their open files, lock files, user and group names, udev
// rules. Everything is read below a root folder, "/" but for the tests, which build a fake one;
// paths are always written as the user names them ("/dev/ttyUSB0"). A file that cannot be read,
// or an entry that vanishes while it is read, only leaves its fact out.
#pragma once

#include <sys/types.h>

#include <compare>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zarvell::cli::doctor {

class Tree {
 public:
  explicit Tree(const std::filesystem::path& root);

  // Where `path` (as the user names it) is read.
  std::filesystem::path At(const std::string& path) const;
  // `path` with its links resolved, named as the user would; `path` itself when it cannot be.
  std::string Resolved(const std::string& path) const;

 private:
  std::filesystem::path root_;
};

struct SerialDevice {
  std::string path;   // "/dev/ttyUSB0"
  std::string usbId;  // "1a86:7523"; empty when no USB device stands behind it
  std::string what;   // "QinHeng Electronics USB Serial", "built-in serial port", or empty
};

// /dev/ttyUSB*, /dev/ttyACM* and the /dev/ttyS* that sysfs shows a real port behind, in the
// order of the COM menu.
std::vector<SerialDevice> ListSerialDevices(const Tree& tree);

struct FileId {
  dev_t device = 0;
  ino_t inode = 0;
  auto operator<=>(const FileId&) const = default;
};

struct DeviceFile {
  FileId id;
  uid_t owner = 0;
  gid_t group = 0;
  mode_t mode = 0;
};
// The file behind `path`, links followed; nothing when it does not exist (any more).
std::optional<DeviceFile> StatDevice(const Tree& tree, const std::string& path);

struct Process {
  int pid = 0;
  std::string name;  // "ModemManager"
  std::vector<FileId> open;
};
struct ProcessScan {
  std::vector<Process> processes;
  bool hidden = false;  // some processes' open files could not be read (another user's)
};
ProcessScan ScanProcesses(const Tree& tree);

struct Group {
  std::string name;
  std::vector<std::string> members;  // as /etc/group lists them
};
std::optional<Group> FindGroup(const Tree& tree, gid_t gid);
std::optional<std::string> UserName(const Tree& tree, uid_t uid);

struct LockFile {
  std::string path;        // "/run/lock/LCK..ttyUSB0"
  std::optional<int> pid;  // the PID it names
};
// The serial lock files of `device` in /run/lock and /var/lock (once where one is a link to the
// other).
std::vector<LockFile> FindLockFiles(const Tree& tree, const std::string& device);
// The folders where a port opened below this root takes its lock file.
std::vector<std::filesystem::path> LockFolders(const Tree& tree);

bool ProcessExists(const Tree& tree, int pid);
// An installed udev rule of brltty, which claims CH340 adapters; empty when there is none.
std::string BrlttyRule(const Tree& tree);

}  // namespace zarvell::cli::doctor
