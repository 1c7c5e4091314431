// Help > Contents: the manual is looked for in the working folder, beside the program and in
// the installed documentation folder, first found first; a manual the desktop cannot open is
// named to the user.
#include "app/manuals.h"

#include <gtest/gtest.h>

#include <fstream>

#include "headless_window.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

using namespace design;

TEST(Manuals, TheFirstOfTheThreePlacesThatHoldsTheManualWins) {
  testutil::TempDir work, beside, installed;
  const std::vector<std::filesystem::path> folders{work.path(), beside.path(), installed.path()};
  constexpr char kName[] = "manual_Zarvell_de.pdf";
  struct Case {
    bool inWork, inBeside, inInstalled;
    const testutil::TempDir* expected;
  };
  const Case cases[] = {
      {true, true, true, &work},  {false, true, true, &beside},  {false, false, true, &installed},
      {true, false, true, &work}, {false, true, false, &beside}, {false, false, false, nullptr},
  };
  for (const Case& c : cases) {
    const bool present[] = {c.inWork, c.inBeside, c.inInstalled};
    for (std::size_t i = 0; i < 3; ++i) {
      std::filesystem::remove_all(folders[i] / kName);
      if (present[i]) std::filesystem::create_directory(folders[i] / kName);  // not a file
    }
    // A folder that happens to carry the manual's name is passed over.
    EXPECT_EQ(FindManual(kName, folders), std::nullopt);
    for (std::size_t i = 0; i < 3; ++i) {
      std::filesystem::remove_all(folders[i] / kName);
      if (present[i]) std::ofstream(folders[i] / kName) << "%PDF-1.4";
    }
    const auto found = FindManual(kName, folders);
    if (c.expected == nullptr) {
      EXPECT_EQ(found, std::nullopt);
    } else {
      EXPECT_EQ(found, c.expected->path() / kName);
    }
  }
  // A place the program could not tell is skipped; the other language's file is not taken.
  std::ofstream(installed.path() / kName) << "%PDF-1.4";
  const std::vector<std::filesystem::path> unknownFirst{{}, installed.path()};
  EXPECT_EQ(FindManual("manual_Zarvell_de.pdf", unknownFirst), installed.path() / kName);
  EXPECT_EQ(FindManual("manual_Zarvell_en.pdf", unknownFirst), std::nullopt);
}

TEST(Manuals, AManualTheDesktopCannotOpenIsNamedInTheLanguageOfTheWindow) {
  testutil::TempDir config, work;
  const std::filesystem::path manual = work.Write("manual_Zarvell_cz.pdf", "%PDF-1.4");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(work.path());
  HeadlessWindow w(config.path());
  w.Click(MenuCzech);
  w.Click(MenuContens);
  std::filesystem::current_path(before);
  ASSERT_EQ(w.host.openedDocuments(), std::vector<std::string>{manual.string()});
  ASSERT_EQ(w.host.messages().size(), 1u);
  EXPECT_EQ(w.host.messages()[0].text,
            "V tomto prostředí není nastaven žádný program pro soubory PDF. Návod najdete zde:\n" +
                manual.string());
  // Each language names the file the same way.
  const std::string german = NoPdfViewerText(1, "/m.pdf");
  EXPECT_TRUE(german.starts_with("Auf diesem Desktop")) << german;
  EXPECT_TRUE(german.ends_with("hier:\n/m.pdf")) << german;
  EXPECT_TRUE(NoPdfViewerText(2, "/m.pdf").ends_with("ici :\n/m.pdf"));
  EXPECT_EQ(NoPdfViewerText(9, "/m.pdf"), NoPdfViewerText(0, "/m.pdf"));
}

}  // namespace
}  // namespace zarvell
