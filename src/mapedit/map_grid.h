// What the map grid's buttons do to the image: interpolation over the selected rectangle, one
// degree more or less for the selected cells or the one the engine runs in, a whole column
// shifted, and the throttle sensor's voltage taken as a calibration point. Advances stay within
// 0..60 degrees: a step that would leave them changes nothing.
#pragma once

#include <cstdint>
#include <functional>

#include "link/operating_point.h"
#include "mapedit/cell_selection.h"
#include "params/image.h"

namespace zarvell {

inline constexpr std::uint8_t kMaxAdvance = 60;

// Fills the selected rectangle from its four corners, weighted across by the RPM breakpoints
// and down by the row index; the corners keep their values. False, with nothing changed,
// when the selection is not one filled rectangle.
bool InterpolateSelection(const TSelcell& selection, ParameterImage& image);

// One degree in `direction` (-1 or +1): with `allCells`, every selected cell (every cell when
// nothing is selected), else the cell of the live operating point, unless the engine runs below
// the map's RPM axis. `validate` runs after each changed cell, as the window's validation does
// after every edit.
void StepAdvance(const TSelcell& selection, bool allCells, const link::LiveState& live,
                 int direction, ParameterImage& image, const std::function<void()>& validate);

// One degree in `direction` for the ten cells of `column`, throttle rows or not.
void ShiftColumn(int column, int direction, ParameterImage& image);

// The live throttle voltage as the 0 % point (100..2500 mV) or the 100 % point (2500..4900 mV);
// false, with nothing changed, outside its window.
bool CaptureTps0(std::uint16_t mv, ParameterImage& image);
bool CaptureTps100(std::uint16_t mv, ParameterImage& image);

}  // namespace zarvell
