// The 3D view: its layout from the track bars and the map, the order and colours of what it
// paints, read from the recording canvas, and turning it with the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graph2d_test_support.h"
#include "mapedit/graph3d_draw.h"
#include "mapedit/graph3d_mouse.h"
#include "mapedit/graph_wheel.h"
#include "ui/recording_canvas.h"

namespace zarvell {
namespace {

using namespace testgraph;
using Calls = std::vector<std::string>;

constexpr ui::Size kViewSize{461, 420};
constexpr ui::Size kLegendSize{127, 284};

// Breakpoints 1000..10000 rpm, an 11000 rpm limiter, cells rising to 40 degrees at the top
// right, base advance 12, throttle rows on.
ParameterImage StartMap() {
  ParameterImage image = FlatMap(0);
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 10; ++c) Cell(image, r, c) = static_cast<std::uint8_t>(10 + 2 * c + r);
  }
  Cell(image, 9, 9) = 40;
  image[field::BASE_ADV] = 12;
  image[field::LIMITER] = 110;
  return image;
}

struct View {
  explicit View(ParameterImage map, TrackPositions at = kIsoView) : image(map), angles(at) {}

  Calls Paint() {
    Paint3D(graph, {image, selection, live, angles, fill, heightColours, kSurface}, true, view,
            legend);
    return view.LastPaint();
  }
  ui::Point Pixel(float rpm, float degrees, float row) const {
    const Projected p = Project(graph, rpm, degrees, row);
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
  }
  float Rpm(int column) const { return static_cast<float>(image[90 + column] * 100); }

  ParameterImage image;
  TrackPositions angles;
  TSelcell selection;
  link::LiveState live;
  bool fill = true, heightColours = true;
  TGraphAdv graph;
  ui::RecordingCanvas view{kViewSize};
  ui::RecordingCanvas legend{kLegendSize};
};

std::string Edge(ui::Point from, ui::Point to) {
  return "moveto " + std::to_string(from.x) + ' ' + std::to_string(from.y) + "|lineto " +
         std::to_string(to.x) + ' ' + std::to_string(to.y);
}

// Every line drawn, as "moveto X Y|lineto X Y", in order.
std::vector<std::string> Lines(const Calls& calls) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i + 1 < calls.size(); ++i) {
    if (calls[i].starts_with("moveto") && calls[i + 1].starts_with("lineto")) {
      lines.push_back(calls[i] + '|' + calls[i + 1]);
    }
  }
  return lines;
}

int Count(const Calls& calls, const std::string& prefix) {
  return static_cast<int>(std::count_if(
      calls.begin(), calls.end(), [&](const std::string& c) { return c.starts_with(prefix); }));
}

TEST(View3DLayout, TheStartUpViewOfAnElevenThousandLimiterAndFortyDegrees) {
  View v(StartMap());
  v.Paint();
  const TGraphAdv& g = v.graph;
  EXPECT_EQ(g.surface, kSurface);
  EXPECT_EQ(g.rpmRange, 12500);
  EXPECT_EQ(g.degreeRange, 45);
  EXPECT_EQ(g.tpsRange, 9);
  EXPECT_EQ(g.marginLeft, 30);
  EXPECT_EQ(g.marginRight, 30);
  EXPECT_EQ(g.marginTop, 10);
  EXPECT_EQ(g.plotWidth, 401);
  EXPECT_EQ(g.plotHeight, 400);
  EXPECT_EQ((ui::Point{g.plotX0, g.plotY0}), (ui::Point{30, 258}));
  // The RPM axis to the right and slightly up, the advance straight up, the TPS axis down and
  // to the right, towards the viewer.
  const ui::Point rpm = v.Pixel(12500, 0, 0), adv = v.Pixel(0, 45, 0), tps = v.Pixel(0, 0, 9);
  EXPECT_GT(rpm.x, 300);
  EXPECT_LT(rpm.y, 258);
  EXPECT_GT(rpm.y, 180);
  EXPECT_EQ(adv.x, 30);
  EXPECT_LT(adv.y, 100);
  EXPECT_GT(tps.x, 100);
  EXPECT_GT(tps.y, 380);
  EXPECT_GT(Project(g, 0, 0, 9).depth, 0);
  EXPECT_LT(Project(g, 12500, 0, 0).depth, 0);
  // The axes and their boxes come first, the RPM one first of all.
  const Calls calls = v.view.LastPaint();
  EXPECT_EQ(Lines(calls)[0], Edge({30, 258}, rpm));
  EXPECT_NE(std::find(calls.begin(), calls.end(), "text 21 " + std::to_string(adv.y - 7) + " ADV"),
            calls.end());
}

TEST(View3DLayout, TheAxesReachBeyondTheMapAndTheLimiter) {
  struct Case {
    int highest, base, lastBreakpoint, limiter, degreeRange, rpmRange;
  };
  for (const Case k : {Case{40, 12, 100, 110, 45, 12500},
                       {41, 12, 100, 110, 50, 12500},
                       {20, 44, 100, 110, 50, 12500},
                       {40, 12, 120, 110, 45, 15000},
                       {0, 0, 10, 0, 5, 2500}}) {
    ParameterImage image = FlatMap(0);
    Cell(image, 4, 7) = static_cast<std::uint8_t>(k.highest);
    image[field::BASE_ADV] = static_cast<std::uint8_t>(k.base);
    image[99] = static_cast<std::uint8_t>(k.lastBreakpoint);
    image[field::LIMITER] = static_cast<std::uint8_t>(k.limiter);
    TGraphAdv g;
    Layout3D(g, image, kIsoView, kSurface, kViewSize);
    EXPECT_EQ(g.degreeRange, k.degreeRange) << k.highest << ' ' << k.base;
    EXPECT_EQ(g.rpmRange, k.rpmRange) << k.lastBreakpoint << ' ' << k.limiter;
  }
}

TEST(View3DLayout, TheAxisBoxFillsThePlotSquareFromEveryAngle) {
  const ParameterImage image = StartMap();
  for (int x = -36; x <= 36; x += 7) {
    for (int y = -36; y <= 36; y += 5) {
      for (const int z : {-36, -13, 0, 9, 30}) {
        TGraphAdv g;
        Layout3D(g, image, {x, y, z}, kSurface, kViewSize);
        float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
        for (int corner = 0; corner < 8; ++corner) {
          const Projected p = Project(g, (corner & 1) ? static_cast<float>(g.rpmRange) : 0.0f,
                                      (corner & 2) ? static_cast<float>(g.degreeRange) : 0.0f,
                                      (corner & 4) ? 9.0f : 0.0f);
          left = std::min(left, p.x), right = std::max(right, p.x);
          top = std::min(top, p.y), bottom = std::max(bottom, p.y);
        }
        // Within the plot square, give or take the pixel the origin is truncated by.
        const std::string at =
            std::to_string(x) + ' ' + std::to_string(y) + ' ' + std::to_string(z);
        EXPECT_NEAR(right - left, 400.0f, 0.01f) << at;
        EXPECT_NEAR(bottom - top, 400.0f, 0.01f) << at;
        EXPECT_GE(left, 28.99f) << at;
        EXPECT_LE(right, 431.01f) << at;
        EXPECT_GE(top, 8.99f) << at;
        EXPECT_LE(bottom, 410.01f) << at;
      }
    }
  }
}

TEST(View3DLayout, ThePaletteRunsFromDarkBlueToMagenta) {
  TGraphAdv g;
  BuildPalette(g);
  struct Row {
    int degrees;
    std::uint32_t rgb;
  };
  for (const Row row : {Row{0, 0x000055},
                        {5, 0x0000aa},
                        {10, 0x0000ff},
                        {13, 0x007f7f},
                        {20, 0x7fff00},
                        {26, 0xe5e500},
                        {32, 0xe56600},
                        {48, 0xff007a},
                        {60, 0xff00f4}}) {
    EXPECT_EQ(g.palette[static_cast<std::size_t>(row.degrees)], row.rgb) << row.degrees;
  }
  // No entry beyond 60: higher cells take the colour of 60.
  EXPECT_EQ(HeightColour(g, 75), HeightColour(g, 60));
}

TEST(View3DPaint, StripsGoFromFarToNearInEveryView) {
  View v(StartMap());
  v.fill = false;
  // Start-up view: from high to low rpm, from TPS row 1 to row 9. The first strip is row 1's
  // level end beyond column 9, its lower edge first; the last strip is row 9's level start at
  // the base advance, its upper edge last; then the TPS axis again, on the near side.
  std::vector<std::string> lines = Lines(v.Paint());
  const float end = 12500, c9 = v.Rpm(9), c0 = v.Rpm(0);
  ASSERT_EQ(lines.size(), 3u + 9 * 12 * 4 + 1);
  EXPECT_EQ(lines[3], Edge(v.Pixel(end, 28, 0), v.Pixel(c9, 28, 0)));
  EXPECT_EQ(lines[4], Edge(v.Pixel(end, 29, 1), v.Pixel(end, 28, 0)));  // facet 2 before 1
  EXPECT_EQ(lines[lines.size() - 2], Edge(v.Pixel(0, 12, 9), v.Pixel(c0, 12, 9)));
  EXPECT_EQ(lines.back(), Edge(v.Pixel(0, 0, 0), v.Pixel(0, 0, 9)));

  // All angles 0: the TPS axis points at the viewer and row 9 comes last, from low to high rpm.
  v.angles = {0, 0, 0};
  lines = Lines(v.Paint());
  ASSERT_EQ(lines.size(), 3u + 9 * 12 * 4);
  EXPECT_EQ(lines[3], Edge(v.Pixel(c0, 12, 0), v.Pixel(0, 12, 0)));
  EXPECT_EQ(lines.back(), Edge(v.Pixel(c9, 40, 9), v.Pixel(end, 40, 9)));

  // From the top the advance axis points at the viewer: its box sits on the origin.
  v.angles = kTopView;
  const Calls calls = v.Paint();
  const ui::Point origin = v.Pixel(0, 0, 0), adv = v.Pixel(0, 45, 0);
  EXPECT_EQ(adv, origin);
  const std::string box = "roundrect " + std::to_string(origin.x - 16) + ' ' +
                          std::to_string(origin.y - 8) + ' ' + std::to_string(origin.x + 16) + ' ' +
                          std::to_string(origin.y + 8) + " 2 2";
  EXPECT_NE(std::find(calls.begin(), calls.end(), box), calls.end());
  EXPECT_LT(v.Pixel(end, 0, 0).y - origin.y, 2);  // RPM to the right
  EXPECT_GT(v.Pixel(end, 0, 0).x, origin.x + 390);
  EXPECT_GT(v.Pixel(0, 0, 9).y, origin.y + 390);  // TPS rows downwards
}

TEST(View3DPaint, WithoutThrottleRowsEveryRowShowsTheFullThrottleCurve) {
  View off(StartMap());
  off.image[field::TPS_MAPA] = 0;
  off.selection.cellFlags[93] = off.selection.cellFlags[94] = CELL_SELECTED;
  View flat(off.image);
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 10; ++c) {
      Cell(flat.image, r, c) = Cell(flat.image, 9, c);
      flat.selection.cellFlags[static_cast<std::size_t>(10 * r + c)] =
          off.selection.cellFlags[90 + c];
    }
  }
  const Calls extruded = off.Paint();
  EXPECT_EQ(extruded, flat.Paint());
  flat.image[field::TPS_MAPA] = 1;
  EXPECT_EQ(extruded, flat.Paint());  // the same surface from real rows
}

TEST(View3DPaint, FillHeightColoursAndTheSelectionOnTheGrid) {
  View v(StartMap());
  Calls calls = v.Paint();
  // Filled facets seen from above take the height colours, the underside silver, the grid
  // lines white.
  EXPECT_GT(Count(calls, "polygon"), 300);
  EXPECT_GT(Count(calls, "brush #c0c0c0"), 0);
  EXPECT_GT(Count(calls, "pen #ffffff"), 400);
  EXPECT_EQ(Count(calls, "brush #8888ff"), 0);

  v.heightColours = false;
  calls = v.Paint();
  for (const std::string& call : calls) {
    if (call.starts_with("brush #") && call != "brush #c0c0c0") {
      EXPECT_EQ(call, "brush #8888ff");
    }
  }
  // The legend shows the whole colour bar all the same.
  const Calls legend = v.legend.LastPaint();
  for (const char* colour : {"pen #000055", "pen #0000ff", "pen #ffff00", "pen #ff0000"}) {
    EXPECT_GT(Count(legend, colour), 0) << colour;
  }
  EXPECT_EQ(Count(legend, "lineto"), 264 + 13);

  // Unfilled: the grid lines alone, black, blue between two marked cells, green when one of
  // them is a corner of the selection.
  v.fill = false;
  v.selection.cellFlags[45] = v.selection.cellFlags[46] = CELL_SELECTED;
  v.selection.cellFlags[55] = CELL_SELECTED | CELL_CORNER;
  calls = v.Paint();
  EXPECT_EQ(Count(calls, "polygon"), 0);
  EXPECT_EQ(Count(calls, "pen #ffffff"), 0);
  EXPECT_EQ(Count(calls, "pen #0000ff"), 2);  // 45-46 from both strips beside it
  EXPECT_EQ(Count(calls, "pen #008000"), 2);  // 45-55 likewise
}

TEST(View3DPaint, TheLiveCellIsMarkedAfterEveryStripThatTouchesIt) {
  View v(StartMap());
  v.live = {.rpm = 0, .rpmIndex = 4, .tpsIndex = 6};
  EXPECT_EQ(Count(v.Paint(), "ellipse"), 0);
  EXPECT_EQ(Count(v.legend.LastPaint(), "rectangle"), 1);  // the clear alone, no pointer

  v.live.rpm = 5000;
  const Calls calls = v.Paint();
  const ui::Point p = v.Pixel(v.Rpm(4), static_cast<float>(Cell(v.image, 6, 4)), 6);
  const std::string marker = "ellipse " + std::to_string(p.x - 5) + ' ' + std::to_string(p.y - 5) +
                             ' ' + std::to_string(p.x + 5) + ' ' + std::to_string(p.y + 5);
  EXPECT_EQ(Count(calls, marker), 4);  // two rows by two strips share the point
  EXPECT_EQ(Count(calls, "ellipse"), 8);
  // The legend points at its advance, 24 degrees: y = 284 - 24 x 264 / 60 = 179.
  const Calls legend = v.legend.LastPaint();
  EXPECT_NE(std::find(legend.begin(), legend.end(), "rectangle 67 171 127 188"), legend.end());
  EXPECT_EQ(legend[legend.size() - 2], "text 102 172 24");
}

TEST(View3DPaint, AFacetIsFilledBySideAndNotAtAllWhenFlat) {
  ui::RecordingCanvas canvas(kViewSize);
  const ui::Colour front = ui::kRed, back = ui::kLime, edge = ui::kWhite;
  DrawFacet(canvas, 10, 10, 20, 10, 15, 20, front, back, edge, true);
  DrawFacet(canvas, 20, 10, 10, 10, 15, 20, front, back, edge, true);
  DrawFacet(canvas, 10, 10, 20, 20, 30, 30, front, back, edge, true);
  DrawFacet(canvas, 10, 10, 20, 10, 15, 20, front, back, edge, false);
  canvas.Flush();
  // Turning from the edge to the centre against the clock (canvas y down) faces away.
  const Calls expected = {"pen #00ff00 1 solid",
                          "brush #00ff00",
                          "polygon 10,10 20,10 15,20",
                          "pen #ffffff 1 solid",
                          "moveto 10 10",
                          "lineto 20 10",
                          "pen #ff0000 1 solid",
                          "brush #ff0000",
                          "polygon 20,10 10,10 15,20",
                          "pen #ffffff 1 solid",
                          "moveto 20 10",
                          "lineto 10 10",
                          "pen #ffffff 1 solid",
                          "moveto 10 10",
                          "lineto 20 20",
                          "pen #ffffff 1 solid",
                          "moveto 10 10",
                          "lineto 20 10",
                          "flush"};
  EXPECT_EQ(canvas.LastPaint(), expected);
}

TEST(Rotate3D, ADragTurnsTheViewInWholeStepsAndWrapsPastHalfATurn) {
  TGraphAdv g;
  EXPECT_FALSE(Rotate3D(g, kIsoView, kRotateMove, 50, 50));  // no press yet
  EXPECT_FALSE(Rotate3D(g, kIsoView, kRotatePress, 100, 200));
  EXPECT_EQ(g.grabbedPoint, 1);
  EXPECT_FLOAT_EQ(g.dragStartAngleY, -8 * kPi / 36);
  struct Move {
    int x, y;
    TrackPositions to;
  };
  // 36 pixels right: 20 degrees plus one radian is 15 steps; the other bars stay as they were.
  for (const Move m : {Move{136, 200, {15, -8, 0}},
                       {100, 200, {4, -8, 0}},
                       {100, 164, {4, 3, 0}},     // pointer up turns the view up
                       {90, 236, {0, -19, 0}},    // towards zero on both sides
                       {250, 200, {-20, -8, 0}},  // past 180 degrees on from -180
                       {-50, 200, {28, -8, 0}}}) {
    EXPECT_EQ(Rotate3D(g, kIsoView, kRotateMove, m.x, m.y), m.to) << m.x << ' ' << m.y;
  }
  EXPECT_FALSE(Rotate3D(g, kIsoView, kRotateRelease, 0, 0));
  EXPECT_FALSE(Rotate3D(g, kIsoView, kRotateMove, 136, 200));
  // Every position survives its own angle, whichever way the float rounds.
  for (int p = -36; p <= 36; ++p) EXPECT_EQ(TrackPosition(TrackAngle(p)), p);
}

TEST(CurrentCellWheel, StepsTheLiveCellOverTheViewOnly) {
  GraphBench b(StartMap());
  Layout3D(b.graph, b.image, kIsoView, kSurface, kViewSize);
  bool guard = false;
  auto wheel = [&](int delta, ui::Point at) {
    guard = false;
    GraphContext context = b.Context();
    return MouseWheelDispatch(context, context, 2, guard, delta, at);
  };
  b.live = {.rpm = 5000, .rpmIndex = 4, .tpsIndex = 6};
  EXPECT_EQ(wheel(120, {461, 420}), 1);
  EXPECT_EQ(Cell(b.image, 6, 4), 25);
  EXPECT_EQ(b.edits.redraw, kRedrawRelayout);
  EXPECT_EQ(wheel(-120, {462, 10}), 0);  // beside the view
  b.live.belowRpmAxis = true;            // below the map's first breakpoint: no cell
  EXPECT_EQ(wheel(120, {10, 10}), 0);
  b.live = {.rpm = 0, .rpmIndex = 4, .tpsIndex = 6};  // stopped
  EXPECT_EQ(wheel(120, {10, 10}), 0);
  EXPECT_EQ(Cell(b.image, 6, 4), 25);
  b.live.rpm = 9000;
  Cell(b.image, 6, 4) = 60;
  EXPECT_EQ(wheel(120, {10, 10}), 1);
  EXPECT_EQ(Cell(b.image, 6, 4), 60);  // held at the top
  EXPECT_EQ(b.edits.stepped, 2);
}

}  // namespace
}  // namespace zarvell
