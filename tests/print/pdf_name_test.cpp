// The PDF a print job becomes without a printer: named after the set's file and the time, and
// never over an earlier print.
#include "print/pdf_name.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace zarvell::print {
namespace {

TEST(PdfName, TheSetsFileNameAndTheTimeAndNeverAnEarlierPrint) {
  testutil::TempDir dir;
  std::tm now{};
  now.tm_year = 126;
  now.tm_mon = 4;
  now.tm_mday = 14;
  now.tm_hour = 9;
  now.tm_min = 5;
  now.tm_sec = 7;
  const struct {
    const char* setFile;
    const char* name;
  } cases[] = {
      {"/home/rider/sets/track day.ign", "track day-2026-05-14-090507.pdf"},
      {"C:\\ign\\road.ign", "C:\\ign\\road-2026-05-14-090507.pdf"},  // not a folder here
      {"relative/rain.v2.ign", "rain.v2-2026-05-14-090507.pdf"},
      {"", "Zarvell-2026-05-14-090507.pdf"},
      {"/sets/.ign", "Zarvell-2026-05-14-090507.pdf"},
      {"/sets/..", "Zarvell-2026-05-14-090507.pdf"},
      {"/sets/.hidden.ign", "hidden-2026-05-14-090507.pdf"},
      {"/sets/noextension", "noextension-2026-05-14-090507.pdf"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FreePdfPath(dir.path(), c.setFile, now), dir.path() / c.name) << c.setFile;
  }
  // Two prints in the same second: the second and third get numbers.
  const std::filesystem::path first = FreePdfPath(dir.path(), "/a/track.ign", now);
  dir.Write(first.filename().string(), "%PDF");
  const std::filesystem::path second = FreePdfPath(dir.path(), "/a/track.ign", now);
  EXPECT_EQ(second.filename(), "track-2026-05-14-090507-2.pdf");
  dir.Write(second.filename().string(), "%PDF");
  // A link to nothing under the next name is taken too: the PDF would be written through it.
  std::filesystem::create_symlink(dir.path() / "elsewhere.pdf",
                                  dir.path() / "track-2026-05-14-090507-3.pdf");
  EXPECT_EQ(FreePdfPath(dir.path(), "/a/track.ign", now).filename(),
            "track-2026-05-14-090507-4.pdf");
}

}  // namespace
}  // namespace zarvell::print
