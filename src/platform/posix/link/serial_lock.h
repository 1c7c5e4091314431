// The locks that keep a serial device to one program, whoever runs it. The terminal's exclusive
// mode does not bind root, so every open also takes flock on its descriptor and the lock file
// that serial programs customarily share: LCK..<device> in /run/lock (or /var/lock), holding
// the owner's PID in ten characters and a line end. A lock file whose process has gone is
// taken over. Where no lock folder can be written, flock alone still keeps other opens out.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zarvell::link {

class SerialLock {
 public:
  // The folders tried in turn for the lock file.
  static std::vector<std::filesystem::path> SystemFolders();

  explicit SerialLock(std::vector<std::filesystem::path> folders) : folders_(std::move(folders)) {}
  ~SerialLock() { Release(); }
  SerialLock(const SerialLock&) = delete;
  SerialLock& operator=(const SerialLock&) = delete;

  // Locks `device`, open at `fd`. False when another descriptor or a live process holds it;
  // nothing is then left locked.
  bool Take(int fd, const std::string& device);
  // Removes the lock file taken; the flock ends with the descriptor's close.
  void Release();

  // The lock file's name for a device: LCK..ttyUSB0 for /dev/ttyUSB0 and for every link to it.
  static std::string FileName(const std::string& device);
  // The PID a lock file names, or nothing when it names none (unreadable, empty, cut short,
  // not a number).
  static std::optional<pid_t> Holder(const std::filesystem::path& lockFile);

 private:
  std::vector<std::filesystem::path> folders_;
  std::filesystem::path taken_;
};

}  // namespace zarvell::link
