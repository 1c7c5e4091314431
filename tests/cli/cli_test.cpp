#include "cli.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "fileio/files.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

class CliFiles : public ::testing::Test {
 protected:
  std::string File(const std::string& name, const std::string& content) {
    return dir_.Write(name, content).string();
  }

  testutil::TempDir dir_;
};

TEST(CliNew, WritesTheStartUpSetByteForByte) {
  const auto expected = ReadWholeFile(ZARVELL_TEST_DATA "/startup_bike20.ign");
  ASSERT_TRUE(expected.has_value());
  const CliRun plain = Cli({"new"});
  const CliRun bike20 = Cli({"new", "--bike", "20"});
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.out, *expected);
  EXPECT_EQ(bike20.out, *expected);
  EXPECT_EQ(plain.err, "");
}

TEST_F(CliFiles, NormalizingANewSetChangesNothingForAnyBike) {
  for (int code = 0; code < 38; ++code) {
    const CliRun made = Cli({"new", "--bike", std::to_string(code)});
    ASSERT_EQ(made.status, 0);
    EXPECT_THAT(made.out, HasSubstr("BIKE        " + std::string(code < 10 ? "    " : "   ") +
                                    std::to_string(code) + " "));
    const CliRun again = Cli({"normalize", File("set.ign", made.out)});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, made.out) << "bike " << code;
    EXPECT_EQ(again.err, "") << "nothing corrected, nothing outside the limits: bike " << code;
  }
}

TEST_F(CliFiles, ReportsFilesItCannotOpenOrDoesNotAccept) {
  const CliRun missing = Cli({"normalize", (dir_.path() / "missing.ign").string()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_THAT(missing.err, HasSubstr("Open file error!"));
  EXPECT_EQ(missing.out, "");

  const CliRun noKey = Cli({"image", File("words.ign", "BIKE 7 LIMITER 90")});
  EXPECT_EQ(noKey.status, 2);
  EXPECT_EQ(noKey.out, "");

  const CliRun newer = Cli({"normalize", File("v76.ign", "MORVALIS_KEY 76\nMORVALIS_KEY 77\n")});
  EXPECT_EQ(newer.status, 2);
  // One message per unmatched format line, then the reason for the exit status.
  std::size_t count = 0;
  for (std::size_t at = 0;
       (at = newer.err.find("Unmatched version of *.ign file!", at)) != std::string::npos; ++at) {
    ++count;
  }
  EXPECT_EQ(count, 2u);
}

TEST_F(CliFiles, ReadsAnOldFormatOverTheStartUpSet) {
  const CliRun old = Cli({"normalize", File("old.ign", "MORVALIS_KEY 48\nLIMITER 95\n")});
  EXPECT_EQ(old.status, 0);
  EXPECT_THAT(old.err, StartsWith("Older version of *.ign file!\n\n"));
  EXPECT_THAT(old.out, HasSubstr("\nLIMITER        95 \n"));
  EXPECT_THAT(old.out, HasSubstr("\nGEBER_MODE      1 \n"));
  EXPECT_THAT(old.out, HasSubstr("\nINPUT           0     0     2     3     0 \n"));
  EXPECT_THAT(old.out, HasSubstr("\nBIKE           20 \n"));  // kept from the start-up set
}

TEST_F(CliFiles, ImagePrintsTheDumpLayoutOfTheValidatedSet) {
  // 2490 mV at full throttle wraps to byte 255, which the validation lowers to 250.
  const CliRun run = Cli({"image", File("set.ign", "MORVALIS_KEY 75 TPS 700 2490")});
  ASSERT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::vector<std::string> all;
  for (std::string line; std::getline(lines, line);) all.push_back(line);
  ASSERT_EQ(all.size(), 23u);
  EXPECT_EQ(all[0], "   20     0     1     5     2     1     0    90     0    10 ");
  EXPECT_EQ(all[1], "    1     2   100   110     0     0     0    20     0     0 ");
  EXPECT_EQ(all[2], "   70   250     0    11    11    11    11    10    50     0 ");
  EXPECT_EQ(all[3], "    1     3     1     1     2     4     1     1     1     1 ");
  EXPECT_EQ(all[10], "");
  EXPECT_EQ(all[21], "");
  EXPECT_EQ(all[22], "    0     0     0     0     0     0     0 ");
  EXPECT_NE(run.out.back(), '\n');
}

TEST(CliUsage, WrongCommandLinesExplainThemselves) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"frobnicate"},
                                             {"new", "--bike"},
                                             {"new", "--bike", "abc"},
                                             {"new", "--bike", "256"},
                                             {"new", "--bike", "-1"},
                                             {"new", "--bike", "20x"},
                                             {"normalize"},
                                             {"image", "a.ign", "b.ign"}}) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, 64);
    EXPECT_THAT(run.err, HasSubstr("--help"));
    EXPECT_EQ(run.out, "");
  }
  const CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.out, HasSubstr("zarvell-cli normalize FILE"));
  const CliRun extra = Cli({"bikes", "extra"});
  EXPECT_EQ(extra.status, 64);
  EXPECT_THAT(extra.err, HasSubstr("'extra'"));
  EXPECT_THAT(extra.err, ::testing::Not(HasSubstr("unknown command")));
  const CliRun bikes = Cli({"bikes"});
  EXPECT_THAT(bikes.out, HasSubstr("22  Special setting\n"));
  EXPECT_THAT(bikes.out, HasSubstr("0   Kawasaki ZX \n"));
}

TEST_F(CliFiles, AResultThatStandardOutputLosesIsAFailure) {
  const std::string set = File("set.ign", Cli({"new"}).out);
  const std::string script = File("story.play", "print caption\n");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"new"},
                                             {"bikes"},
                                             {"--help"},
                                             {"normalize", set},
                                             {"image", set},
                                             {"diff", set, set},
                                             {"play", script}}) {
    std::ostringstream err;
    std::ostream lost(nullptr);  // takes nothing, as a full disk does
    EXPECT_EQ(RunCli(args, lost, err), 74) << args[0];
    EXPECT_THAT(err.str(), HasSubstr("could not be written to standard output")) << args[0];
  }
}

class CliPlay : public ::testing::Test {
 protected:
  CliRun Play(const std::string& script, std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"play", dir_.Write("story.play", script).string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return Cli(args);
  }
  testutil::TempDir dir_;
};

TEST_F(CliPlay, RunsTheScriptAndPassesTheLanguageArgument) {
  // Windows line ends and a text with inner and trailing blanks.
  const CliRun run = Play(
      "print MenuFile caption\r\nset EditOmez2 12  000 \r\nprint EditOmez2 text\r\n", {"DEUTSCH"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "&Datei\n12  000 \n");
}

TEST_F(CliPlay, ALineThatCannotBeCarriedOutStopsWithItsNumber) {
  CliRun run = Play("# a comment\n\nclick NoSuchButton\nprint caption\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_THAT(run.err, HasSubstr("story.play:3: no control is named 'NoSuchButton'"));
  for (const char* line :
       {"tick many", "select ComboBoxBike", "answer maybe", "mouse GrafAdv sideways 1 2",
        "print ComboBoxBike item:99", "print LabelRpm colour2", "key F12", "fly away"}) {
    run = Play(std::string(line) + "\n");
    EXPECT_EQ(run.status, 2) << line;
    EXPECT_THAT(run.err, HasSubstr("story.play:1: ")) << line;
  }
}

TEST_F(CliPlay, MissingScriptAndWrongCommandLine) {
  EXPECT_EQ(Cli({"play", (dir_.path() / "none.play").string()}).status, 1);
  EXPECT_EQ(Cli({"play"}).status, 64);
}

TEST_F(CliPlay, ExitClosesTheWindowAndEndsTheScript) {
  const CliRun run = Play("print page\nclick MenuExit\nprint page\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1\n");
}

}  // namespace
}  // namespace zarvell
