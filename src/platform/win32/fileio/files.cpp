// Files on Windows: wide-character names, FlushFileBuffers and MoveFileExW.
#include "fileio/files.h"

#include <windows.h>

#include "fileio/paths.h"

namespace zarvell {
namespace {

// Closes a handle when it goes out of scope.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    if (!valid()) return true;
    const bool closed = ::CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, content.data(), chunk, &written, nullptr) || written == 0) return false;
    content.remove_prefix(written);
  }
  return true;
}

}  // namespace

bool IsSaveTarget(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return true;
  return !error && status.type() == std::filesystem::file_type::regular;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  Handle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  // A folder cannot be opened this way; a device or a pipe is not read (it may never end).
  if (!file.valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
  std::string content;
  char chunk[65536];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    content.append(chunk, got);
  }
  return content;
}

bool WriteFileAtomically(const std::filesystem::path& requested, std::string_view content) {
  const std::filesystem::path path = ResolveLink(requested);
  // A folder or a device of that name is not replaced by a file.
  if (!IsSaveTarget(path)) return false;
  std::filesystem::path temp;
  HANDLE created = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
    std::string name = TempFilePattern(path);
    FillTempPattern(name);
    temp = PathFromUtf8(name);
    created = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  Handle file(created);
  if (!file.valid()) return false;
  bool ok = WriteAll(file.get(), content) && ::FlushFileBuffers(file.get());
  ok = file.Close() && ok;
  // Write-through: the call returns once the new name is on the disk.
  if (ok) {
    ok = ::MoveFileExW(temp.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }
  if (!ok) ::DeleteFileW(temp.c_str());
  return ok;
}

std::string_view SystemLineEnd() {
  return "\r\n";
}

}  // namespace zarvell
