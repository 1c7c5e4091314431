// Whole-file reading and atomic replacement of files. ReadWholeFile, WriteFileAtomically and
// SystemLineEnd are the system's own (src/platform/<system>/fileio); the rest is shared.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zarvell {

// The whole content of a regular file (or of a link to one), or nothing when it cannot be
// opened or read, or is something else: a pipe would block the reader, a device never end.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Whether a save may put a regular file at `path`: nothing is there yet, or a regular file, or
// a link to one. A device, a pipe, a socket or a folder, or a link to one, is not replaced.
bool IsSaveTarget(const std::filesystem::path& path);

// Replaces `path` with `content` so that readers see either the old file or the complete new
// one: the content goes to a temporary file beside the target, is flushed to the disk, and
// then renamed over the target. On any failure the temporary file is removed, the target is
// left as it was, and the result is false. On POSIX a new file gets the mode the umask allows,
// an existing file keeps its mode, and a symbolic link is followed rather than replaced; on
// Windows the new file takes the place of the old with MoveFileExW. A target that is no save
// target (IsSaveTarget) is refused and left alone.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

// The line end of text files on this system: LF, or CR LF on Windows. Readers take either.
std::string_view SystemLineEnd();
// `text` with each LF replaced by the system's line end.
std::string WithSystemLineEnds(std::string_view text);
// WriteFileAtomically of `text` (lines ending in LF) with the system's line ends.
bool WriteTextFileAtomically(const std::filesystem::path& path, std::string_view text);

// The mkstemp pattern of a temporary file beside `path`: "<name>.zarvell-tmp-XXXXXX", in UTF-8.
std::string TempFilePattern(const std::filesystem::path& path);
// Replaces the trailing XXXXXX of a pattern with random letters and digits, as mkstemp does.
void FillTempPattern(std::string& pattern);

// A new folder "<prefix>-XXXXXX" in the system's temporary folder that only this user may
// enter; nothing when none can be made.
std::optional<std::filesystem::path> MakeTemporaryFolder(std::string_view prefix);

// When this program started.
std::filesystem::file_time_type ProgramStart();

// Removes from `folder` what writes killed before their rename left there: regular files named
// by TempFilePattern and last changed before `before`, so that a write another Zarvell is
// making right now stays whole. Nothing else in the folder is touched.
void RemoveLeftoverTempFiles(const std::filesystem::path& folder,
                             std::filesystem::file_time_type before = ProgramStart());

}  // namespace zarvell
