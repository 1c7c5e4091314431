#include "app/test_marker.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace zarvell {
namespace {

TEST(TestMarker, OnlyTheWholeCaseSensitiveWordCounts) {
  const std::string longWord(255, 'x');
  struct Case {
    std::string text;
    bool on;
  };
  const Case cases[] = {
      {"DIAG_SWITCH", true},
      {"first line\nsome words here\r\n\tnoise DIAG_SWITCH more\n", true},
      {"diag_switch Diag_Switch", false},
      {"DIAG_SWITCHES XDIAG_SWITCH DIAG_SWITC", false},
      {longWord + "DIAG_SWITCH", false},  // one word of 266 characters
      {"DIAG_SWITCH" + longWord, false},
      {longWord + longWord + " DIAG_SWITCH", true},
      {std::string("DIAG_SWITCH\0", 12), false},  // NUL belongs to the word
      {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HoldsDiagSwitch(c.text), c.on) << c.text.substr(0, 40);
  }
}

TEST(TestMarker, ReadFromTheMarkerFile) {
  const testutil::TempDir dir;
  EXPECT_FALSE(ReadTestMarker(dir.path() / "test_brenik.txt"));
  EXPECT_TRUE(ReadTestMarker(dir.Write("on.txt", "mode\nDIAG_SWITCH\n")));
  EXPECT_FALSE(ReadTestMarker(dir.Write("off.txt", "diag_switch\n")));
}

}  // namespace
}  // namespace zarvell
