// The 3D view drawn whole: the advance map as a surface over engine speed and throttle row,
// strip by strip from far to near so that nearer facets cover farther ones, with the selection
// on the grid lines and the engine's live cell marked; beside it the legend of the height
// colours with a pointer at the live cell's advance.
#pragma once

#include "link/operating_point.h"
#include "mapedit/cell_selection.h"
#include "mapedit/graph3d_layout.h"
#include "ui/canvas.h"

namespace zarvell {

// What a drawing shows besides the view's own state.
struct View3DScene {
  const ParameterImage& image;
  const TSelcell& selection;
  const link::LiveState& live;
  TrackPositions angles;
  bool fill;           // "Fill graph"
  bool heightColours;  // "Height color"
  ui::ControlIndex surface;
};

// `relayout`: the angles or the map changed, so the projection is computed afresh first.
void Paint3D(TGraphAdv& graph, const View3DScene& scene, bool relayout, ui::Canvas& view,
             ui::Canvas& legend);

// One triangle of the surface: (x1, y1)-(x2, y2) is its edge on the map's grid, (x3, y3) the
// strip's centre. Filled in the front colour when it faces the viewer, in the back colour when
// it turns away, not at all when its points are in a line; the edge is drawn in every case.
void DrawFacet(ui::Canvas& canvas, float x1, float y1, float x2, float y2, float x3, float y3,
               ui::Colour front, ui::Colour back, ui::Colour edge, bool fill);

}  // namespace zarvell
