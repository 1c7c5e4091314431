// The grid commands on the image: interpolation weights, advance steps at the ends of the range
// and with the engine off the map, the column shift and the two throttle captures.
#include "mapedit/map_grid.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarvell {
namespace {

std::uint8_t& Cell(ParameterImage& image, int row, int column) {
  return image[100 + 10 * row + column];
}

// A finished selection of the rectangle rows top..bottom, columns left..right.
TSelcell Rectangle(int left, int right, int top, int bottom) {
  TSelcell s;
  s.state = 2;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) s.cellFlags[10 * r + c] = CELL_SELECTED;
  }
  s.rectLeft = left;
  s.rectRight = right;
  s.rectTop = top;
  s.rectBottom = bottom;
  return s;
}

TEST(Interpolation, WeightsFollowTheBreakpointsAcrossAndTheRowsDown) {
  ParameterImage image;
  for (int c = 0; c < 10; ++c) image[90 + c] = static_cast<std::uint8_t>(10 * (c + 1));
  // Columns 1..3 have the breakpoints 20, 30, 40; rows 0..2.
  Cell(image, 0, 1) = 10, Cell(image, 0, 3) = 30, Cell(image, 2, 1) = 20, Cell(image, 2, 3) = 40;
  ASSERT_TRUE(InterpolateSelection(Rectangle(1, 3, 0, 2), image));
  EXPECT_EQ(Cell(image, 1, 2), 25);  // the centre
  EXPECT_EQ(Cell(image, 0, 2), 20);  // top middle
  EXPECT_EQ(Cell(image, 1, 3), 35);  // right middle
  EXPECT_EQ(Cell(image, 1, 1), 15);
  EXPECT_EQ(Cell(image, 2, 2), 30);
}

TEST(Interpolation, OneRowWeightsByBreakpointsNotColumnIndex) {
  ParameterImage image;
  const std::uint8_t axis[10] = {10, 20, 30, 100, 110, 120, 130, 140, 150, 160};
  for (int c = 0; c < 10; ++c) image[90 + c] = axis[c];
  Cell(image, 9, 2) = 0, Cell(image, 9, 3) = 33, Cell(image, 9, 4) = 50;
  // Columns 2..4 at 30, 100, 110: the middle column sits 70/80 of the way, 43.75 -> 44.
  ASSERT_TRUE(InterpolateSelection(Rectangle(2, 4, 9, 9), image));
  EXPECT_EQ(Cell(image, 9, 3), 44);
  EXPECT_EQ(Cell(image, 9, 2), 0);
  EXPECT_EQ(Cell(image, 9, 4), 50);
}

TEST(Interpolation, WithoutARectangleNothingChanges) {
  ParameterImage image;
  image[105] = 7;
  TSelcell s = Rectangle(0, 1, 0, 1);
  s.rectLeft = s.rectRight = s.rectTop = s.rectBottom = -1;  // a 2 x 2 block is none
  const ParameterImage before = image;
  EXPECT_FALSE(InterpolateSelection(s, image));
  EXPECT_EQ(image, before);
}

TEST(Interpolation, AnAxisOutOfOrderCannotWrapACell) {
  ParameterImage image;
  // A loaded axis whose middle breakpoint lies below the first: u = -1 for it.
  image[90] = 50, image[91] = 30, image[92] = 70;
  Cell(image, 0, 0) = 60, Cell(image, 0, 2) = 20;
  ASSERT_TRUE(InterpolateSelection(Rectangle(0, 2, 0, 0), image));
  EXPECT_EQ(Cell(image, 0, 1), 60);  // 60 + 40 = 100, held to 60
  Cell(image, 0, 0) = 0, Cell(image, 0, 2) = 40;
  ASSERT_TRUE(InterpolateSelection(Rectangle(0, 2, 0, 0), image));
  EXPECT_EQ(Cell(image, 0, 1), 0);  // -40, which as a byte would read 216
}

TEST(AdvanceSteps, StayWithinTheRangeAndFollowTheSelectionOrTheEngine) {
  ParameterImage image;
  for (int i = 0; i < 100; ++i) image[100 + i] = 60;
  TSelcell none;
  link::LiveState live;
  int validations = 0;
  const auto validate = [&validations] { ++validations; };

  StepAdvance(none, true, live, +1, image, validate);  // all at 60: nothing to raise
  EXPECT_EQ(validations, 0);
  EXPECT_EQ(image[100], 60);
  StepAdvance(none, true, live, -1, image, validate);  // no selection: all 100 cells
  EXPECT_EQ(validations, 100);
  EXPECT_EQ(image[100], 59);
  EXPECT_EQ(image[199], 59);

  const TSelcell block = Rectangle(0, 2, 0, 2);
  StepAdvance(block, true, live, -1, image, validate);
  EXPECT_EQ(image[100], 58);
  EXPECT_EQ(image[122], 58);
  EXPECT_EQ(image[103], 59);

  // Without "Select/All" the cell the engine runs in, and none while it runs below the axis.
  live.tpsIndex = 9;
  live.rpmIndex = 4;
  StepAdvance(block, false, live, +1, image, validate);
  EXPECT_EQ(image[194], 60);
  live.belowRpmAxis = true;
  const ParameterImage before = image;
  StepAdvance(block, false, live, +1, image, validate);
  StepAdvance(block, false, live, -1, image, validate);
  EXPECT_EQ(image, before);

  image[150] = 0;
  StepAdvance(Rectangle(0, 9, 5, 5), true, live, -1, image, validate);
  EXPECT_EQ(image[150], 0);
  EXPECT_EQ(image[151], 58);
}

TEST(ColumnShift, MovesTheTenCellsOfOneColumnWithinTheRange) {
  ParameterImage image;
  image[103] = 60, image[113] = 59, image[193] = 0;
  ShiftColumn(3, +1, image);
  EXPECT_EQ((std::vector<int>{image[103], image[113], image[123], image[193], image[104]}),
            (std::vector<int>{60, 60, 1, 1, 0}));
  ShiftColumn(3, -1, image);
  ShiftColumn(3, -1, image);
  EXPECT_EQ((std::vector<int>{image[103], image[113], image[123], image[193]}),
            (std::vector<int>{58, 58, 0, 0}));
}

TEST(ThrottleCapture, TakesTheVoltageOnlyInsideItsWindow) {
  const struct {
    std::uint16_t mv;
    bool zero;   // the 0 % capture, else the 100 % one
    int stored;  // -1: nothing stored
  } cases[] = {{99, true, -1},     {100, true, 10},  {2500, true, 250},  {2501, true, -1},
               {2499, false, -1},  {2500, false, 0}, {3650, false, 115}, {3659, false, 115},
               {4900, false, 240}, {4950, false, -1}};
  for (const auto& c : cases) {
    ParameterImage image;
    image[20] = 77, image[21] = 77;
    const bool taken = c.zero ? CaptureTps0(c.mv, image) : CaptureTps100(c.mv, image);
    EXPECT_EQ(taken, c.stored >= 0) << c.mv;
    EXPECT_EQ(image[c.zero ? 20 : 21], c.stored >= 0 ? c.stored : 77) << c.mv;
  }
}

}  // namespace
}  // namespace zarvell
