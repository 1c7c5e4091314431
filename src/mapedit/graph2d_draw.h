// The 2D graph drawn whole onto its surface: the plot with its grid and labels, the curves with
// the selection's colours, the markers of the hovered and grabbed points, the limiter line and
// the live operating point. The map form stacks the ten throttle rows with the active one in
// red; the curve form draws the 100 % row alone.
#pragma once

#include <string>

#include "link/operating_point.h"
#include "mapedit/cell_selection.h"
#include "mapedit/graph2d_layout.h"
#include "ui/canvas.h"

namespace zarvell {

// What a drawing shows besides the graph's own state.
struct GraphScene {
  const ParameterImage& image;
  const TSelcell& selection;
  const link::LiveState& live;
  ui::ControlIndex surface;
};

// `relayout`: the scales are computed afresh first.
void DrawMapGraph(TGraphAdv& graph, const GraphScene& scene, bool relayout, ui::Canvas& canvas);
void DrawCurveGraph(TGraphAdv& graph, const GraphScene& scene, bool relayout, ui::Canvas& canvas);

// The map form's hint: the grabbed or hovered point's values, empty over nothing.
std::string GraphHint(const TGraphAdv& graph, const ParameterImage& image);

}  // namespace zarvell
