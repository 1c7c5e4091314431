#include "mapedit/graph2d_wheel.h"

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

int MouseWheelDispatch(GraphContext& context, int viewMode, bool& wheelGuard, int delta) {
  if (wheelGuard) return 0;
  wheelGuard = true;
  constexpr int kGraph2D = 1;
  if (viewMode != kGraph2D) return 0;  // the 3D view brings its own step
  return context.image[field::TPS_MAPA] != 0 ? MapGraphWheel(context, delta)
                                             : CurveGraphWheel(context, delta);
}

int MapGraphWheel(GraphContext& context, int delta) {
  return GraphWheel(GraphForm::Map, context, delta);
}

int CurveGraphWheel(GraphContext& context, int delta) {
  return GraphWheel(GraphForm::Curve, context, delta);
}

}  // namespace zarvell
