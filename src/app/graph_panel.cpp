#include "app/graph_panel.h"

#include "design/main_controls.h"
#include "mapedit/graph2d_draw.h"
#include "mapedit/graph_wheel.h"
#include "params/view_rules.h"

namespace zarvell {

using namespace design;

namespace {
// A wheel still for this many ticks (about half a second) has ended its run.
constexpr int kWheelRunEndTicks = 10;
}  // namespace

bool GraphPanel::OnMouse(ui::ControlIndex image, const ui::MouseEvent& event) {
  if (image != GrafAdv) return false;
  const bool left = event.button == ui::MouseButton::Left;
  switch (event.action) {
    case ui::MouseAction::Move:
      GrafAdvMouseMove(event.point);
      break;
    case ui::MouseAction::Down:
      if (left) GrafAdvMouseDown(event.point);
      break;
    case ui::MouseAction::Up:
      if (left) GrafAdvMouseUp(event.point);
      break;
    case ui::MouseAction::Leave:
      GrafAdvMouseLeave();
      break;
  }
  return true;
}

bool GraphPanel::OnWheel(ui::ControlIndex image, const ui::WheelEvent& event) {
  if (image != GrafAdv && image != Graf3DAdv) return false;
  return MouseWheelDispatch(event.delta, event.point) == 1;
}

void GraphPanel::GrafAdvMouseMove(ui::Point at) {
  Mouse(ui::MouseAction::Move, at);
}
void GraphPanel::GrafAdvMouseDown(ui::Point at) {
  Mouse(ui::MouseAction::Down, at);
}
void GraphPanel::GrafAdvMouseUp(ui::Point at) {
  Mouse(ui::MouseAction::Up, at);
}

void GraphPanel::GrafAdvMouseLeave() {
  zarvell::GrafAdvMouseLeave(graph2d_, *this);
}

int GraphPanel::MouseWheelDispatch(int delta, ui::Point at) {
  GraphContext graph2d = Context();
  GraphContext view3d = Context3D();
  const int taken = zarvell::MouseWheelDispatch(graph2d, view3d, MapViewMode(parts_.controls),
                                                parts_.wheelGuard, delta, at);
  if (taken == 1) wheelQuietTicks_ = 0;
  return taken;
}

void GraphPanel::EndWheelRun() {
  if (wheelQuietTicks_ < 0) return;
  wheelQuietTicks_ = -1;
  TakeSnapshot();
}

void GraphPanel::Mouse(ui::MouseAction action, ui::Point at) {
  GraphContext context = Context();
  if (MapForm()) {
    MapGraphMouse(context, action, at);
  } else {
    CurveGraphMouse(context, action, at);
  }
}

GraphContext GraphPanel::Context() {
  const ui::Rect& rect = parts_.controls[GrafAdv].rect;
  return {graph2d_,    parts_.image, parts_.map.selection(),
          parts_.live, GrafAdv,      {rect.width, rect.height},
          *this};
}

GraphContext GraphPanel::Context3D() {
  const ui::Rect& rect = parts_.controls[Graf3DAdv].rect;
  return {parts_.view3d.graph3d(),   parts_.image, parts_.map.selection(), parts_.live, Graf3DAdv,
          {rect.width, rect.height}, *this};
}

void GraphPanel::GraphTimerStep() {
  int mode = MapViewMode(parts_.controls);
  constexpr int kMap = 0, kGraph2D = 1, kView3D = 2;
  // Without throttle rows the table view shows the graph under its single row.
  if (mode == kMap && !MapForm()) mode = kGraph2D;
  parts_.wheelGuard = false;
  if (wheelQuietTicks_ >= 0 && ++wheelQuietTicks_ >= kWheelRunEndTicks) EndWheelRun();
  if (mode == kGraph2D) SampleTick(graph2d_);
  if (mode == kView3D) SampleTick(parts_.view3d.graph3d());
  RedrawGraphs();
}

void GraphPanel::SampleTick(TGraphAdv& g) {
  const ui::Modifiers keys = parts_.host.KeyboardModifiers();
  const int shift = keys.shift ? 1 : 0, ctrl = keys.ctrl ? 1 : 0;
  if (shift != g.shiftHeld || ctrl != g.ctrlHeld) parts_.redrawFlags |= kRedrawRepaint;
  g.shiftHeld = shift;
  g.ctrlHeld = ctrl;
  const link::LiveState& live = parts_.live;
  if (live.rpm != g.lastLiveRpm || live.tpsPercent != g.lastLiveTps) {
    g.lastLiveRpm = live.rpm;
    g.lastLiveTps = live.tpsPercent;
    parts_.redrawFlags |= kRedrawRepaint;
  }
  if (live.tpsIndex * 10 + live.rpmIndex != g.drawnLiveCell) {
    parts_.redrawFlags |= kRedrawRepaint;
  }
}

void GraphPanel::RedrawGraphs() {
  std::uint32_t& flags = parts_.redrawFlags;
  pending2d_ |= flags;
  pending3d_ |= flags;
  flags = 0;
  // A hidden graph keeps the request: the view rules ask for a repaint when they show it, and a
  // relayout asked for meanwhile must still be done then.
  const ui::ControlModel& c = parts_.controls;
  if (pending2d_ != 0 && c[GrafAdv].visible) {
    const GraphScene scene{parts_.image, parts_.map.selection(), parts_.live, GrafAdv};
    ui::Canvas& canvas = parts_.host.CanvasOf(c, GrafAdv);
    const bool relayout = (pending2d_ & kRedrawRelayout) != 0;
    if (MapForm()) {
      DrawMapGraph(graph2d_, scene, relayout, canvas);
      parts_.controls.SetHint(GrafAdv, GraphHint(graph2d_, parts_.image));
    } else {
      DrawCurveGraph(graph2d_, scene, relayout, canvas);
      parts_.controls.SetHint(GrafAdv, {});
    }
    pending2d_ = 0;
  }
  if (pending3d_ != 0 && c[Graf3DAdv].visible) {
    parts_.view3d.Paint3D((pending3d_ & kRedrawRelayout) != 0);
    pending3d_ = 0;
  }
}

void GraphPanel::MovePointer(ui::Point at) {
  parts_.host.MovePointer(GrafAdv, at);
}

void GraphPanel::ClearHint() {
  parts_.controls.SetHint(GrafAdv, {});
}

}  // namespace zarvell
