// The advance map to and from the clipboard in the form spreadsheets use: rows of cells
// separated by tabs (semicolons are read too), one line per map row, top row first as the grid
// shows them.
#pragma once

#include <string>
#include <string_view>

#include "mapedit/cell_selection.h"
#include "params/image.h"

namespace zarvell {

// The smallest rectangle of cells that holds the whole selection, as text; empty when nothing
// is selected.
std::string CopyCells(const ParameterImage& image, const TSelcell& selection);

// Whether a clipboard text is a block of cells rather than a single value, which the edit box
// with the focus takes as typed text.
bool LooksLikeBlock(std::string_view text);

struct PasteOutcome {
  enum class Kind { Pasted, NotNumbers, DoesNotFit } kind = Kind::Pasted;
  int rows = 0, columns = 0;    // the block's size
  int atRow = 0, atColumn = 0;  // the cell its first value goes to
};

// The block goes in at the selection's top-left cell, or at the grid's first cell when
// nothing is selected (row 0 with throttle rows, row 9 without); values are held within
// 0..60. A block that is not all whole numbers, or that reaches past the map's edge (or,
// without throttle rows, past the single row shown), changes nothing.
PasteOutcome PasteCells(std::string_view text, const TSelcell& selection, bool throttleRows,
                        ParameterImage& image);

}  // namespace zarvell
