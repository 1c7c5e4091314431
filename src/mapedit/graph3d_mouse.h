// Turning the 3D view with the mouse: a press with the left button takes down where it was and
// the angles then; moving while it is held turns the view by 1/36 radian a pixel, sideways
// about the vertical and up and down about the horizontal, in whole track bar steps, past
// 180 degrees on round to -180. Nothing is drawn here: the caller moves the track bars and
// asks the next tick for a relayout.
#pragma once

#include <optional>

#include "mapedit/graph3d_layout.h"

namespace zarvell {

inline constexpr int kRotatePress = 1;
inline constexpr int kRotateRelease = 2;
inline constexpr int kRotateMove = 0x1000;

// One mouse event at (x, y) on the view whose track bars stand at `angles`; the positions the
// track bars take when the event turned the view.
std::optional<TrackPositions> Rotate3D(TGraphAdv& graph, TrackPositions angles, int eventKind,
                                       int x, int y);

// The track bar position of an angle in radians, toward zero; an angle that is a whole step
// apart from rounding stays on it, so an axis the drag did not turn keeps its position.
int TrackPosition(float angle);

}  // namespace zarvell
