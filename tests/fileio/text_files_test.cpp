// Text files as every system writes and reads them: the system's line ends on disk, either line
// end read back, and names in any language from UTF-8 to the disk and back.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "fileio/files.h"
#include "fileio/ini_file.h"
#include "fileio/paths.h"
#include "mapedit/startup_image.h"
#include "params/ign_file.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

using testutil::TempDir;

struct NoMessages : IgnMessageSink {
  void Show(IgnMessage) override {}
};

// Every line break of `text` is `end`; false for a bare CR or LF where CR LF belongs, or a CR
// where LF belongs.
bool AllLineEndsAre(std::string_view text, std::string_view end) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    if (text.substr(i, end.size()) != end) return false;
    i += end.size() - 1;
  }
  return true;
}

ParameterImage ReadIgn(std::string_view text) {
  ParameterImage image = StartupImage(3);  // another bike, so nothing passes by chance
  IgnReaderState state;
  NoMessages sink;
  EXPECT_EQ(ReadIgnFile(text, image, state, sink), 75);
  return image;
}

TEST(TextFiles, IgnFileWithALocalNameGetsTheSystemLineEndsAndReadsBackTheSameSet) {
  const TempDir dir;
  const ParameterImage set = StartupImage(20);
  const std::string lf = WriteIgnFile(set);
  for (const char* name : {"Zapalování-Žďár.ign", "Zündung-Größe.ign", "plain.ign"}) {
    SCOPED_TRACE(name);
    const std::filesystem::path path = dir.path() / PathFromUtf8(name);
    ASSERT_TRUE(WriteTextFileAtomically(path, lf));
    const std::optional<std::string> text = ReadWholeFile(path);
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(AllLineEndsAre(*text, SystemLineEnd()));
    EXPECT_EQ(std::count(text->begin(), text->end(), '\n'), std::count(lf.begin(), lf.end(), '\n'));
    EXPECT_EQ(ReadIgn(*text).block, set.block);
  }
  // The folder lists the names as they were given, and nothing else is left there.
  const std::vector<std::string> entries = dir.Entries();
  EXPECT_EQ(std::set<std::string>(entries.begin(), entries.end()),
            (std::set<std::string>{"Zapalování-Žďár.ign", "Zündung-Größe.ign", "plain.ign"}));
}

TEST(TextFiles, EitherLineEndReadsTheSameOnEverySystem) {
  const ParameterImage set = StartupImage(20);
  std::string lf = WriteIgnFile(set);
  std::string crlf;
  for (const char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(ReadIgn(crlf).block, set.block);
  EXPECT_EQ(ReadIgn(lf).block, set.block);

  const IniFile windows = IniFile::Parse("[FORM_HLAV]\r\nFile=C:\\sady\\Žďár.ign\r\nLeft=12\r\n");
  const IniFile unix = IniFile::Parse("[FORM_HLAV]\nFile=C:\\sady\\Žďár.ign\nLeft=12\n");
  for (const IniFile* ini : {&windows, &unix}) {
    EXPECT_EQ(ini->ReadString("FORM_HLAV", "File", ""), "C:\\sady\\Žďár.ign");
    EXPECT_EQ(ini->ReadInteger("FORM_HLAV", "Left", 0), 12);
  }
}

TEST(TextFiles, SystemLineEndsReplaceEachLfAndNothingElse) {
  const std::string end(SystemLineEnd());
  EXPECT_TRUE(end == "\n" || end == "\r\n");
  EXPECT_EQ(WithSystemLineEnds("a\nb\n\nc"), "a" + end + "b" + end + end + "c");
  EXPECT_EQ(WithSystemLineEnds("no break"), "no break");
}

TEST(TextFiles, Utf8NamesSurviveThePathBothWays) {
  for (const char* name : {"Zapalování-Žďár.ign", "Größe ß.ign", "日本.ign", "a b.ign"}) {
    EXPECT_EQ(Utf8Of(PathFromUtf8(name)), name);
    EXPECT_EQ(Utf8Of(PathFromUtf8(name).filename()), name);
  }
}

TEST(TextFiles, TemporaryFoldersAreNewAndDistinct) {
  const std::optional<std::filesystem::path> a = MakeTemporaryFolder("zarvell-test");
  const std::optional<std::filesystem::path> b = MakeTemporaryFolder("zarvell-test");
  ASSERT_TRUE(a && b);
  EXPECT_NE(*a, *b);
  EXPECT_TRUE(std::filesystem::is_empty(*a));
  std::filesystem::remove_all(*a);
  std::filesystem::remove_all(*b);
}

}  // namespace
}  // namespace zarvell
