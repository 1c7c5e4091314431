#include "mapedit/graph2d_mouse.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "mapedit/map_grid.h"
#include "params/view_rules.h"

namespace zarvell {
namespace {

constexpr int kReach = 5;  // pixels around a point or the limiter line that still hit it

struct Hit {
  int point = NO_POINT;
  int row = -1;
  int candidateRow = -1;  // map form: the row whose point is nearest, near enough or not
  ui::Point at;           // the hit point's pixel
};

std::uint8_t& Cell(ParameterImage& image, int row, int column) {
  return image[field::AdvanceCell(static_cast<std::size_t>(row), static_cast<std::size_t>(column))];
}

Hit HitTest(GraphForm form, const GraphContext& ctx, ui::Point at) {
  const TGraphAdv& g = ctx.graph;
  Hit hit;
  int nearest = INT_MAX, best = INT_MAX;
  for (int r = FirstRow(form); r < 10; ++r) {
    const int raise = RowRaise(g, form, r);
    for (int o = BASE_POINT; o <= 9; ++o) {
      const ui::Point p = PointOf(g, ctx.image, r, o, raise).at;
      const int dx = at.x - p.x, dy = at.y - p.y;
      const int d = static_cast<int>(std::sqrt(static_cast<float>(dx * dx + dy * dy)));
      if (form == GraphForm::Map && d < nearest) {
        nearest = d;
        hit.candidateRow = r;
      }
      if (std::abs(dx) <= kReach && std::abs(dy) <= kReach && d < best) {
        best = d;
        hit.point = o;
        hit.row = r;
        hit.at = p;
        if (form == GraphForm::Map) hit.candidateRow = r;
      }
    }
  }
  if (hit.point == NO_POINT && std::abs(at.x - LimiterX(g, ctx.image)) <= kReach) {
    hit.point = LIMITER_LINE;
  }
  return hit;
}

// The hover and the row in front follow the pointer, except while something is dragged.
void Follow(GraphForm form, GraphContext& ctx, const Hit& hit) {
  TGraphAdv& g = ctx.graph;
  const bool free = g.grabbedPoint == NO_POINT;
  const bool rowMoves = form == GraphForm::Map && hit.candidateRow != g.activeRow;
  if (free && (hit.point != g.hoveredPoint || rowMoves)) ctx.edits.RequestRedraw(kRedrawRepaint);
  g.hoveredPoint = free ? hit.point : NO_POINT;
  if (form == GraphForm::Map && free && hit.candidateRow >= 0) g.activeRow = hit.candidateRow;
  g.wheelTarget = g.hoveredPoint;
  if (form == GraphForm::Map && g.hoveredPoint != NO_POINT) g.wheelRow = g.activeRow;
}

// One step of a drag: the grabbed point follows the pointer in whole hundreds of rpm and whole
// degrees, and the pointer is put back onto it when the scales change under it.
void Drag(GraphForm form, GraphContext& ctx, ui::Point at) {
  TGraphAdv& g = ctx.graph;
  ParameterImage& image = ctx.image;
  const float dx = static_cast<float>(at.x - g.plotX0 - g.grabDx);
  const float dy = static_cast<float>(at.y - g.plotY0 - g.grabDy);
  int rpm = static_cast<int>(std::floor(dx / g.xScale * 0.01f + 0.5f)) * 100;
  int deg = -static_cast<int>(std::floor(dy / g.yScale + 0.5f)) - RowRaise(g, form, g.activeRow);
  rpm = std::clamp(rpm, 0, 25500);
  deg = std::clamp(deg, 0, int{kMaxAdvance});

  const int grabbed = g.grabbedPoint;
  if (grabbed >= 0) {
    const std::size_t point = field::RPM_ADV + static_cast<std::size_t>(grabbed);
    image[point] = StoreNumber(FieldAt(point).scale, rpm);
    const int row = form == GraphForm::Map ? g.activeRow : 9;
    const int delta = deg - Cell(image, row, grabbed);
    const bool shift = g.shiftHeld != 0;
    const bool ctrl = form == GraphForm::Map && g.ctrlHeld != 0;
    for (int r = FirstRow(form); r < 10; ++r) {
      for (int c = 0; c < 10; ++c) {
        const bool takesPart =
            (c == grabbed && (r == row || ctrl)) || (r == row && shift) || (ctrl && shift);
        if (!takesPart) continue;
        std::uint8_t& cell = Cell(image, r, c);
        cell = static_cast<std::uint8_t>(std::clamp(cell + delta, 0, int{kMaxAdvance}));
      }
    }
  } else if (grabbed == BASE_POINT) {
    image[field::BASE_ADV] = static_cast<std::uint8_t>(deg);
  } else if (grabbed == LIMITER_LINE) {
    image[field::LIMITER] = StoreNumber(FieldAt(field::LIMITER).scale, rpm);
  }
  ctx.edits.ShowDraggedImage(grabbed);

  const float xScale = g.xScale, yScale = g.yScale;
  LayoutGraph(form, g, image, ctx.surface, ctx.size);
  if (g.xScale != xScale || g.yScale != yScale) {
    ui::Point pointer = at;
    if (g.xScale != xScale) {
      pointer.x =
          static_cast<int>(static_cast<float>(g.plotX0) + static_cast<float>(rpm) * g.xScale +
                           static_cast<float>(g.grabDx));
    }
    if (g.yScale != yScale) {
      const int height = RowRaise(g, form, g.activeRow) + deg;
      pointer.y =
          static_cast<int>(static_cast<float>(g.plotY0) - static_cast<float>(height) * g.yScale +
                           static_cast<float>(g.grabDy));
    }
    ctx.edits.MovePointer(pointer);
    g.skipNextMove = 1;
  }
  ctx.edits.RequestRedraw(form == GraphForm::Map ? kRedrawRelayout : kRedrawRepaint);
}

void Press(GraphForm form, GraphContext& ctx, const Hit& hit, ui::Point at) {
  TGraphAdv& g = ctx.graph;
  if (hit.point >= BASE_POINT) {
    g.grabbedPoint = hit.point;
    if (form == GraphForm::Map) g.activeRow = hit.row;
    g.grabDx = at.x - hit.at.x;
    g.grabDy = at.y - hit.at.y;
  } else if (hit.point == LIMITER_LINE) {
    g.grabbedPoint = LIMITER_LINE;
    g.grabDx = at.x - LimiterX(g, ctx.image);
    g.grabDy = 0;
  } else {
    if (form == GraphForm::Map) {
      LayoutMapPointBoxes(ctx);
    } else {
      LayoutCurvePointBoxes(ctx);
    }
    ctx.selection.BeginSelection(at.x, at.y, g.shiftHeld != 0, g.ctrlHeld != 0);
  }
  ctx.edits.RequestRedraw(kRedrawRepaint);
}

void Release(GraphForm form, GraphContext& ctx, bool selecting) {
  TGraphAdv& g = ctx.graph;
  if (selecting) {
    ctx.selection.FinishSelection();
    ctx.edits.RequestRedraw(kRedrawRepaint);
    if (form == GraphForm::Curve) ctx.edits.ShowSelectionOnGrid();
  } else if (g.grabbedPoint != NO_POINT) {
    g.grabbedPoint = NO_POINT;
    ctx.edits.RequestRedraw(kRedrawRepaint);
    ctx.edits.TakeSnapshot();
  }
}

void GraphMouse(GraphForm form, GraphContext& ctx, ui::MouseAction action, ui::Point at) {
  TGraphAdv& g = ctx.graph;
  if (g.surface == ui::kNoControl) LayoutGraph(form, g, ctx.image, ctx.surface, ctx.size);
  const bool selecting = ctx.selection.state == 1 && ctx.selection.area == ctx.surface;
  const bool outside = at.x < g.surfaceLeft || at.x > g.surfaceWidth || at.y < g.surfaceTop ||
                       at.y > g.surfaceHeight;
  Hit hit;
  if (outside && g.grabbedPoint == NO_POINT) {
    if (g.hoveredPoint != NO_POINT) {
      g.hoveredPoint = NO_POINT;
      ctx.edits.RequestRedraw(kRedrawRepaint);
      if (form == GraphForm::Map) ctx.edits.ClearHint();
    }
    // A selection drag goes on beyond the edge, clamped to it, and ends where the button is
    // let go, so that it never stays half made.
    if (!selecting || action == ui::MouseAction::Down) return;
  } else {
    hit = HitTest(form, ctx, at);
    Follow(form, ctx, hit);
  }

  switch (action) {
    case ui::MouseAction::Move:
      if (g.skipNextMove != 0) {
        g.skipNextMove = 0;
      } else if (selecting) {
        if (ctx.selection.UpdateSelection(at.x, at.y) == 1) {
          ctx.edits.RequestRedraw(kRedrawRepaint);
        }
      } else if (g.grabbedPoint != NO_POINT) {
        Drag(form, ctx, at);
      }
      return;
    case ui::MouseAction::Down:
      Press(form, ctx, hit, at);
      break;
    case ui::MouseAction::Up:
      Release(form, ctx, selecting);
      break;
    case ui::MouseAction::Leave:
      return;
  }
  g.hoveredPoint = g.grabbedPoint != NO_POINT ? NO_POINT : hit.point;
}

void LayoutPointBoxes(GraphForm form, const GraphContext& ctx) {
  TSelcell& selection = ctx.selection;
  selection.cellRect.fill({});
  for (int r = FirstRow(form); r < 10; ++r) {
    const int raise = RowRaise(ctx.graph, form, r);
    for (int c = 0; c < 10; ++c) {
      const ui::Point p = PointOf(ctx.graph, ctx.image, r, c, raise).at;
      selection.cellRect[static_cast<std::size_t>(r * 10 + c)] = {p.x - kReach, p.y - kReach,
                                                                  p.x + kReach, p.y + kReach};
    }
  }
  selection.area = ctx.surface;
  selection.areaWidth = ctx.size.width;
  selection.areaHeight = ctx.size.height;
}

}  // namespace

void MapGraphMouse(GraphContext& context, ui::MouseAction action, ui::Point at) {
  GraphMouse(GraphForm::Map, context, action, at);
}

void CurveGraphMouse(GraphContext& context, ui::MouseAction action, ui::Point at) {
  GraphMouse(GraphForm::Curve, context, action, at);
}

void GrafAdvMouseLeave(TGraphAdv& graph, GraphEdits& edits) {
  if (graph.hoveredPoint == NO_POINT) return;
  graph.hoveredPoint = NO_POINT;
  edits.ClearHint();
  // Added to the word rather than replacing it, so a pending relayout is not lost.
  edits.RequestRedraw(kRedrawRepaint);
}

void LayoutMapPointBoxes(const GraphContext& context) {
  LayoutPointBoxes(GraphForm::Map, context);
}

void LayoutCurvePointBoxes(const GraphContext& context) {
  LayoutPointBoxes(GraphForm::Curve, context);
}

}  // namespace zarvell
