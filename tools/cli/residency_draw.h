// The pictures of a logged run: the time spent in each map cell as a heat map over the map's
// grid with the advance written in the cells, and the engine speed and throttle over time.
#pragma once

#include "residency.h"
#include "ui/canvas.h"

namespace zarvell::cli {

inline constexpr ui::Size kHeatMapSize{760, 470};
inline constexpr ui::Size kRunPlotSize{760, 320};

void DrawHeatMap(const Residency& residency, ui::Canvas& canvas);
void DrawRunOverTime(const Residency& residency, ui::Canvas& canvas);

}  // namespace zarvell::cli
