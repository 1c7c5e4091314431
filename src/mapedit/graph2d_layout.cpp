#include "mapedit/graph2d_layout.h"

#include <algorithm>
#include <cmath>

namespace zarvell {
namespace {

int Cell(const ParameterImage& image, int row, int column) {
  return image[field::AdvanceCell(static_cast<std::size_t>(row), static_cast<std::size_t>(column))];
}

// Steps 1, 2, 5 and 6 of both layouts: the surface, the x axis, the plot and the scales.
void LayoutCommon(TGraphAdv& g, const ParameterImage& image, ui::ControlIndex surface,
                  ui::Size size) {
  if (g.surface == ui::kNoControl) g.surface = surface;
  g.surfaceLeft = 0;
  g.surfaceTop = 0;
  g.surfaceWidth = size.width;
  g.surfaceHeight = size.height;
  const int m = std::max(image.Shown(field::RPM_ADV + 9), image.Shown(field::LIMITER));
  g.rpmRange = (m + 900 + 2400) / 2500 * 2500;
  g.plotX0 = g.surfaceLeft + g.marginLeft;
  g.plotY0 = g.surfaceHeight - g.marginBottom;
  g.plotWidth = g.surfaceWidth - g.surfaceLeft - g.marginLeft - g.marginRight;
  g.plotHeight = g.surfaceHeight - g.surfaceTop - g.marginTop - g.marginBottom;
  g.xScale = static_cast<float>(g.plotWidth) / static_cast<float>(g.rpmRange);
}

void ScaleDegrees(TGraphAdv& g) {
  g.yScale = static_cast<float>(g.plotHeight) / static_cast<float>(g.degreeRange);
}

}  // namespace

void LayoutMapGraph(TGraphAdv& g, const ParameterImage& image, ui::ControlIndex surface,
                    ui::Size size) {
  LayoutCommon(g, image, surface, size);
  int rise = 0;
  for (int r = 1; r < 10; ++r) {
    for (int c = 0; c < 10; ++c) rise = std::max(rise, Cell(image, r, c) - Cell(image, r - 1, c));
  }
  g.curveStep = (rise + 12) / 5 * 5;
  int top = image[field::BASE_ADV] + 9 * g.curveStep;
  for (int c = 0; c < 10; ++c) top = std::max(top, Cell(image, 0, c) + 9 * g.curveStep);
  g.degreeRange = (top + 5 + 4) / 5 * 5;
  ScaleDegrees(g);
}

void LayoutCurveGraph(TGraphAdv& g, const ParameterImage& image, ui::ControlIndex surface,
                      ui::Size size) {
  LayoutCommon(g, image, surface, size);
  int top = image[field::BASE_ADV];
  for (int c = 0; c < 10; ++c) top = std::max(top, Cell(image, 9, c));
  g.degreeRange = (top + 2 + 4) / 5 * 5;
  ScaleDegrees(g);
}

void LayoutGraph(GraphForm form, TGraphAdv& graph, const ParameterImage& image,
                 ui::ControlIndex surface, ui::Size size) {
  if (form == GraphForm::Map) {
    LayoutMapGraph(graph, image, surface, size);
  } else {
    LayoutCurveGraph(graph, image, surface, size);
  }
}

int RpmX(const TGraphAdv& g, int rpm) {
  return static_cast<int>(static_cast<float>(g.plotX0) + static_cast<float>(rpm) * g.xScale);
}

int DegreeY(const TGraphAdv& g, int degrees) {
  return static_cast<int>(static_cast<float>(g.plotY0) - static_cast<float>(degrees) * g.yScale);
}

int RoundedRpmX(const TGraphAdv& g, int rpm) {
  return g.plotX0 + static_cast<int>(std::floor(static_cast<float>(rpm) * g.xScale + 0.5f));
}

int RoundedDegreeY(const TGraphAdv& g, int degrees) {
  return g.plotY0 - static_cast<int>(std::floor(static_cast<float>(degrees) * g.yScale + 0.5f));
}

CurvePoint PointOf(const TGraphAdv& g, const ParameterImage& image, int row, int point, int raise) {
  CurvePoint p;
  if (point == BASE_POINT) {
    p.degrees = image[field::BASE_ADV];
  } else {
    const int column = std::min(point, 9);
    p.rpm = point == kRightEndPoint ? g.rpmRange : image.Shown(field::RPM_ADV + column);
    p.degrees = Cell(image, row, column);
  }
  p.degrees += raise;
  p.at = {RpmX(g, p.rpm), DegreeY(g, p.degrees)};
  return p;
}

int LimiterX(const TGraphAdv& g, const ParameterImage& image) {
  return RpmX(g, image.Shown(field::LIMITER));
}

}  // namespace zarvell
