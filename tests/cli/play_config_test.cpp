// `zarvell-cli play --config DIR`: the settings folder outlives the run, so a second script
// starts from what the first one left at exit.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "play.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

std::string Play(const std::string& script, const std::filesystem::path& config) {
  std::ostringstream out;
  std::ostringstream err;
  const std::vector<std::string> noArguments;
  EXPECT_EQ(PlayScript("test", script, noArguments, out, err, config), 0) << err.str();
  return out.str();
}

TEST(PlayConfig, ASecondRunStartsFromWhatTheFirstSaved) {
  testutil::TempDir config;
  std::filesystem::create_directory(config.path() / "sets");
  // The first run saves into a folder of its own, switches to Czech and closes the window.
  EXPECT_EQ(Play("dialog $CONFIG/sets/track\n"
                 "key F2\n"
                 "click MenuCzech\n"
                 "page 3\n"
                 "click MenuExit\n"
                 "print page\n",  // never reached: the window has closed
                 config.path()),
            "");
  EXPECT_TRUE(std::filesystem::exists(config.path() / "Zarvell_v75.ini"));
  EXPECT_EQ(Play("print caption\n"
                 "print page\n"
                 "key F3\n"
                 "print dialogs\n",
                 config.path()),
            "  Zarvell       $CONFIG/sets/track.ign\n"
            "3\n"
            "open $CONFIG/sets |  | "
            "Ignition Parametrs(*.ign)|*.ign|All Files (*.*)|*.* | ign\n");
  // Without --config every run has a fresh folder.
  EXPECT_EQ(Play("print caption\n", {}), "  Zarvell       \n");
}

}  // namespace
}  // namespace zarvell
