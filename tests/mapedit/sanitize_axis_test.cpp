#include <gtest/gtest.h>

#include "mapedit/sanitize_harness.h"

namespace zarvell::sanitize_testing {
namespace {

using Flags = std::array<int, 10>;

TEST(RpmAxis, MovedBreakpointPushesItsNeighbourThatSpringsBackLater) {
  AxisEditor editor;
  editor.Commit(2, 45);
  EXPECT_EQ(editor.Axis(), (AxisValues{10, 20, 45, 46, 50, 60, 70, 80, 90, 100}));
  EXPECT_EQ(editor.anchor.axisAnchor, 2);
  EXPECT_EQ(editor.memory.pushed, (Flags{0, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(editor.memory.remembered[3], 40);

  editor.Commit(2, 55);  // a second push keeps the value from before the first one
  EXPECT_EQ(editor.Axis(), (AxisValues{10, 20, 55, 56, 57, 60, 70, 80, 90, 100}));
  EXPECT_EQ(editor.memory.remembered[3], 40);

  editor.Commit(2, 30);
  EXPECT_EQ(editor.Axis(), kTensAxis);
  EXPECT_EQ(editor.memory.pushed, Flags{});
}

TEST(RpmAxis, SweepAcrossTheWholeAxisAndBackRestoresIt) {
  // Upwards from breakpoint 0, and downwards from breakpoint 9 through its lower bound 12:
  // the downward chain can only settle one breakpoint per sweep.
  struct Case {
    int breakpoint, far, back;
    AxisValues swept;
  };
  const Case cases[] = {
      {0, 95, 10, {95, 96, 97, 98, 99, 100, 101, 102, 103, 104}},
      {9, 2, 100, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.breakpoint);
    AxisEditor editor;
    editor.Commit(c.breakpoint, c.far);
    EXPECT_EQ(editor.Axis(), c.swept);
    for (int i = 0; i < 10; ++i) {
      if (i == c.breakpoint) continue;
      EXPECT_TRUE(editor.memory.pushed[i]);
      EXPECT_EQ(editor.memory.remembered[i], kTensAxis[i]);
    }
    editor.Commit(c.breakpoint, c.back);
    EXPECT_EQ(editor.Axis(), kTensAxis);
    EXPECT_EQ(editor.memory.pushed, Flags{});
  }
}

TEST(RpmAxis, NamingAnotherBreakpointMakesThePushesPermanent) {
  AxisEditor edited;
  edited.Commit(2, 45);
  edited.Commit(6, 65);
  EXPECT_EQ(edited.anchor.axisAnchor, 6);
  EXPECT_EQ(edited.memory.pushed, Flags{});
  edited.Commit(2, 30);
  EXPECT_EQ(edited.Axis(), (AxisValues{10, 20, 30, 46, 50, 60, 65, 80, 90, 100}));

  // A drag names its column even when the value has not changed.
  AxisEditor dragged;
  dragged.Commit(2, 45);
  dragged.Drag(6, 70);
  EXPECT_EQ(dragged.anchor.axisAnchor, 6);
  dragged.Commit(2, 30);
  EXPECT_EQ(dragged.image[field::RPM_ADV + 3], 46);
}

TEST(RpmAxis, AnchorIsKeptWithinItsBounds) {
  struct Case {
    int breakpoint, value;
    AxisValues expected;
  };
  const Case cases[] = {
      {0, 1, {3, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
      {0, 2, {3, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
      {4, 0, {3, 4, 5, 6, 7, 60, 70, 80, 90, 100}},
      {9, 201, {10, 20, 30, 40, 50, 60, 70, 80, 90, 199}},
      {9, 199, {10, 20, 30, 40, 50, 60, 70, 80, 90, 199}},
      {0, 201, {190, 191, 192, 193, 194, 195, 196, 197, 198, 199}},
      {3, 255, {10, 20, 30, 193, 194, 195, 196, 197, 198, 199}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.breakpoint << " set to " << c.value);
    AxisEditor editor;
    editor.Commit(c.breakpoint, c.value);
    EXPECT_EQ(editor.Axis(), c.expected);
  }
}

TEST(RpmAxis, UpperBoundIsAppliedBeforeTheDownwardPush) {
  // A set from a file with breakpoint 8 at 20000 rpm; breakpoint 9 is then set to 20100 rpm and
  // bounded to 19900: breakpoint 8 is in its way and must be pushed below it.
  AxisEditor editor({10, 20, 30, 40, 50, 60, 70, 80, 200, 150});
  editor.Commit(9, 201);
  EXPECT_EQ(editor.Axis(), (AxisValues{10, 20, 30, 40, 50, 60, 70, 80, 198, 199}));
  EXPECT_EQ(editor.memory.remembered[8], 200);
}

TEST(RpmAxis, PartialSpringBackKeepsTheChainOneUnitApart) {
  AxisEditor editor;
  editor.Commit(2, 59);
  EXPECT_EQ(editor.Axis(), (AxisValues{10, 20, 59, 60, 61, 62, 70, 80, 90, 100}));
  editor.Commit(2, 50);
  EXPECT_EQ(editor.Axis(), (AxisValues{10, 20, 50, 51, 52, 60, 70, 80, 90, 100}));
  EXPECT_EQ(editor.memory.pushed, (Flags{0, 0, 0, 1, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(editor.memory.remembered[3], 40);
}

TEST(RpmAxis, CommitWithoutAxisChangeKeepsAnchorAndMemory) {
  AxisEditor editor;
  editor.Commit(2, 45);
  editor.memory.pinRequest = -2;
  editor.image[field::LIMITER] = 120;
  editor.Pass();
  EXPECT_EQ(editor.memory.pinRequest, -1);
  EXPECT_EQ(editor.anchor.axisAnchor, 2);
  EXPECT_EQ(editor.image[field::RPM_ADV + 3], 46);

  editor.Commit(2, 30);  // the memory survived
  EXPECT_EQ(editor.Axis(), kTensAxis);
}

TEST(RpmAxis, SeveralChangedBreakpointsLeaveTheRequestOpen) {
  AxisEditor editor;
  editor.memory.pinRequest = -2;
  editor.Load({15, 20, 30, 40, 50, 60, 70, 80, 90, 110});
  EXPECT_EQ(editor.memory.pinRequest, -2);
  EXPECT_EQ(editor.anchor.axisAnchor, 0);
  // The next pass compares with the set just stored and finds the one breakpoint moved.
  editor.image[field::RPM_ADV + 5] = 85;
  editor.Pass();
  EXPECT_EQ(editor.memory.pinRequest, 5);
  EXPECT_EQ(editor.anchor.axisAnchor, 5);
  EXPECT_EQ(editor.Axis(), (AxisValues{15, 20, 30, 40, 50, 85, 86, 87, 90, 110}));
}

TEST(RpmAxis, FirstPassOrdersOnlyWhatBreakpointZeroPushes) {
  struct Case {
    AxisValues startUp, expected;
  };
  const Case cases[] = {
      {{50, 40, 45, 60, 70, 80, 90, 100, 110, 120}, {50, 51, 52, 60, 70, 80, 90, 100, 110, 120}},
      {{10, 20, 15, 30, 40, 50, 60, 70, 80, 90}, {10, 20, 15, 30, 40, 50, 60, 70, 80, 90}},
      {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
  };
  for (const Case& c : cases) {
    AxisEditor editor(c.startUp);
    EXPECT_EQ(editor.Axis(), c.expected);
    EXPECT_EQ(editor.anchor.axisAnchor, 0);
  }
}

TEST(RpmAxis, NeighbourAtTheEndOfTheByteRangeDoesNotHoldASpringBack) {
  // Breakpoint 4 is still pushed (remembered 50) when a set arrives that puts a neighbour of it
  // at 0 above or 255 below: no byte value lies beyond that neighbour, so the other one alone
  // holds it. Taken literally, "upper - 1" and "lower + 1" would wrap to 255 and 0.
  AxisEditor underZero;
  underZero.Commit(0, 96);
  underZero.Load({73, 182, 198, 194, 38, 0, 90, 200, 44, 45});
  EXPECT_EQ(underZero.Axis(), (AxisValues{73, 74, 75, 76, 77, 60, 70, 80, 90, 100}));

  struct Case {
    int value, upper, expected;
    bool stillPushed;
  };
  const Case overTopValue[] = {
      {90, 0, 50, false},  // nothing holds it
      {20, 0, 50, false},
      {90, 30, 29, true},  // held under its upper neighbour
      {50, 30, 50, false},
  };
  for (const Case& c : overTopValue) {
    SCOPED_TRACE(::testing::Message() << c.value << " under " << c.upper);
    AxisEditor editor;
    editor.Commit(1, 50);
    editor.Load({60, 30, 100, 80, 30, 40, 15, 30, 90, 70});
    ASSERT_TRUE(editor.memory.pushed[4]);
    ASSERT_FALSE(editor.memory.pushed[3]);
    editor.Load({255, 30, 20, 255, c.value, c.upper, 30, 50, 20, 50});
    EXPECT_EQ(editor.Axis(), (AxisValues{29, 30, 31, 255, c.expected, c.upper, 30, 50, 20, 50}));
    EXPECT_EQ(editor.memory.pushed[4] != 0, c.stillPushed);
  }
}

}  // namespace
}  // namespace zarvell::sanitize_testing
