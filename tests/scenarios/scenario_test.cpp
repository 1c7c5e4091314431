// Every tests/scenarios/NAME.play runs through `zarvell-cli play`; its output must equal
// NAME.expected. A first line "# args: WORD" passes WORD as the program's first argument.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "fileio/files.h"
#include "play.h"

namespace zarvell {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ScenarioNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(ZARVELL_SCENARIOS)) {
    if (entry.path().extension() == ".play") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class Scenario : public testing::TestWithParam<std::string> {};

TEST_P(Scenario, PrintsWhatTheStorySays) {
  const fs::path base = fs::path(ZARVELL_SCENARIOS) / GetParam();
  const auto script = ReadWholeFile(base.string() + ".play");
  const auto expected = ReadWholeFile(base.string() + ".expected");
  ASSERT_TRUE(script && expected) << base;
  std::vector<std::string> args;
  constexpr std::string_view kArgs = "# args: ";
  if (script->starts_with(kArgs)) {
    args.push_back(script->substr(kArgs.size(), script->find('\n') - kArgs.size()));
  }
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(PlayScript(GetParam(), *script, args, out, err), 0) << err.str();
  EXPECT_EQ(out.str(), *expected);
}

INSTANTIATE_TEST_SUITE_P(Play, Scenario, testing::ValuesIn(ScenarioNames()),
                         [](const auto& param) { return param.param; });

}  // namespace
}  // namespace zarvell
