// The selection over the grid's cell frames: drags with and without Shift and Ctrl, and the
// rectangle test on the shapes that pass and break it.
#include "mapedit/cell_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mapedit/grid_overlay.h"

namespace zarvell {
namespace {

// A point inside cell (row, column) of the full grid: columns 59 px apart from 10, rows 33 px
// apart from 15, written out rather than taken from the layout under test.
ui::Point In(int row, int column) {
  return {59 * column + 10 + 20, 33 * row + 15 + 10};
}

class Selection : public ::testing::Test {
 protected:
  Selection() { LayoutGridCells(s, true, 1, {603, 352}); }
  void Drag(int r0, int c0, int r1, int c1, bool extend = false, bool add = false) {
    const ui::Point from = In(r0, c0), to = In(r1, c1);
    s.BeginSelection(from.x, from.y, extend, add);
    s.UpdateSelection(to.x + 1, to.y);  // a move, however small, marks the cells
    s.FinishSelection();
  }
  // The selected cells as "row,column" in index order.
  std::vector<std::string> Selected() const {
    std::vector<std::string> cells;
    for (int i = 0; i < 100; ++i) {
      if ((s.cellFlags[i] & CELL_SELECTED) != 0)
        cells.push_back(std::to_string(i / 10) + "," + std::to_string(i % 10));
    }
    return cells;
  }
  std::vector<int> Rect() const { return {s.rectLeft, s.rectRight, s.rectTop, s.rectBottom}; }

  TSelcell s;
};

TEST_F(Selection, DragSelectsTheCoveredCellsAndMarksTheCornersOfARectangle) {
  const ui::Point from = In(2, 1);
  EXPECT_EQ(s.BeginSelection(from.x, from.y, false, false), 0);  // nothing marked yet
  EXPECT_EQ(s.state, 1);
  EXPECT_EQ(s.UpdateSelection(In(4, 3).x, In(4, 3).y), 1);
  EXPECT_EQ(s.cellFlags[43], CELL_IN_DRAG);
  EXPECT_EQ(s.UpdateSelection(In(4, 3).x, In(4, 3).y), 0);  // the corner did not move
  s.FinishSelection();
  EXPECT_EQ(s.state, 2);
  EXPECT_EQ(Rect(), (std::vector<int>{1, 3, 2, 4}));
  EXPECT_EQ(Selected().size(), 9u);
  for (int cell : {21, 23, 41, 43}) EXPECT_EQ(s.cellFlags[cell], CELL_SELECTED | CELL_CORNER);
  EXPECT_EQ(s.cellFlags[32], CELL_SELECTED);
}

TEST_F(Selection, TheCornerStaysOnTheSurface) {
  s.BeginSelection(590, 340, false, false);
  s.UpdateSelection(5000, -40);
  EXPECT_EQ(s.currentX, 602);
  EXPECT_EQ(s.currentY, 0);
  s.FinishSelection();
  EXPECT_EQ(Selected().front(), "0,9");
}

TEST_F(Selection, CtrlAddsAndTogglesShiftReachesFromThePreviousStart) {
  Drag(0, 0, 0, 2);  // a 1 x 3 row: a rectangle
  EXPECT_EQ(Rect(), (std::vector<int>{0, 2, 0, 0}));
  Drag(1, 0, 1, 0, false, true);  // Ctrl: adds the cell below the first, an L
  EXPECT_EQ(Selected(), (std::vector<std::string>{"0,0", "0,1", "0,2", "1,0"}));
  EXPECT_EQ(Rect(), (std::vector<int>{-1, -1, -1, -1}));
  Drag(0, 1, 0, 1, false, true);  // Ctrl over a selected cell takes it out again
  EXPECT_EQ(Selected(), (std::vector<std::string>{"0,0", "0,2", "1,0"}));

  // Shift: the rectangle runs from the last drag's start (0,1) to the new corner, and what
  // was selected inside it shows yellow while dragging, then drops out.
  s.BeginSelection(In(1, 2).x, In(1, 2).y, true, false);
  s.UpdateSelection(In(1, 2).x + 1, In(1, 2).y);
  EXPECT_EQ(s.cellFlags[2], CELL_SELECTED | CELL_IN_DRAG);
  s.FinishSelection();
  EXPECT_EQ(Selected(), (std::vector<std::string>{"0,0", "0,1", "1,0", "1,1", "1,2"}));
}

TEST_F(Selection, PressWithoutShiftOrCtrlStartsAfresh) {
  Drag(5, 5, 6, 6);
  Drag(0, 0, 0, 0);
  EXPECT_EQ(Selected(), (std::vector<std::string>{"0,0"}));
  // A press and release without a move selects nothing.
  s.BeginSelection(In(3, 3).x, In(3, 3).y, false, false);
  s.FinishSelection();
  EXPECT_EQ(s.state, 0);
  EXPECT_TRUE(Selected().empty());
}

TEST_F(Selection, RectangleTestRefusesBrokenShapesAndSmallBlocks) {
  const struct {
    const char* shape;
    std::vector<int> cells;
    bool rectangle;
  } cases[] = {
      {"2 x 2 block", {0, 1, 10, 11}, false},
      {"1 x 3 row", {45, 46, 47}, true},
      {"3 x 1 column", {9, 19, 29}, true},
      {"3 x 3 with a hole", {0, 1, 2, 10, 12, 20, 21, 22}, false},
      {"row that stops short", {0, 1, 2, 10, 11}, false},
      {"row that reaches further", {0, 1, 2, 10, 11, 12, 13}, false},
      {"cell left of the rectangle", {1, 2, 3, 10, 11, 12, 13}, false},
      {"cell below the rectangle", {0, 1, 2, 10, 11, 12, 30}, false},
      {"two blocks side by side", {0, 1, 2, 5, 6, 7}, false},
      {"full map", {}, true},
  };
  for (const auto& c : cases) {
    s.cellFlags.fill(0);
    if (c.cells.empty()) s.cellFlags.fill(CELL_IN_DRAG);
    for (int cell : c.cells) s.cellFlags[cell] = CELL_IN_DRAG;
    s.state = 1;
    s.FinishSelection();
    EXPECT_EQ(s.HasRectangle(), c.rectangle) << c.shape;
  }
  EXPECT_EQ(Rect(), (std::vector<int>{0, 9, 0, 9}));
}

TEST_F(Selection, WithoutThrottleRowsOnlyTheFullThrottleRowCanBeSelected) {
  LayoutGridCells(s, false, 1, {603, 50});
  s.BeginSelection(0, 0, false, false);
  s.UpdateSelection(602, 49);
  s.FinishSelection();
  EXPECT_EQ(Selected().size(), 10u);
  EXPECT_EQ(Selected().front(), "9,0");
  EXPECT_EQ(Rect(), (std::vector<int>{0, 9, 9, 9}));
}

}  // namespace
}  // namespace zarvell
