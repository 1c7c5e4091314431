// Files on POSIX systems: descriptors, mkstemp, fsync and rename.
#include "fileio/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "fileio/paths.h"

namespace zarvell {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  // Opened without waiting, so a pipe with no writer does not hold the open up; only a regular
  // file is read, then blocking as usual.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) ||
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return std::nullopt;
  }
  std::string content;
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);  // a directory, a vanished device: nothing readable
      return std::nullopt;
    }
    content.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return content;
}

namespace {

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The mode of the file being replaced, or what the user's umask allows for a new one.
mode_t ModeFor(const std::filesystem::path& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Makes the rename itself survive a power loss.
void SyncFolder(const std::filesystem::path& path) {
  const auto folder = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool IsSaveTarget(const std::filesystem::path& path) {
  struct stat target {};
  if (::stat(path.c_str(), &target) == 0) return S_ISREG(target.st_mode);
  // Nothing there, or a link to nothing, which the save creates; a folder it cannot reach
  // fails the save later.
  struct stat entry {};
  return errno == ENOENT && (::lstat(path.c_str(), &entry) != 0 || S_ISLNK(entry.st_mode));
}

bool WriteFileAtomically(const std::filesystem::path& requested, std::string_view content) {
  const std::filesystem::path path = ResolveLink(requested);
  // The rename would put a regular file in place of a device or a pipe.
  if (!IsSaveTarget(path)) return false;
  std::string name = TempFilePattern(path);
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;

  bool ok = ::fchmod(fd, ModeFor(path)) == 0 && WriteAll(fd, content) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(name.data(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(name.data());
    return false;
  }
  SyncFolder(path);
  return true;
}

std::string_view SystemLineEnd() {
  return "\n";
}

}  // namespace zarvell
