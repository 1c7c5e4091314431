#include "fileio/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

#include "support/temp_dir.h"

namespace zarvell {
namespace {

using testutil::Slurp;
using testutil::TempDir;

mode_t ModeOf(const std::filesystem::path& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0);
  return info.st_mode & 07777;
}

TEST(Files, ReadWholeFileKeepsEveryByte) {
  const TempDir dir;
  const std::string content("a\r\nb\0c\xff", 7);
  EXPECT_EQ(ReadWholeFile(dir.Write("f", content)), content);
  EXPECT_EQ(ReadWholeFile(dir.Write("empty", "")), "");
  EXPECT_FALSE(ReadWholeFile(dir.path() / "missing").has_value());
}

TEST(Files, ReadWholeFileOfADirectoryGivesNothing) {
  const TempDir dir;
  EXPECT_FALSE(ReadWholeFile(dir.path()).has_value());
}

TEST(Files, AtomicWriteCreatesAndReplacesWithoutLeftovers) {
  const TempDir dir;
  const auto path = dir.path() / "settings.ini";
  const mode_t previousMask = ::umask(027);
  ASSERT_TRUE(WriteFileAtomically(path, "first version, longer\n"));
  ::umask(previousMask);
  EXPECT_EQ(ModeOf(path), 0640u);
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  ASSERT_TRUE(WriteFileAtomically(path, "second\n"));
  EXPECT_EQ(Slurp(path), "second\n");  // no tail of the longer first version
  EXPECT_EQ(ModeOf(path), 0600u);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"settings.ini"});
}

TEST(Files, AtomicWriteThroughALinkReplacesTheLinkedFile) {
  const TempDir dir;
  std::filesystem::create_directory(dir.path() / "dotfiles");
  dir.Write("dotfiles/settings.ini", "old");
  std::filesystem::create_symlink(dir.path() / "dotfiles" / "settings.ini", dir.path() / "link");
  ASSERT_TRUE(WriteFileAtomically(dir.path() / "link", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link"));
  EXPECT_EQ(Slurp(dir.path() / "dotfiles" / "settings.ini"), "new");
}

TEST(Files, FailedAtomicWriteReportsAndLeavesTheTargetAlone) {
  const TempDir dir;
  EXPECT_FALSE(WriteFileAtomically(dir.path() / "missing" / "f", "x"));

  // A directory in the way: the temporary file is written, the rename fails.
  std::filesystem::create_directory(dir.path() / "busy");
  dir.Write("busy/kept", "old");
  EXPECT_FALSE(WriteFileAtomically(dir.path() / "busy", "new"));
  EXPECT_EQ(Slurp(dir.path() / "busy" / "kept"), "old");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"busy"});
}

TEST(Files, LeftoverTempFilesOfOursAreRemovedAndNothingElse) {
  const TempDir dir;
  namespace fs = std::filesystem;
  const auto old = ProgramStart() - std::chrono::minutes(5);
  const auto make = [&](const std::string& name, fs::file_time_type changed) {
    const fs::path path = dir.Write(name, "x");
    fs::last_write_time(path, changed);
    return name;
  };
  // What a write killed before its rename leaves, named exactly as the writer names it.
  std::string killed = TempFilePattern(dir.path() / "Zarvell_v75.ini");
  const int fd = ::mkstemp(killed.data());
  ASSERT_GE(fd, 0);
  ::close(fd);
  fs::last_write_time(killed, old);
  make("_Zarvell_v75.ini.zarvell-tmp-Ab12Cd", old);

  const std::vector<std::string> kept = {
      make("_Zarvell_v75.ini.zarvell-tmp-Fresh1", fs::file_time_type::clock::now()),
      make("Zarvell_v75.ini", old),
      make("Zarvell_v75.ini.backup", old),  // a user's copy, six letters after a dot
      make("Zarvell_v75.ini.zarvell-tmp-Ab12C", old),
      make("Zarvell_v75.ini.zarvell-tmp-Ab12C!", old),
      make("Zarvell_v75.ini.zarvell-tmp-Ab12Cde", old),
      make(".zarvell-tmp-Ab12Cd", old),
  };
  fs::create_directory(dir.path() / "folder.zarvell-tmp-Ab12Cd");
  fs::create_symlink(dir.path() / "Zarvell_v75.ini", dir.path() / "link.zarvell-tmp-Ab12Cd");

  RemoveLeftoverTempFiles(dir.path());
  std::vector<std::string> expected = kept;
  expected.push_back("folder.zarvell-tmp-Ab12Cd");
  expected.push_back("link.zarvell-tmp-Ab12Cd");
  std::vector<std::string> left = dir.Entries();
  std::sort(expected.begin(), expected.end());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, expected);

  RemoveLeftoverTempFiles(dir.path() / "missing");  // a first start: no folder yet
}

}  // namespace
}  // namespace zarvell
