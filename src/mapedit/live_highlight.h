// The live operating point marked in the window: the map cell the engine runs in, its column's
// breakpoint, its throttle row's label and the nearest point of the servo curve in lime, every
// other entry in its normal colour. Runs on every tick.
#pragma once

#include "link/operating_point.h"
#include "ui/control_model.h"

namespace zarvell {

void HighlightOperatingPoint(const link::LiveState& live, ui::ControlModel& controls);

}  // namespace zarvell
