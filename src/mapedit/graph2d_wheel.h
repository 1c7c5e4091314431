// The mouse wheel on the 2D graph: one degree (or 100 rpm of the limiter) per notch on the
// point under the pointer, widened by the keys seen at the last tick as a drag is; over empty
// space on the selected cells, or the cell the engine runs in. One step per timer tick, so a
// fast wheel cannot run away with the map.
#pragma once

#include "mapedit/graph2d_mouse.h"

namespace zarvell {

// The wheel event of the window in map view mode `viewMode` (0 "Map", 1 "2D", 2 "3D");
// `wheelGuard` is set by the first event of a tick and cleared by the tick. 1 when the event
// was taken, 0 when it goes on to others.
int MouseWheelDispatch(GraphContext& context, int viewMode, bool& wheelGuard, int delta);

int MapGraphWheel(GraphContext& context, int delta);
int CurveGraphWheel(GraphContext& context, int delta);

}  // namespace zarvell
