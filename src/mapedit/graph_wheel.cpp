#include "mapedit/graph_wheel.h"

#include <algorithm>

#include "mapedit/map_grid.h"
#include "params/view_rules.h"

namespace zarvell {
namespace {

void StepHeld(std::uint8_t& value, int step, int high) {
  value = static_cast<std::uint8_t>(std::clamp(value + step, 0, high));
}

int GraphWheel(GraphForm form, GraphContext& ctx, int delta) {
  const TGraphAdv& g = ctx.graph;
  ParameterImage& image = ctx.image;
  const int step = delta > 0 ? 1 : -1;
  const int target = g.wheelTarget;
  const int row = form == GraphForm::Map ? g.wheelRow : 9;
  const bool shift = g.shiftHeld != 0;
  const bool ctrl = form == GraphForm::Map && g.ctrlHeld != 0;
  const link::LiveState& live = ctx.live;
  for (int r = FirstRow(form); r < 10; ++r) {
    for (int c = 0; c < 10; ++c) {
      bool takesPart = false;
      if (target >= 0) {
        takesPart = (c == target && (r == row || ctrl)) || (r == row && shift) || (ctrl && shift);
      } else if (target == NO_POINT && ctx.selection.state != 0) {
        takesPart = ctx.selection.cellFlags[static_cast<std::size_t>(r * 10 + c)] != 0;
      } else if (target == NO_POINT) {
        // Below the map's RPM axis (or stopped) the engine runs in no cell.
        const int liveRow = form == GraphForm::Map ? live.tpsIndex : 9;
        takesPart = !live.belowRpmAxis && live.rpmIndex < 10 && r == liveRow && c == live.rpmIndex;
      }
      if (takesPart) {
        StepHeld(
            image[field::AdvanceCell(static_cast<std::size_t>(r), static_cast<std::size_t>(c))],
            step, kMaxAdvance);
      }
    }
  }
  if (target == BASE_POINT) StepHeld(image[field::BASE_ADV], step, kMaxAdvance);
  if (target == LIMITER_LINE) StepHeld(image[field::LIMITER], step, 250);
  ctx.edits.ShowSteppedImage();
  ctx.edits.RequestRedraw(kRedrawRelayout);
  return 1;
}

}  // namespace

int MouseWheelDispatch(GraphContext& graph2d, GraphContext& view3d, int viewMode, bool& wheelGuard,
                       int delta, ui::Point at) {
  if (wheelGuard) return 0;
  wheelGuard = true;
  constexpr int kGraph2D = 1, kView3D = 2;
  if (viewMode == kView3D) return CurrentCellWheel(view3d, delta, at);
  if (viewMode != kGraph2D) return 0;
  return graph2d.image[field::TPS_MAPA] != 0 ? MapGraphWheel(graph2d, delta)
                                             : CurveGraphWheel(graph2d, delta);
}

int MapGraphWheel(GraphContext& context, int delta) {
  return GraphWheel(GraphForm::Map, context, delta);
}

int CurveGraphWheel(GraphContext& context, int delta) {
  return GraphWheel(GraphForm::Curve, context, delta);
}

int CurrentCellWheel(GraphContext& ctx, int delta, ui::Point at) {
  const TGraphAdv& g = ctx.graph;
  const link::LiveState& live = ctx.live;
  const bool onSurface =
      at.x >= 0 && at.x <= g.surfaceWidth && at.y >= 0 && at.y <= g.surfaceHeight;
  // Below the map's RPM axis (or stopped) the engine runs in no cell.
  const bool inCell =
      live.rpm != 0 && !live.belowRpmAxis && live.rpmIndex < 10 && live.tpsIndex < 10;
  if (!onSurface || !inCell) return 0;
  StepHeld(ctx.image[field::AdvanceCell(live.tpsIndex, live.rpmIndex)], delta > 0 ? 1 : -1,
           kMaxAdvance);
  ctx.edits.ShowSteppedImage();
  ctx.edits.RequestRedraw(kRedrawRelayout);
  return 1;
}

}  // namespace zarvell
