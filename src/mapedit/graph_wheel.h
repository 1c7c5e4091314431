// The mouse wheel on the graphs of the map. On the 2D graph: one degree (or 100 rpm of the
// limiter) per notch on the point under the pointer, widened by the keys seen at the last tick
// as a drag is; over empty space on the selected cells, or the cell the engine runs in. On the
// 3D view: the cell the engine runs in. One step per timer tick, so a fast wheel cannot run
// away with the map.
#pragma once

#include "mapedit/graph2d_mouse.h"

namespace zarvell {

// The wheel event of the window in map view mode `viewMode` (0 "Map", 1 "2D", 2 "3D") at `at`
// on the surface of the view it came to; `wheelGuard` is set by the first event of a tick and
// cleared by the tick. 1 when the event was taken, 0 when it goes on to others.
int MouseWheelDispatch(GraphContext& graph2d, GraphContext& view3d, int viewMode, bool& wheelGuard,
                       int delta, ui::Point at);

int MapGraphWheel(GraphContext& context, int delta);
int CurveGraphWheel(GraphContext& context, int delta);
// Only over the 3D view's surface and while the engine runs in a cell of the map.
int CurrentCellWheel(GraphContext& view3d, int delta, ui::Point at);

}  // namespace zarvell
