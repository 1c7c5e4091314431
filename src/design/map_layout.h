// Where things sit on the advance map page, written once: the grid of cells under the
// selection surface ImageSelect, the 2D graph and the 3D view in each map mode. The design
// table is built from it, the view rules move controls by it, and the map editors hit-test and
// draw with it. Positions are in the coordinates of GroupBoxAdvance unless said otherwise.
#pragma once

#include "ui/control.h"

namespace zarvell::design::map_layout {

inline constexpr int kRows = 10;
inline constexpr int kColumns = 10;

// ImageSelect: over the whole grid with the throttle rows, over one row without them.
inline constexpr ui::Rect kSelect = {40, 34, 603, 352};
inline constexpr int kSelectOneRowHeight = 50;

// A cell's frame on ImageSelect: its edit box and up/down control with about 2 px around.
// Two slightly wider gaps split the ten columns 3 + 4 + 3.
struct CellFrame {
  int left = -1, top = -1, right = -1, bottom = -1;  // all -1: not on the surface
  friend constexpr bool operator==(const CellFrame&, const CellFrame&) = default;
};

constexpr int CellLeft(int column) {
  return 59 * column + 10 + (column >= 3 ? 1 : 0) + (column >= 7 ? 1 : 0);
}
constexpr int CellTop(int shownRow) {
  return 33 * shownRow + 15;
}
inline constexpr int kCellWidth = 48;
inline constexpr int kCellHeight = 22;

// The row of the surface where map row `row` is shown: without throttle rows only the 100 %
// row (9) is in use, and it takes the place of row 0.
constexpr int ShownRow(int row, bool throttleRows) {
  return throttleRows ? row : 0;
}

// The frame of cell (row, column) on ImageSelect; none for the rows that are not shown.
constexpr CellFrame GridCell(int row, int column, bool throttleRows) {
  if (!throttleRows && row != kRows - 1) return {};
  const int left = CellLeft(column);
  const int top = CellTop(ShownRow(row, throttleRows));
  return {left, top, left + kCellWidth, top + kCellHeight};
}

// The edit box of cell (row, column) shown in surface row `shownRow`; its up/down control
// follows on its right.
constexpr ui::Rect CellEdit(int shownRow, int column) {
  return {kSelect.left + CellLeft(column) + 2, kSelect.top + CellTop(shownRow) + 2, 29, 19};
}
// The throttle label of surface row `shownRow`, left of the grid.
constexpr ui::Rect ThrottleLabel(int shownRow, int labelHeight) {
  return {4, kSelect.top + CellTop(shownRow) + 6, 34, labelHeight};
}

// The 2D graph GrafAdv: in the "2D" mode it fills the page above the mode buttons; in the table
// without throttle rows it shares the page, under the single row of cells.
inline constexpr ui::Rect kGraph = {6, 12, 621, 417};
inline constexpr ui::Rect kGraphUnderRow = {6, 112, 621, 317};

// The 3D view Graf3DAdv and its height legend CMap3DAdv.
inline constexpr ui::Rect kGraph3D = {6, 8, 461, 420};
inline constexpr ui::Rect kLegend3D = {472, 8, 127, 284};

}  // namespace zarvell::design::map_layout
