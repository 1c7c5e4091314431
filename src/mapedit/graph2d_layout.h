// Where the 2D graph puts things: the scales chosen from the map, and the pixel of every point
// of a curve. The map form stacks the ten throttle rows, each raised above the next by
// `curveStep` degrees so that no two curves cross; the curve form draws the 100 % row alone.
#pragma once

#include "mapedit/graph_adv.h"
#include "params/image.h"
#include "ui/canvas.h"

namespace zarvell {

enum class GraphForm { Map, Curve };

// The scales for the surface `surface` of `size`: the x axis reaches the next 2500 rpm at
// least 900 rpm beyond the last breakpoint and the limiter, the y axis the next 5 degrees above
// the highest point (with room above it).
void LayoutMapGraph(TGraphAdv& graph, const ParameterImage& image, ui::ControlIndex surface,
                    ui::Size size);
void LayoutCurveGraph(TGraphAdv& graph, const ParameterImage& image, ui::ControlIndex surface,
                      ui::Size size);
void LayoutGraph(GraphForm form, TGraphAdv& graph, const ParameterImage& image,
                 ui::ControlIndex surface, ui::Size size);

// The rows a form draws and hit-tests, and how far row `row` is raised, in degrees.
inline int FirstRow(GraphForm form) {
  return form == GraphForm::Map ? 0 : 9;
}
inline int RowRaise(const TGraphAdv& graph, GraphForm form, int row) {
  return form == GraphForm::Map ? (9 - row) * graph.curveStep : 0;
}

// Pixels of an engine speed and of a height in degrees, truncated towards zero.
int RpmX(const TGraphAdv& graph, int rpm);
int DegreeY(const TGraphAdv& graph, int degrees);
// The same rounded to the nearest pixel, as the grid and the labels are placed.
int RoundedRpmX(const TGraphAdv& graph, int rpm);
int RoundedDegreeY(const TGraphAdv& graph, int degrees);

// Point `point` of row `row` (BASE_POINT, a column, kRightEndPoint) at (rpm, degrees) and in
// pixels, the row raised by `raise` degrees.
struct CurvePoint {
  int rpm = 0;
  int degrees = 0;
  ui::Point at;
};
CurvePoint PointOf(const TGraphAdv& graph, const ParameterImage& image, int row, int point,
                   int raise);

// The pixel column of the limiter line.
int LimiterX(const TGraphAdv& graph, const ParameterImage& image);

}  // namespace zarvell
