#include "params/code_tables.h"

#include <gtest/gtest.h>

#include <set>

namespace zarvell {
namespace {

TEST(BikeTable, EveryCodeHasExactlyOneListPositionAndBack) {
  std::set<int> codes;
  for (int position = 0; position < kBikeCount; ++position) {
    const std::uint8_t code = BikeCodeAtPosition(position);
    codes.insert(code);
    EXPECT_EQ(BikePositionOfCode(code), position);
  }
  EXPECT_EQ(codes.size(), 38u);
  EXPECT_EQ(*codes.rbegin(), 37);
  EXPECT_EQ(BikePositionOfCode(SpecialBike), 37);  // "Special setting" is the last entry
  EXPECT_EQ(BikePositionOfCode(20), 33);           // the start-up bike
  EXPECT_FALSE(BikePositionOfCode(38).has_value());
  EXPECT_FALSE(BikePositionOfCode(255).has_value());
}

TEST(GeberMode, ListPositionAndStoredValueMapBothWays) {
  // Stored 1..4 are positions 0..3; the camshaft entry (stored 0) is the last position.
  const int expectedPosition[5] = {4, 0, 1, 2, 3};
  for (int value = 0; value < 5; ++value) {
    EXPECT_EQ(GeberPositionOfMode(static_cast<std::uint8_t>(value)), expectedPosition[value]);
    EXPECT_EQ(GeberModeOfPosition(expectedPosition[value]), value);
  }
  // Out-of-range values from a file or the unit still land on a list position.
  EXPECT_EQ(GeberPositionOfMode(5), 4);
  EXPECT_EQ(GeberPositionOfMode(255), (255 + 4) % 5);
}

TEST(Synchro, OnlyThreeMethodsKeepSecondPickupFlags) {
  std::set<int> keep;
  for (int value = 0; value < 256; ++value) {
    if (synchro::UsesSecondPickup(static_cast<std::uint8_t>(value))) keep.insert(value);
  }
  EXPECT_EQ(keep, (std::set<int>{0, 4, 9}));
}

}  // namespace
}  // namespace zarvell
