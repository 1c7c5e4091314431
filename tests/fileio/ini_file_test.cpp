#include "fileio/ini_file.h"

#include <gtest/gtest.h>

#include <climits>

namespace zarvell {
namespace {

TEST(IniFileRead, FindsKeysTheWayProfileFilesAreRead) {
  const IniFile ini = IniFile::Parse(
      "\xEF\xBB\xBF"
      "Orphan=before any section\r\n"
      "[Form_Hlav]\r\n"
      "  left  =  12  \r\n"
      "; Top=99\r\n"
      "Top=7\n"
      "TOP=8\n"
      "Noise without an equals sign\n"
      "File = C:\\my bikes\\r1.ign\n"
      "[Other]\n"
      "Left=3\n");
  EXPECT_EQ(ini.Find("FORM_HLAV", "Left"), "12");
  EXPECT_EQ(ini.Find("form_hlav", "LEFT"), "12");
  EXPECT_EQ(ini.Find("FORM_HLAV", "Top"), "7");  // the comment is skipped, the first one wins
  EXPECT_EQ(ini.Find("FORM_HLAV", "File"), "C:\\my bikes\\r1.ign");
  EXPECT_EQ(ini.Find("Other", "Left"), "3");
  EXPECT_FALSE(ini.Find("FORM_HLAV", "Orphan").has_value());
  EXPECT_FALSE(ini.Find("FORM_HLAV", "Noise without an equals sign").has_value());
  EXPECT_FALSE(ini.Find("Missing", "Left").has_value());
  EXPECT_EQ(ini.ReadString("FORM_HLAV", "IniDir", "fallback"), "fallback");
}

TEST(IniFileRead, BomOnlyCountsAtTheStart) {
  EXPECT_EQ(IniFile::Parse("\xEF\xBB\xBF[A]\nk=1\n").Find("A", "k"), "1");
  // Without stripping, the first section header would be unreadable.
  EXPECT_FALSE(IniFile::Parse("x\n\xEF\xBB\xBF[A]\nk=1\n").Find("A", "k").has_value());
  // A rewrite keeps the mark, so a second one behind it stays unreadable instead of exposing
  // the section (a case the fuzzer found).
  IniFile doubled = IniFile::Parse("\xEF\xBB\xBF\xEF\xBB\xBF[A]\nk=1\n");
  doubled.WriteString("B", "k", "2");
  EXPECT_EQ(doubled.Serialize(), "\xEF\xBB\xBF\xEF\xBB\xBF[A]\nk=1\n\n[B]\nk=2\n");
  EXPECT_FALSE(IniFile::Parse(doubled.Serialize()).Find("A", "k").has_value());
}

TEST(IniFileRead, IntegersAreWholeDecimalNumbersThatFitAnInt) {
  struct Case {
    const char* value;
    int expected;
  };
  const Case cases[] = {
      {"42", 42},
      {" -17 ", -17},
      {"+5", 5},
      {"007", 7},
      {"-0", 0},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", -1},
      {"-2147483649", -1},
      {"99999999999999999999", -1},
      {"12abc", -1},
      {"0x10", -1},
      {"1 2", -1},
      {"", -1},
      {"+", -1},
      {"-", -1},
      {"+-5", -1},
      {"--5", -1},
      {"1.5", -1},
  };
  for (const Case& c : cases) {
    const IniFile ini = IniFile::Parse(std::string("[S]\nk=") + c.value + "\n");
    EXPECT_EQ(ini.ReadInteger("S", "k", -1), c.expected) << "value \"" << c.value << "\"";
  }
  EXPECT_EQ(IniFile::Parse("").ReadInteger("S", "k", 703), 703);
}

TEST(IniFileWrite, RewritesOnlyTheFirstMatchingLineAndKeepsEverythingElse) {
  IniFile ini = IniFile::Parse(
      "; settings\r\n"
      "stray line\r\n"
      "[Other]\r\n"
      "  Left = 1 ; not a comment here\r\n"
      "\r\n"
      "[FORM_HLAV]\r\n"
      "LEFT = 5\r\n"
      "; keep me\r\n"
      "Left=6\r\n"
      "\r\n"
      "[Last]\r\n"
      "x=y");
  ini.WriteInteger("FORM_HLAV", "Left", -20);
  EXPECT_EQ(ini.Serialize(),
            "; settings\n"
            "stray line\n"
            "[Other]\n"
            "  Left = 1 ; not a comment here\n"
            "\n"
            "[FORM_HLAV]\n"
            "Left=-20\n"
            "; keep me\n"
            "Left=6\n"
            "\n"
            "[Last]\n"
            "x=y\n");
  EXPECT_EQ(IniFile::Parse(ini.Serialize()).ReadInteger("form_hlav", "LEFT", 0), -20);
}

TEST(IniFileWrite, AppendsMissingKeysToTheirSectionAndMissingSectionsToTheEnd) {
  IniFile ini = IniFile::Parse("[FORM_HLAV]\nLeft=1\n; last word\n\n\n[PORTS]\nCOM5=/dev/x\n");
  ini.WriteString("FORM_HLAV", "PageControl1->ActivePageIndex", "2");
  ini.WriteString("NEW", "Key", "v");
  ini.WriteString("NEW", "Second", "w");
  EXPECT_EQ(ini.Serialize(),
            "[FORM_HLAV]\n"
            "Left=1\n"
            "; last word\n"
            "PageControl1->ActivePageIndex=2\n"
            "\n"
            "\n"
            "[PORTS]\n"
            "COM5=/dev/x\n"
            "\n"
            "[NEW]\n"
            "Key=v\n"
            "Second=w\n");
}

TEST(IniFileWrite, StartsAnEmptyFileWithoutALeadingBlankLine) {
  IniFile ini = IniFile::Parse("");
  ini.WriteInteger("FORM_HLAV", "Left", 3);
  ini.WriteString("FORM_HLAV", "File", "");
  EXPECT_EQ(ini.Serialize(), "[FORM_HLAV]\nLeft=3\nFile=\n");

  // Text before any section stays where it is; the section comes after it.
  IniFile orphan = IniFile::Parse("Left=9");
  orphan.WriteInteger("FORM_HLAV", "Left", 3);
  EXPECT_EQ(orphan.Serialize(), "Left=9\n\n[FORM_HLAV]\nLeft=3\n");
}

TEST(IniFileWrite, AValueWithALineBreakCannotPlantOtherKeys) {
  IniFile ini = IniFile::Parse("[FORM_HLAV]\nLeft=1\n");
  ini.WriteString("FORM_HLAV", "File", "x.ign\n[FORM_HLAV]\nLeft=-5000");
  const IniFile reread = IniFile::Parse(ini.Serialize());
  EXPECT_EQ(reread.ReadInteger("FORM_HLAV", "Left", 0), 1);
  EXPECT_EQ(reread.Find("FORM_HLAV", "File"), "");
  EXPECT_EQ(ini.Serialize(), "[FORM_HLAV]\nLeft=1\nFile=\n");
}

}  // namespace
}  // namespace zarvell
