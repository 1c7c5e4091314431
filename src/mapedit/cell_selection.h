// The selection of advance map cells, one for the window's whole life: the grid overlay, the
// 2D graph and the 3D view all read and change it. A drag marks the cells its rectangle
// covers; the release toggles them into the selection and checks whether the selected cells
// form one filled rectangle, which interpolation needs.
#pragma once

#include <array>
#include <cstdint>

#include "design/map_layout.h"
#include "ui/control.h"

namespace zarvell {

inline constexpr std::uint16_t CELL_SELECTED = 1;
inline constexpr std::uint16_t CELL_IN_DRAG = 2;
inline constexpr std::uint16_t CELL_CORNER = 4;

class TSelcell {
 public:
  using CellFrame = design::map_layout::CellFrame;  // all -1: not on the surface
  static constexpr int kCells = 100;

  // (x, y): the pixel pressed. `extend` keeps the previous drag's start point and the
  // selection, `add` keeps the selection; neither clears it. Returns as UpdateSelection.
  int BeginSelection(int x, int y, bool extend, bool add);
  // The drag's moving corner, clamped to the surface. 1 when the drag rectangle moved (the
  // caller redraws), else 0.
  int UpdateSelection(int x, int y);
  // The covered cells toggle in or out of the selection; then the rectangle test.
  void FinishSelection();

  // The keyboard's selection: exactly the cells of the block with corners `from` and `to`
  // (cells counted row by row), then the rectangle test.
  void SelectBlock(int from, int to);
  // The cell next to `cell` by `dx` columns and `dy` rows, when it is on the surface; else -1.
  int Neighbour(int cell, int dx, int dy) const;

  // A finished selection that is one filled rectangle at least three cells wide or high.
  bool HasRectangle() const { return rectLeft != -1; }

  int state = 0;  // 0 nothing selected, 1 a drag in progress, 2 something selected
  int anchorX = 0, anchorY = 0;
  int currentX = 0, currentY = 0;
  std::array<CellFrame, kCells> cellRect{};
  std::array<std::uint16_t, kCells> cellFlags{};
  int rectLeft = -1, rectRight = -1, rectTop = -1, rectBottom = -1;  // columns, rows
  int columns = 10, rows = 10;
  int areaWidth = 0, areaHeight = 0;
  ui::ControlIndex area = ui::kNoControl;  // the surface the frames belong to; none at first

 private:
  void FindRectangle();
};

}  // namespace zarvell
