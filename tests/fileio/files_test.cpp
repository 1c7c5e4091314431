#include "fileio/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "fileio/temp_dir.h"

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
  ASSERT_TRUE(WriteFileAtomically(path, "first version, longer\n"));
  EXPECT_EQ(ModeOf(path), 0644u);
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  ASSERT_TRUE(WriteFileAtomically(path, "second\n"));
  EXPECT_EQ(Slurp(path), "second\n");  // no tail of the longer first version
  EXPECT_EQ(ModeOf(path), 0600u);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"settings.ini"});
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

}  // namespace
}  // namespace zarvell
