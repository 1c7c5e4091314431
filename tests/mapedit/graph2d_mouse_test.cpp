// Editing on the 2D graph: what a press grabs, how a drag rounds and widens, the pointer put
// back when the scales change, selecting on the point boxes, leaving, and the wheel's steps.
#include "mapedit/graph2d_mouse.h"

#include <gtest/gtest.h>

#include "graph2d_test_support.h"
#include "mapedit/graph_wheel.h"

namespace zarvell {
namespace {

using namespace testgraph;
using ui::MouseAction;

constexpr int k2D = 1;  // the map view mode of the 2D graph

// Breakpoints every 1000 rpm at x = 72, 109, 147, 184, ...; with every cell at 20 degrees row
// 9 lies at y = 332, and each row above it 10 degrees higher.
TEST(GraphMouse, ADragRoundsToHundredsAndIsOneUndoStep) {
  GraphBench b(FlatMap(20));
  b.Mouse(MouseAction::Down, {149, 333});  // 2 right of and 1 below row 9's point 2
  EXPECT_EQ(b.graph.grabbedPoint, 2);
  EXPECT_EQ(b.graph.activeRow, 9);
  EXPECT_EQ(b.graph.grabDx, 2);
  EXPECT_EQ(b.graph.grabDy, 1);
  EXPECT_EQ(b.graph.hoveredPoint, NO_POINT);
  // 14 pixels right are 374 rpm: the breakpoint moves from 3000 to 3400, the advance stays.
  b.Mouse(MouseAction::Move, {163, 333});
  EXPECT_EQ(b.image[92], 34);
  EXPECT_EQ(Cell(b.image, 9, 2), 20);
  b.Mouse(MouseAction::Move, {163, 334});
  EXPECT_EQ(b.edits.pins, (std::vector<int>{2, 2}));
  EXPECT_TRUE(b.edits.pointer.empty());
  EXPECT_EQ(b.edits.snapshots, 0);
  b.Mouse(MouseAction::Up, {163, 334});
  EXPECT_EQ(b.edits.snapshots, 1);
  EXPECT_EQ(b.graph.grabbedPoint, NO_POINT);
  EXPECT_EQ(b.graph.hoveredPoint, 2);  // the point is under the pointer again
}

TEST(GraphMouse, ShiftWidensToTheCurveAndCtrlToTheColumnWithin60) {
  ParameterImage image = FlatMap(20);
  Cell(image, 0, 5) = 59;
  Cell(image, 0, 6) = 60;
  GraphBench b(image);
  // Row 0 at 20 degrees is raised by 90 on a 155-degree axis: point 2 at (147, 120).
  ASSERT_EQ(b.At(0, 2), (ui::Point{147, 120}));
  b.graph.shiftHeld = 1;
  b.Mouse(MouseAction::Down, {147, 120});
  b.Mouse(MouseAction::Move, {147, 112});  // 8 pixels are 3.1 degrees: 3 up
  EXPECT_EQ(Cell(b.image, 0, 2), 23);
  EXPECT_EQ(Cell(b.image, 0, 0), 23);
  EXPECT_EQ(Cell(b.image, 0, 5), 60);
  EXPECT_EQ(Cell(b.image, 0, 6), 60);
  EXPECT_EQ(Cell(b.image, 1, 2), 20);
  EXPECT_EQ(b.edits.redraw & kRedrawRelayout, kRedrawRelayout);

  GraphBench column(FlatMap(20));
  column.graph.ctrlHeld = 1;
  column.Mouse(MouseAction::Down, column.At(9, 2));
  // 8 pixels up from the point's truncated pixel are 2.3 degrees above 20.28: 23.
  column.Mouse(MouseAction::Move, {column.At(9, 2).x, column.At(9, 2).y - 8});
  for (int r = 0; r < 10; ++r) EXPECT_EQ(Cell(column.image, r, 2), 23) << r;
  EXPECT_EQ(Cell(column.image, 9, 3), 20);
}

TEST(GraphMouse, TheLimiterLineIsGrabbedBesideItAndThePointerFollowsANewScale) {
  GraphBench b(FlatMap(20));
  b.Mouse(MouseAction::Down, {487, 200});  // 4 right of the line at 483
  EXPECT_EQ(b.graph.grabbedPoint, LIMITER_LINE);
  EXPECT_EQ(b.graph.grabDx, 4);
  EXPECT_EQ(b.graph.grabDy, 0);
  // To 15100 rpm: the axis grows to 17500 rpm, so the pointer is put back on the line.
  b.Mouse(MouseAction::Move, {604, 200});
  EXPECT_EQ(b.image[field::LIMITER], 151);
  EXPECT_EQ(b.graph.rpmRange, 17500);
  EXPECT_EQ(b.edits.pins, (std::vector<int>{LIMITER_LINE}));
  ASSERT_EQ(b.edits.pointer.size(), 1u);
  EXPECT_EQ(b.edits.pointer[0], (ui::Point{523, 200}));  // 35 + 15100 x 561 / 17500 + 4
  EXPECT_EQ(b.graph.skipNextMove, 1);
  b.Mouse(MouseAction::Move, {523, 200});  // the move the program made is not a drag
  EXPECT_EQ(b.image[field::LIMITER], 151);
  EXPECT_EQ(b.graph.skipNextMove, 0);
}

TEST(GraphMouse, APressOnEmptySpaceSelectsThePointsInItsRectangle) {
  GraphBench b(FlatMap(20));
  b.Mouse(MouseAction::Down, {288, 48});  // between row 1's points 5 and 6
  EXPECT_EQ(b.graph.grabbedPoint, NO_POINT);
  EXPECT_EQ(b.selection.state, 1);
  EXPECT_EQ(b.selection.area, kSurface);
  EXPECT_EQ(b.selection.cellRect[16], (TSelcell::CellFrame{291, 51, 301, 61}));
  b.edits.redraw = 0;
  b.Mouse(MouseAction::Move, {340, 62});
  EXPECT_EQ(b.edits.redraw, kRedrawRepaint);
  EXPECT_EQ(b.selection.cellFlags[16], CELL_IN_DRAG);
  EXPECT_EQ(b.selection.cellFlags[17], CELL_IN_DRAG);
  EXPECT_EQ(b.selection.cellFlags[18], 0);
  // Let go beyond the surface's edge: the selection is still made.
  b.Mouse(MouseAction::Up, {640, 62});
  EXPECT_EQ(b.selection.state, 2);
  EXPECT_EQ(b.selection.cellFlags[16], CELL_SELECTED);
  EXPECT_EQ(b.edits.snapshots, 0);

  // The curve form boxes the 100 % row only and shows the selection on the grid.
  GraphBench curve(FlatMap(20), GraphForm::Curve);
  curve.Mouse(MouseAction::Down, {60, 30});
  EXPECT_EQ(curve.selection.cellRect[0], TSelcell::CellFrame{});
  EXPECT_NE(curve.selection.cellRect[95], TSelcell::CellFrame{});
  curve.Mouse(MouseAction::Up, {60, 30});
  EXPECT_EQ(curve.edits.gridShown, 1);
}

TEST(GraphMouse, LeavingClearsTheHoverWithoutDroppingARelayout) {
  GraphBench b(FlatMap(20));
  b.Mouse(MouseAction::Move, b.At(9, 3));
  EXPECT_EQ(b.graph.hoveredPoint, 3);
  EXPECT_EQ(b.graph.wheelTarget, 3);
  b.edits.redraw = kRedrawRelayout;
  GrafAdvMouseLeave(b.graph, b.edits);
  EXPECT_EQ(b.graph.hoveredPoint, NO_POINT);
  EXPECT_EQ(b.edits.hintsCleared, 1);
  EXPECT_EQ(b.edits.redraw, kRedrawRelayout | kRedrawRepaint);
  GrafAdvMouseLeave(b.graph, b.edits);  // nothing hovered: nothing to do
  EXPECT_EQ(b.edits.hintsCleared, 1);
}

TEST(GraphWheel, OneStepPerTickOnThePointOrTheSelectionOrTheEngine) {
  GraphBench b(FlatMap(20));
  bool guard = false;
  auto wheel = [&](int delta, int mode = k2D) {
    GraphContext context = b.Context();
    return MouseWheelDispatch(context, context, mode, guard, delta, {0, 0});
  };
  b.Mouse(MouseAction::Move, b.At(9, 3));
  EXPECT_EQ(wheel(120), 1);
  EXPECT_EQ(wheel(120), 0);  // a second event before the tick
  EXPECT_EQ(Cell(b.image, 9, 3), 21);
  EXPECT_EQ(b.edits.stepped, 1);
  guard = false;
  b.graph.ctrlHeld = b.graph.shiftHeld = 1;
  EXPECT_EQ(wheel(-120), 1);
  EXPECT_EQ(Cell(b.image, 9, 3), 20);
  EXPECT_EQ(Cell(b.image, 0, 0), 19);

  // Over empty space: the engine's cell, but none while the engine is below the axis.
  b.graph.ctrlHeld = b.graph.shiftHeld = 0;
  b.Mouse(MouseAction::Move, {320, 75});
  EXPECT_EQ(b.graph.wheelTarget, NO_POINT);
  b.live = {.rpm = 5000, .rpmIndex = 4, .tpsIndex = 2};
  guard = false;
  wheel(120);
  EXPECT_EQ(Cell(b.image, 2, 4), 20);
  b.live.belowRpmAxis = true;
  guard = false;
  wheel(120);
  EXPECT_EQ(Cell(b.image, 2, 4), 20);
  // With a selection, its cells.
  b.selection.state = 2;
  b.selection.cellFlags[11] = CELL_SELECTED;
  guard = false;
  wheel(120);
  EXPECT_EQ(Cell(b.image, 1, 1), 20);
  EXPECT_EQ(Cell(b.image, 2, 4), 20);
  EXPECT_EQ(Cell(b.image, 1, 2), 19);
  // The table view takes no wheel steps.
  guard = false;
  EXPECT_EQ(wheel(120, 0), 0);
  EXPECT_EQ(Cell(b.image, 1, 1), 20);
}

}  // namespace
}  // namespace zarvell
