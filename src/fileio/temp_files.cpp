// The temporary files of atomic writes and the folders of a run: the same names and the same
// clean-up on every system.
#include <algorithm>
#include <cctype>
#include <random>

#include "fileio/files.h"
#include "fileio/paths.h"

namespace zarvell {
namespace {

constexpr std::string_view kTempMark = ".zarvell-tmp-";
constexpr std::size_t kTempRandom = 6;  // the characters mkstemp puts in for XXXXXX

const std::filesystem::file_time_type kProgramStart = std::filesystem::file_time_type::clock::now();

bool IsTempFileName(std::string_view name) {
  if (name.size() <= kTempMark.size() + kTempRandom) return false;
  const std::string_view random = name.substr(name.size() - kTempRandom);
  const std::string_view mark = name.substr(name.size() - kTempRandom - kTempMark.size());
  return mark.starts_with(kTempMark) && std::all_of(random.begin(), random.end(), [](char c) {
           return std::isalnum(static_cast<unsigned char>(c)) != 0;
         });
}

}  // namespace

std::string TempFilePattern(const std::filesystem::path& path) {
  return Utf8Of(path) + std::string(kTempMark) + std::string(kTempRandom, 'X');
}

void FillTempPattern(std::string& pattern) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  const std::size_t start = pattern.size() - std::min(pattern.size(), kTempRandom);
  for (std::size_t i = start; i < pattern.size(); ++i) pattern[i] = kLetters[pick(random)];
}

std::optional<std::filesystem::path> MakeTemporaryFolder(std::string_view prefix) {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) return std::nullopt;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = std::string(prefix) + "-" + std::string(kTempRandom, 'X');
    FillTempPattern(name);
    const std::filesystem::path folder = base / PathFromUtf8(name);
    // create_directory is false for a folder that was there: someone else's, not ours.
    if (std::filesystem::create_directory(folder, error)) {
      std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::replace, error);
      return folder;
    }
    if (error) return std::nullopt;
  }
  return std::nullopt;
}

std::filesystem::file_time_type ProgramStart() {
  return kProgramStart;
}

void RemoveLeftoverTempFiles(const std::filesystem::path& folder,
                             std::filesystem::file_time_type before) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (!IsTempFileName(Utf8Of(it->path().filename()))) continue;
    // A link or a folder of that name is not ours: we only ever make plain files.
    std::error_code unreadable;
    if (it->is_symlink(unreadable) || !it->is_regular_file(unreadable)) continue;
    const auto changed = it->last_write_time(unreadable);
    if (!unreadable && changed < before) std::filesystem::remove(it->path(), unreadable);
  }
}

bool WriteTextFileAtomically(const std::filesystem::path& path, std::string_view text) {
  return WriteFileAtomically(path, WithSystemLineEnds(text));
}

std::string WithSystemLineEnds(std::string_view text) {
  const std::string_view end = SystemLineEnd();
  if (end == "\n") return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n') {
      out += end;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace zarvell
