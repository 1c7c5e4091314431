// The map page's geometry: the cell frames the selection hit-tests, against the edit boxes the
// user types into, with and without throttle rows.
#include "design/map_layout.h"

#include <gtest/gtest.h>

#include "design/main_controls.h"
#include "params/bindings.h"
#include "params/view_rules.h"

namespace zarvell::design {
namespace {

namespace layout = map_layout;
using layout::CellFrame;

TEST(MapLayout, CellFramesFollowTheColumnGapsAndRowPitch) {
  // left = 59c + 10, one more from column 3 and another from column 7; 48 wide, 22 high, rows
  // 33 apart from 15.
  const struct {
    int row, column;
    CellFrame frame;
  } cases[] = {{0, 0, {10, 15, 58, 37}},     {2, 1, {69, 81, 117, 103}},
               {4, 3, {188, 147, 236, 169}}, {0, 6, {365, 15, 413, 37}},
               {7, 7, {425, 246, 473, 268}}, {9, 9, {543, 312, 591, 334}}};
  for (const auto& c : cases) {
    EXPECT_EQ(layout::GridCell(c.row, c.column, true), c.frame) << c.row << "," << c.column;
  }
  // Without throttle rows only the 100 % row is on the surface, in the place of row 0.
  EXPECT_EQ(layout::GridCell(9, 3, false), (CellFrame{188, 15, 236, 37}));
  for (int row = 0; row < 9; ++row) {
    EXPECT_EQ(layout::GridCell(row, 3, false), (CellFrame{-1, -1, -1, -1})) << row;
  }
}

// A press in the gap around a cell's boxes starts a selection, a press on a box edits: every
// frame must hold its edit box and up/down control whole, inside the surface, and no two
// frames may touch, in both states of the throttle rows as the view rules place the cells.
TEST(MapLayout, EveryFrameHoldsItsCellsBoxesWithAGapAroundThem) {
  for (const bool rows : {true, false}) {
    ui::ControlModel controls = NewMainControls();
    controls.SetChecked(CheckBoxTpsMapa, rows);
    const ParameterImage image;
    ApplyViewRules(ReadViewInputs(controls, image, false, false, {}), controls);
    const ui::Rect select = controls[ImageSelect].rect;
    for (int cell = 0; cell < 100; ++cell) {
      const CellFrame f = layout::GridCell(cell / 10, cell % 10, rows);
      if (f.left < 0) continue;
      SCOPED_TRACE(testing::Message() << "cell " << cell << (rows ? " rows" : " one row"));
      EXPECT_TRUE(f.left >= 0 && f.top >= 0 && f.right <= select.width &&
                  f.bottom <= select.height);
      const ui::Rect edit = controls[CellEdit(cell)].rect;
      const ui::Rect upDown = controls[CellUpDown(cell)].rect;
      EXPECT_GT(edit.left - select.left, f.left);
      EXPECT_GT(edit.top - select.top, f.top);
      EXPECT_LT(upDown.left + upDown.width - select.left, f.right);
      EXPECT_LT(edit.top + edit.height - select.top, f.bottom);
      for (int other = cell + 1; other < 100; ++other) {
        const CellFrame g = layout::GridCell(other / 10, other % 10, rows);
        if (g.left < 0) continue;
        EXPECT_FALSE(f.left <= g.right && g.left <= f.right && f.top <= g.bottom &&
                     g.top <= f.bottom)
            << "touches cell " << other;
      }
    }
  }
}

}  // namespace
}  // namespace zarvell::design
