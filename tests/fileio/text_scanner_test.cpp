#include "fileio/text_scanner.h"

#include <gtest/gtest.h>

#include <string>

namespace zarvell {
namespace {

using namespace std::string_view_literals;

TEST(TextScanner, TokensAreRunsOfNonBlankBytes) {
  const std::string_view text = "  one\ttwo\r\nthr\0ee\v\ffour  \0"sv;
  TextScanner scanner(text);
  EXPECT_EQ(scanner.NextToken(), "one");
  EXPECT_EQ(scanner.NextToken(), "two");
  EXPECT_EQ(scanner.NextToken(), "thr\0ee"sv);
  EXPECT_EQ(scanner.NextToken(), "four");
  EXPECT_EQ(scanner.NextToken(), "\0"sv);  // NUL is not a blank
  EXPECT_FALSE(scanner.NextToken().has_value());
  EXPECT_FALSE(scanner.NextToken().has_value());
}

TEST(TextScanner, NumbersWithSignWrapModulo2To32) {
  TextScanner scanner("0 +7 -20 4294967295 4294967296 12345678901234567890 007");
  EXPECT_EQ(scanner.NextNumber(), 0u);
  EXPECT_EQ(scanner.NextNumber(), 7u);
  EXPECT_EQ(scanner.NextNumber(), 4294967276u);
  EXPECT_EQ(scanner.NextNumber(), 4294967295u);
  EXPECT_EQ(scanner.NextNumber(), 0u);
  EXPECT_EQ(scanner.NextNumber(), 3944680146u);  // 12345678901234567890 mod 2^32
  EXPECT_EQ(scanner.NextNumber(), 7u);
  EXPECT_FALSE(scanner.NextNumber().has_value());
}

TEST(TextScanner, NumberStopsAtTheFirstNonDigitAndFailsWithoutConsuming) {
  TextScanner scanner("12abc -x + 5 -");
  EXPECT_EQ(scanner.NextNumber(), 12u);
  EXPECT_FALSE(scanner.NextNumber().has_value());
  EXPECT_EQ(scanner.NextToken(), "abc");  // the rest of the partial token
  EXPECT_FALSE(scanner.NextNumber().has_value());
  EXPECT_EQ(scanner.NextToken(), "-x");  // a sign alone is not a number and stays
  EXPECT_FALSE(scanner.NextNumber().has_value());
  EXPECT_EQ(scanner.NextToken(), "+");
  EXPECT_EQ(scanner.NextNumber(), 5u);
  EXPECT_FALSE(scanner.NextNumber().has_value());
  EXPECT_EQ(scanner.NextToken(), "-");
  EXPECT_FALSE(scanner.NextNumber().has_value());
}

TEST(TextScanner, NulInsideANumberEndsIt) {
  TextScanner scanner("12\0x"sv);
  EXPECT_EQ(scanner.NextNumber(), 12u);
  EXPECT_EQ(scanner.NextToken(), "\0x"sv);
}

}  // namespace
}  // namespace zarvell
