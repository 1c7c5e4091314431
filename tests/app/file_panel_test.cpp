// The window's files beyond what tests/scenarios/files.play shows: the bytes a Save writes, a
// Save that cannot replace its file, and the folder and file that a restart remembers.
#include "app/file_panel.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "fileio/files.h"
#include "headless_window.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

using namespace design;

TEST(FilePanel, SaveWritesTheFileOfTheSetOnScreenByteForByte) {
  testutil::TempDir dir;
  HeadlessWindow w(dir.path());
  w.host.QueuePath((dir.path() / "start.ign").string());
  w.Click(MenuSave);
  // A text file in the system's line ends: LF, or CR LF on Windows.
  EXPECT_EQ(
      testutil::Slurp(dir.path() / "start.ign"),
      WithSystemLineEnds(testutil::Slurp(std::string(ZARVELL_TEST_DATA) + "/startup_bike20.ign")));
  EXPECT_TRUE(w.host.messages().empty());
}

TEST(FilePanel, ASaveThatCannotReplaceItsFileKeepsTheFileTheNameAndTheCaption) {
  testutil::TempDir dir;
  HeadlessWindow w(dir.path());
  const std::string kept = (dir.path() / "kept.ign").string();
  w.host.QueuePath(kept);
  w.Click(SpeedButtonSave);
  const std::string caption = w[FormHlav].caption;
  // A name that fills the file system's limit exists, but no temporary name beside it can be
  // made; this fails for root too.
  const std::string longName = std::string(251, 'x') + ".ign";
  const auto old = dir.Write(longName, "the previous file");
  w.Type(EditOmez2, "9000");
  w.host.QueuePath(old.string());
  w.Click(MenuSave);
  EXPECT_EQ(testutil::Slurp(old), "the previous file");
  ASSERT_EQ(w.host.messages().size(), 1u);
  EXPECT_EQ(w.host.messages()[0].text, "Open file error!");
  EXPECT_EQ(w[FormHlav].caption, caption);
  EXPECT_EQ(w.form.texts()[CurrentFileName], kept);
  // No temporary file is left beside them; the settings are written only at exit.
  EXPECT_EQ(dir.Entries().size(), 2u);
}

TEST(FilePanel, OpeningWhatIsNoParameterSetSaysSoAndChangesNothing) {
  testutil::TempDir dir;
  HeadlessWindow w(dir.path());
  const std::string kept = (dir.path() / "kept.ign").string();
  w.host.QueuePath(kept);
  w.Click(MenuSave);
  w.Type(EditOmez2, "9000");
  const ParameterImage image = w.form.image();
  const std::string caption = w[FormHlav].caption;
  const auto text = dir.Write("notes.txt", "LIMITER 95\nnothing here is a parameter set\n");
  const auto noise = dir.Write("noise.ign", std::string("\x8f\x00\xffMORVALIS\x01\x7f", 13));
  ASSERT_EQ(::mkfifo((dir.path() / "pipe.ign").c_str(), 0600), 0);
  for (const std::filesystem::path& file : {text, noise, dir.path() / "pipe.ign"}) {
    const std::size_t before = w.host.messages().size();
    w.host.QueuePath(file.string());
    w.Click(MenuOpen);
    ASSERT_EQ(w.host.messages().size(), before + 1) << file;
    EXPECT_EQ(w.host.messages().back().text, "Open file error!") << file;
    EXPECT_EQ(w.form.image(), image) << file;
    EXPECT_EQ(w[EditOmez2].text, "9000") << file;
    EXPECT_EQ(w[FormHlav].caption, caption) << file;
    EXPECT_EQ(w.form.texts()[CurrentFileName], kept) << file;
  }
}

TEST(FilePanel, ASaveOntoAPipeOrALinkToOneLeavesItAlone) {
  testutil::TempDir dir;
  HeadlessWindow w(dir.path());
  const auto pipe = dir.path() / "pipe.ign";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::filesystem::create_symlink(pipe, dir.path() / "link.ign");
  for (const char* name : {"pipe.ign", "link.ign"}) {
    const std::size_t before = w.host.messages().size();
    w.host.QueuePath((dir.path() / name).string());
    w.Click(MenuSave);
    ASSERT_EQ(w.host.messages().size(), before + 1) << name;
    EXPECT_EQ(w.host.messages().back().text, "Open file error!") << name;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status(pipe)));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "link.ign"));
  EXPECT_EQ(dir.Entries().size(), 2u);
}

TEST(FilePanel, ARestartStartsBothDialogsInTheFolderUsedLastAndNamesTheFile) {
  testutil::TempDir dir;
  const auto maps = dir.path() / "maps";
  std::filesystem::create_directory(maps);
  {
    HeadlessWindow w(dir.path());
    w.host.QueuePath((maps / "track").string());
    w.Click(MenuSave);
    w.form.FormClose();
  }
  HeadlessWindow w(dir.path());
  EXPECT_EQ(w[FormHlav].caption, "  Zarvell       " + (maps / "track.ign").string());
  w.Click(MenuOpen);
  w.Click(MenuSave);
  ASSERT_EQ(w.host.dialogs().size(), 2u);
  EXPECT_EQ(w.host.dialogs()[0].request.initialDir, maps.string());
  EXPECT_FALSE(w.host.dialogs()[0].save);
  EXPECT_EQ(w.host.dialogs()[1].request.initialDir, maps.string());
  EXPECT_TRUE(w.host.dialogs()[1].save);
}

}  // namespace
}  // namespace zarvell
