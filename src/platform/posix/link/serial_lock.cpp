#include "link/serial_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <optional>

#include "fileio/files.h"

namespace zarvell::link {
namespace {

enum class Claim { Taken, Held, Unusable };

// EPERM: the process exists but belongs to someone else.
bool HolderAlive(const std::filesystem::path& lock) {
  const std::optional<pid_t> pid = SerialLock::Holder(lock);
  return pid && (::kill(*pid, 0) == 0 || errno == EPERM);
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The PID goes into a file of our own, which is then linked into place: nobody ever reads a
// lock file half written, and of two programs linking at once only one succeeds.
Claim ClaimIn(const std::filesystem::path& lock) {
  std::string pattern = TempFilePattern(lock);
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return HolderAlive(lock) ? Claim::Held : Claim::Unusable;
  char pid[16];
  const int length = std::snprintf(pid, sizeof pid, "%10d\n", static_cast<int>(::getpid()));
  const bool written = ::fchmod(fd, 0644) == 0 &&
                       WriteAll(fd, std::string_view(pid, static_cast<std::size_t>(length)));
  Claim claim = Claim::Unusable;
  if (::close(fd) == 0 && written) {
    for (int attempt = 0; attempt < 2; ++attempt) {
      if (::link(pattern.c_str(), lock.c_str()) == 0) {
        claim = Claim::Taken;
        break;
      }
      if (errno != EEXIST) break;
      // A second clash means someone else took the stale lock first.
      if (attempt > 0 || HolderAlive(lock)) {
        claim = Claim::Held;
        break;
      }
      ::unlink(lock.c_str());
    }
  }
  ::unlink(pattern.c_str());
  return claim;
}

}  // namespace

std::optional<pid_t> SerialLock::Holder(const std::filesystem::path& lockFile) {
  const std::optional<std::string> text = ReadWholeFile(lockFile);
  if (!text) return std::nullopt;
  const char* begin = text->data();
  const char* end = begin + text->size();
  while (begin != end && *begin == ' ') ++begin;
  pid_t pid = 0;
  const auto [stop, error] = std::from_chars(begin, end, pid);
  if (error != std::errc() || pid <= 0 || (stop != end && *stop != '\n')) return std::nullopt;
  return pid;
}

std::vector<std::filesystem::path> SerialLock::SystemFolders() {
  return {"/run/lock", "/var/lock"};
}

std::string SerialLock::FileName(const std::string& device) {
  std::error_code error;
  std::string path = std::filesystem::canonical(device, error).string();
  if (error) path = device;
  // Below /dev the subfolder stays in the name (LCK..pts_3), so two devices never share one.
  std::string name =
      path.starts_with("/dev/") ? path.substr(5) : std::filesystem::path(path).filename().string();
  std::replace(name.begin(), name.end(), '/', '_');
  return "LCK.." + name;
}

bool SerialLock::Take(int fd, const std::string& device) {
  Release();
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return false;
  const std::string name = FileName(device);
  for (const std::filesystem::path& folder : folders_) {
    const Claim claim = ClaimIn(folder / name);
    if (claim == Claim::Unusable) continue;
    if (claim == Claim::Held) {
      ::flock(fd, LOCK_UN);
      return false;
    }
    taken_ = folder / name;
    break;
  }
  return true;
}

void SerialLock::Release() {
  if (taken_.empty()) return;
  // Only our own: a file that names another process is no longer the one we made.
  if (Holder(taken_) == ::getpid()) ::unlink(taken_.c_str());
  taken_.clear();
}

}  // namespace zarvell::link
