#include "mapedit/grid_overlay.h"

#include <algorithm>

#include "mapedit/selection_colours.h"

namespace zarvell {
namespace {

constexpr ui::Brush kNoFill{ui::kWhite, ui::Brush::Style::Clear};

ui::Colour CellPen(std::uint16_t flags) {
  if ((flags & CELL_IN_DRAG) != 0) return (flags & CELL_SELECTED) != 0 ? ui::kYellow : ui::kRed;
  return (flags & CELL_CORNER) != 0 ? kDarkGreen : kBlue;
}

}  // namespace

void LayoutGridCells(TSelcell& selection, bool throttleRows, ui::ControlIndex area, ui::Size size) {
  for (int cell = 0; cell < TSelcell::kCells; ++cell) {
    selection.cellRect[cell] = design::map_layout::GridCell(cell / 10, cell % 10, throttleRows);
  }
  selection.area = area;
  selection.areaWidth = size.width;
  selection.areaHeight = size.height;
}

void DrawSelectionOverlay(const TSelcell& selection, ui::Canvas& canvas) {
  const ui::Size size = canvas.SurfaceSize();
  canvas.SetPen({ui::Colour::ButtonFace(), 1, ui::Pen::Style::Solid});
  canvas.SetBrush({ui::Colour::ButtonFace(), ui::Brush::Style::Solid});
  canvas.Rectangle(0, 0, size.width, size.height);
  canvas.SetPen({ui::kRed, 1, ui::Pen::Style::Solid});
  canvas.SetBrush(kNoFill);
  if (selection.state == 1) {
    canvas.Rectangle(std::min(selection.anchorX, selection.currentX),
                     std::min(selection.anchorY, selection.currentY),
                     std::max(selection.anchorX, selection.currentX),
                     std::max(selection.anchorY, selection.currentY));
  }
  for (int cell = 0; cell < TSelcell::kCells; ++cell) {
    const std::uint16_t flags = selection.cellFlags[cell];
    const TSelcell::CellFrame& f = selection.cellRect[cell];
    if (flags == 0 || f.left < 0) continue;
    canvas.SetPen({CellPen(flags), 1, ui::Pen::Style::Solid});
    canvas.Rectangle(f.left, f.top, f.right, f.bottom);
    canvas.Rectangle(f.left - 1, f.top - 1, f.right + 1, f.bottom + 1);
  }
  canvas.Flush();
}

}  // namespace zarvell
