// zarvell-cli doctor against zarvell-unit-sim on a real pseudo-terminal. Built as a test of its
// own because it runs the installed-to-be binary (ZARVELL_UNIT_SIM).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

TEST(DoctorOnAUnit, SaysWhetherAndWhichUnitAnswers) {
  const struct {
    std::vector<std::string> faults;
    int status;
    std::string says;
  } cases[] = {
      {{}, 0, ": a unit answers: Zarvell simulated unit of 14. 3.2024 09:30 (PC-75, IGN-75)\n"},
      {{"--version", "74"},
       0,
       ": a unit answers: Zarvell simulated unit of 14. 3.2024 09:30 (PC-75, IGN-74); it runs "
       "another program version, so this Zarvell cannot read or program it\n"},
      {{"--refuse"},
       0,
       ": a unit answers: Zarvell simulated unit of 14. 3.2024 09:30 (PC-75, IGN-75); it forbids "
       "reading its set\n"},
      {{"--silent-after", "0", "--silent-for", "100000"},
       1,
       ": no unit answers within two seconds"},
  };
  for (const auto& c : cases) {
    testutil::TempDir dir;
    const std::string link = (dir.path() / "unit").string();
    std::vector<std::string> args = {"--link", link};
    args.insert(args.end(), c.faults.begin(), c.faults.end());
    testutil::SimProcess sim(ZARVELL_UNIT_SIM, args);
    sim.FirstLine();
    ASSERT_TRUE(std::filesystem::exists(link));

    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"doctor", "--port", link}, out, err), c.status) << out.str() << err.str();
    EXPECT_THAT(out.str(), HasSubstr("\nUnits:\n  " + link + c.says));
    // The unit's own end of the terminal is no obstacle, so it has no fix.
    const std::string pseudo = "\n  " + link + ": a pseudo-terminal, open in process ";
    const std::size_t at = out.str().find(pseudo);
    ASSERT_NE(at, std::string::npos) << out.str();
    EXPECT_THAT(out.str().substr(out.str().find('\n', at + 1)), Not(StartsWith("\n    fix:")));
    EXPECT_EQ(sim.Stop(), 0);
  }
}

}  // namespace
}  // namespace zarvell
