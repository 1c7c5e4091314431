#include "mapedit/cell_selection.h"

#include <algorithm>

namespace zarvell {

int TSelcell::BeginSelection(int x, int y, bool extend, bool add) {
  currentX = x;
  currentY = y;
  if (!extend) {
    anchorX = x;
    anchorY = y;
  }
  if (!extend && !add) cellFlags.fill(0);
  state = 1;
  // The corner has not moved yet: cells are marked only once the mouse moves.
  return UpdateSelection(x, y);
}

int TSelcell::UpdateSelection(int x, int y) {
  if (state != 1 || (x == currentX && y == currentY)) return 0;
  currentX = std::clamp(x, 0, std::max(areaWidth - 1, 0));
  currentY = std::clamp(y, 0, std::max(areaHeight - 1, 0));
  const int x1 = std::min(anchorX, currentX), x2 = std::max(anchorX, currentX);
  const int y1 = std::min(anchorY, currentY), y2 = std::max(anchorY, currentY);
  for (int cell = 0; cell < kCells; ++cell) {
    const CellFrame& f = cellRect[cell];
    // Strict overlap; a frame of all -1 never overlaps.
    const bool covered = f.right > x1 && f.left < x2 && f.bottom > y1 && f.top < y2;
    if (covered) {
      cellFlags[cell] |= CELL_IN_DRAG;
    } else {
      cellFlags[cell] &= static_cast<std::uint16_t>(~CELL_IN_DRAG);
    }
  }
  return 1;
}

void TSelcell::FinishSelection() {
  bool any = false;
  for (std::uint16_t& flags : cellFlags) {
    if ((flags & CELL_IN_DRAG) != 0) flags ^= CELL_SELECTED;
    flags &= CELL_SELECTED;
    any = any || flags != 0;
  }
  FindRectangle();
  state = any ? 2 : 0;
}

void TSelcell::SelectBlock(int from, int to) {
  const int left = std::min(from % columns, to % columns);
  const int right = std::max(from % columns, to % columns);
  const int top = std::min(from / columns, to / columns);
  const int bottom = std::max(from / columns, to / columns);
  cellFlags.fill(0);
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) cellFlags[r * columns + c] = CELL_SELECTED;
  }
  FindRectangle();
  state = 2;
}

int TSelcell::Neighbour(int cell, int dx, int dy) const {
  const int column = cell % columns + dx, row = cell / columns + dy;
  if (column < 0 || column >= columns || row < 0 || row >= rows) return -1;
  const int next = row * columns + column;
  return cellRect[next].left >= 0 ? next : -1;
}

// One scan in reading order: the first selected cell opens the rectangle, the first gap in its
// row closes it on the right, the first row that has a gap where the rectangle was closes it at
// the bottom; a selected cell outside those bounds, or a row that stops short, is a fault.
void TSelcell::FindRectangle() {
  int left = -1, right = -1, top = -1, bottom = -1;
  bool fault = false, any = false;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      if ((cellFlags[r * columns + c] & CELL_SELECTED) != 0) {
        any = true;
        if (left == -1) left = c;
        if (c < left) fault = true;
        if (top == -1) top = r;
        if (right != -1 && c > right) fault = true;
        if (bottom != -1 && r > bottom) fault = true;
      } else {
        if (left != -1 && right == -1) right = c - 1;
        if (left != -1 && left <= c && c <= right && top != -1 && bottom == -1) {
          bottom = r - 1;
          if (c > left) fault = true;
        }
      }
    }
    if (left != -1 && right == -1) right = columns - 1;
  }
  if (top != -1 && bottom == -1) bottom = rows - 1;

  rectLeft = rectRight = rectTop = rectBottom = -1;
  if (!any || fault || (right - left < 2 && bottom - top < 2)) return;
  for (const int r : {top, bottom}) {
    for (const int c : {left, right}) cellFlags[r * columns + c] |= CELL_CORNER;
  }
  rectLeft = left;
  rectRight = right;
  rectTop = top;
  rectBottom = bottom;
}

}  // namespace zarvell
