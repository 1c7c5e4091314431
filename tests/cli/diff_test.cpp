// zarvell-cli diff over real files: a set against itself, against a copy with one field and one
// map cell changed, and against an old file; the unit variant runs in link_end_to_end.sh.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "cli.h"
#include "fileio/files.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

struct DiffRun {
  int status;
  std::string out, err;
};

DiffRun Diff(std::vector<std::string> args) {
  std::ostringstream out, err;
  args.insert(args.begin(), "diff");
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

class DiffFiles : public ::testing::Test {
 protected:
  DiffFiles() {
    original = *ReadWholeFile(ZARVELL_TEST_DATA "/startup_bike20.ign");
    a = dir.Write("a.ign", original).string();
  }
  testutil::TempDir dir;
  std::string original, a;
};

TEST_F(DiffFiles, ASetEqualsItselfAndAChangeShowsInTheWindowsUnits) {
  const DiffRun same = Diff({a, a});
  EXPECT_EQ(same.status, 0);
  EXPECT_THAT(same.out, HasSubstr("The sets are equal."));

  // The limiter down to 10500 rpm and the map's cell at 60 % throttle and 4000 rpm (the first
  // of the rows that read so) from 25 to 28.
  std::string changed = Replace(original, "LIMITER       110", "LIMITER       105");
  changed = Replace(changed, "   10    12    15    25    28", "   10    12    15    28    28");
  const std::string b = dir.Write("b.ign", changed).string();
  const DiffRun text = Diff({a, b});
  EXPECT_EQ(text.status, 1) << text.err;
  EXPECT_THAT(text.out, HasSubstr("LIMITER                 11000 rpm -> 10500 rpm\n"));
  EXPECT_THAT(text.out, HasSubstr("rpm A      1500   2000   3000   4000   5000"));
  EXPECT_THAT(
      text.out,
      HasSubstr(
          "   60 %       .      .      .     +3      .      .      .      .      .      .\n"));
  EXPECT_THAT(text.out, Not(HasSubstr("BASE_ADV")));

  const DiffRun json = Diff({"--json", a, b});
  EXPECT_EQ(json.status, 1);
  EXPECT_THAT(json.out, HasSubstr(R"({"name": "LIMITER", "a": 11000, "b": 10500, "unit": "rpm"})"));
  EXPECT_THAT(json.out,
              HasSubstr("[0, 0, 0, 0, 0, 0, 0, 0, 0, 0],\n      [0, 0, 0, 3, 0, 0, 0, 0, 0, 0],"));
  EXPECT_THAT(json.out, HasSubstr("\"equal\": false"));
}

TEST_F(DiffFiles, AnOldFileIsReadAsTheProgramOpensItAndABadOneIsAnError) {
  // Format 48 has no inputs or pick-up mode line: they take that format's defaults.
  std::string old = Replace(original, "MORVALIS_KEY   75", "MORVALIS_KEY   48");
  old = Replace(old, "INPUT           0     0     2     0     0 \n", "");
  const DiffRun result = Diff({a, dir.Write("old.ign", old).string()});
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.err, HasSubstr("Older version of *.ign file!"));
  EXPECT_THAT(result.out, HasSubstr("Input1 "));
  EXPECT_THAT(result.out, HasSubstr("Input2 "));

  EXPECT_EQ(Diff({a, dir.Write("junk.ign", "no set here").string()}).status, 2);
  EXPECT_EQ(Diff({a, (dir.path() / "missing.ign").string()}).status, 2);
  EXPECT_EQ(Diff({a}).status, 2);
  EXPECT_EQ(Diff({"--port", "COM99", a}).status, 2);
}

}  // namespace
}  // namespace zarvell
