// The graph's scales as the map decides them, and what a drawing puts where and in which
// colour, read from the recording canvas.
#include "mapedit/graph2d_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "graph2d_test_support.h"
#include "mapedit/graph2d_draw.h"
#include "ui/recording_canvas.h"

namespace zarvell {
namespace {

using namespace testgraph;

TEST(GraphLayout, TheRpmAxisEndsOnTheNext2500AtLeast900BeyondTheMap) {
  struct Case {
    int lastBreakpoint, limiter, rpmRange;
  };
  // m is the larger of the two, in hundreds.
  for (const Case k : {Case{17, 10, 5000},
                       {42, 20, 7500},
                       {66, 10, 7500},
                       {67, 10, 10000},
                       {60, 67, 10000},
                       {100, 120, 15000},
                       {255, 255, 27500}}) {
    ParameterImage image = FlatMap(20);
    image[99] = static_cast<std::uint8_t>(k.lastBreakpoint);
    image[field::LIMITER] = static_cast<std::uint8_t>(k.limiter);
    TGraphAdv g;
    LayoutMapGraph(g, image, kSurface, kGraphSize);
    EXPECT_EQ(g.rpmRange, k.rpmRange) << k.lastBreakpoint << ' ' << k.limiter;
    EXPECT_FLOAT_EQ(g.xScale, 561.0f / static_cast<float>(k.rpmRange));
  }
}

TEST(GraphLayout, TheCurvesAreStackedFarEnoughApartNeverToCross) {
  ParameterImage image = FlatMap(20);
  TGraphAdv g;
  LayoutMapGraph(g, image, kSurface, kGraphSize);
  EXPECT_EQ(g.curveStep, 10);
  EXPECT_EQ(g.degreeRange, 115);  // 20 + 9 x 10, with 5 to spare, on the next 5
  EXPECT_EQ(g.surface, kSurface);
  EXPECT_EQ(g.plotX0, 35);
  EXPECT_EQ(g.plotY0, 402);
  EXPECT_EQ(g.plotWidth, 561);
  EXPECT_EQ(g.plotHeight, 397);
  EXPECT_FLOAT_EQ(g.yScale, 397.0f / 115.0f);

  Cell(image, 1, 4) = 28;  // row 1 rises 8 above row 0
  LayoutMapGraph(g, image, kSurface, kGraphSize);
  EXPECT_EQ(g.curveStep, 20);
  EXPECT_EQ(g.degreeRange, 205);  // row 0 at 20 raised by 180
  Cell(image, 0, 2) = 10;         // a fall from row 0 to 1 does not count, a rise of 10 does
  Cell(image, 1, 2) = 20;
  LayoutMapGraph(g, image, kSurface, kGraphSize);
  EXPECT_EQ(g.curveStep, 20);

  // The curve form reads only row 9 and the base advance, and keeps the step.
  Cell(image, 9, 3) = 34;
  LayoutCurveGraph(g, image, kSurface, {621, 317});
  EXPECT_EQ(g.degreeRange, 40);
  EXPECT_EQ(g.curveStep, 20);
  EXPECT_EQ(g.plotHeight, 297);
}

std::vector<std::string> Texts(const std::vector<std::string>& calls) {
  std::vector<std::string> texts;
  for (const std::string& call : calls) {
    if (call.starts_with("text ")) texts.push_back(call.substr(call.rfind(' ') + 1));
  }
  return texts;
}

std::size_t Find(const std::vector<std::string>& calls, const std::string& call,
                 std::size_t from = 0) {
  return static_cast<std::size_t>(
      std::find(calls.begin() + static_cast<std::ptrdiff_t>(from), calls.end(), call) -
      calls.begin());
}

TEST(GraphDrawing, LabelsCurvesInOrderAndTheActiveRowInRed) {
  ParameterImage image = FlatMap(20);
  TGraphAdv g;
  g.activeRow = 3;
  TSelcell selection;
  link::LiveState live;
  live.tpsIndex = 5;
  ui::RecordingCanvas canvas(kGraphSize);
  DrawMapGraph(g, {image, selection, live, kSurface}, true, canvas);
  const std::vector<std::string> calls = canvas.LastPaint();
  const std::vector<std::string> texts = Texts(calls);
  // 15000 rpm: the even thousands only; degrees of the active row (raised by 60) up to 55,
  // even steps only as the range is 40 or more; then the row labels from row 0 to row 9.
  const std::vector<std::string> expected = {
      "0k", "2k", "4k", "6k", "8k", "10k", "12k", "14k", "0",   "10",  "20",  "30",
      "40", "50", "0%", "2%", "5%", "10%", "20%", "30%", "40%", "60%", "80%", "100%"};
  EXPECT_EQ(texts, expected);
  // Row 9's base point is at 20 degrees: y = 402 - 20 x 397 / 115 = 332.96, truncated.
  EXPECT_NE(Find(calls, "roundrect 32 329 38 335 3 3"), calls.size());
  // The active row's markers are red on yellow, starting with its base point: row 3 is
  // raised by 60, so 80 degrees, y = 402 - 276.17.
  const std::size_t yellow = Find(calls, "brush #ffff00");
  ASSERT_NE(yellow, calls.size());
  EXPECT_EQ(calls[yellow - 1], "pen #ff0000 1 solid");
  EXPECT_EQ(calls[yellow + 1], "roundrect 32 122 38 128 3 3");
  // Rows 4..9 follow in grey, after the active one.
  EXPECT_NE(Find(calls, "pen #808080 1 solid", yellow), calls.size());
  // The engine's row has its label on lime.
  const std::size_t lime = Find(calls, "brush #00ff00");
  ASSERT_NE(lime, calls.size());
  EXPECT_EQ(calls[lime + 1].substr(calls[lime + 1].rfind(' ') + 1), "30%");
  EXPECT_EQ(calls.back(), "flush");
}

TEST(GraphDrawing, MarksTheHoveredGrabbedAndLivePoints) {
  ParameterImage image = FlatMap(20);
  TGraphAdv g;
  TSelcell selection;
  link::LiveState live;
  ui::RecordingCanvas canvas(kGraphSize);
  auto markers = [&](const char* pen) {
    DrawMapGraph(g, {image, selection, live, kSurface}, true, canvas);
    const std::vector<std::string> calls = canvas.LastPaint();
    int count = 0;
    for (std::size_t i = 1; i < calls.size(); ++i) {
      if (calls[i].starts_with("rectangle") && calls[i - 2] == pen) ++count;
    }
    return count;
  };
  g.hoveredPoint = 4;
  EXPECT_EQ(markers("pen #ff0000 1 solid"), 1);  // on the active row only
  g.ctrlHeld = 1;
  EXPECT_EQ(markers("pen #ff0000 1 solid"), 10);  // on every row
  g.ctrlHeld = 0;
  g.shiftHeld = 1;
  EXPECT_EQ(markers("pen #ff0000 1 solid"), 10);  // the whole active curve
  g.shiftHeld = 0;
  g.hoveredPoint = BASE_POINT;
  EXPECT_EQ(markers("pen #ff0000 1 solid"), 10);  // the base point is every row's
  g.hoveredPoint = NO_POINT;
  g.grabbedPoint = 2;
  EXPECT_EQ(markers("pen #0000ff 1 solid"), 1);  // blue while dragged
  EXPECT_EQ(GraphHint(g, image), "  rpm=3000; advance=20\u00B0 (move)");
  g.grabbedPoint = NO_POINT;
  g.hoveredPoint = LIMITER_LINE;
  EXPECT_EQ(GraphHint(g, image), "  Limiter=12000");

  // The limiter line in red while hovered, at 12000 x 561 / 15000 = 448.8 past the axis.
  DrawMapGraph(g, {image, selection, live, kSurface}, false, canvas);
  std::vector<std::string> calls = canvas.LastPaint();
  std::size_t at = Find(calls, "pen #ff0000 2 solid");
  ASSERT_NE(at, calls.size());
  EXPECT_EQ(calls[at + 1], "moveto 483 402");
  EXPECT_EQ(calls[at + 2], "lineto 483 5");

  // The engine at 4000 rpm in column 3 of row 9: the lime line and two circles.
  live.rpm = 4000;
  live.rpmIndex = 3;
  live.tpsIndex = 9;
  DrawMapGraph(g, {image, selection, live, kSurface}, false, canvas);
  calls = canvas.LastPaint();
  at = Find(calls, "pen #00ff00 1 solid");
  ASSERT_NE(at, calls.size());
  EXPECT_EQ(calls[at + 1], "moveto 184 402");  // 35 + 149.6
  EXPECT_EQ(calls[at + 4], "ellipse 177 325 192 340");
  EXPECT_EQ(calls[at + 5], "ellipse 176 324 193 341");
  EXPECT_EQ(g.drawnLiveCell, 93);
}

}  // namespace
}  // namespace zarvell
