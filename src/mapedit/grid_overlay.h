// The selection drawn over the map grid on ImageSelect: the drag rectangle while the button is
// held, and a double outline around every marked cell, in the gaps around its edit box.
#pragma once

#include "mapedit/cell_selection.h"
#include "ui/canvas.h"

namespace zarvell {

// The cells' frames on ImageSelect (`area`, of `size`): all 100 with throttle rows, else only
// the 100 % row, in the place of the first row.
void LayoutGridCells(TSelcell& selection, bool throttleRows, ui::ControlIndex area, ui::Size size);

// The whole surface in the window's colour, then the drag rectangle in red, then each marked
// cell: yellow (in the drag and selected) or red (in the drag), dark green (a corner of the
// rectangle) or blue (selected).
void DrawSelectionOverlay(const TSelcell& selection, ui::Canvas& canvas);

}  // namespace zarvell
