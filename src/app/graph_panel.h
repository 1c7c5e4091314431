// The window's side of the 2D graph GrafAdv: it owns the graph's state, takes the surface's
// mouse and the wheel over both graphs, samples the keys and the live values on every tick for
// the graph shown and draws the graphs when the window's redraw word asks for it. It edits the
// map through the window's edit path and shares the map panel's cell selection.
#pragma once

#include <cstdint>

#include "app/edit_path.h"
#include "app/map_panel.h"
#include "app/view3d_panel.h"
#include "link/operating_point.h"
#include "mapedit/graph2d_mouse.h"
#include "mapedit/graph_adv.h"
#include "params/image.h"
#include "ui/control_model.h"
#include "ui/form_events.h"
#include "ui/form_host.h"

namespace zarvell {

class GraphPanel final : private GraphEdits {
 public:
  struct Parts {
    ui::ControlModel& controls;
    ui::FormHost& host;
    ParameterImage& image;
    const link::LiveState& live;
    EditPath& edits;
    MapPanel& map;
    View3DPanel& view3d;
    std::uint32_t& redrawFlags;
    bool& wheelGuard;
  };
  explicit GraphPanel(Parts parts) : parts_(parts) {}

  // The mouse on GrafAdv, the wheel on it or on Graf3DAdv; false for any other control.
  bool OnMouse(ui::ControlIndex image, const ui::MouseEvent& event);
  bool OnWheel(ui::ControlIndex image, const ui::WheelEvent& event);

  void GrafAdvMouseMove(ui::Point at);
  void GrafAdvMouseDown(ui::Point at);
  void GrafAdvMouseUp(ui::Point at);
  void GrafAdvMouseLeave();
  // 1 when the wheel event at `at` on the shown graph's surface was taken.
  int MouseWheelDispatch(int delta, ui::Point at);

  // The tick's graph step: keys, live values, the end of a run of wheel steps, and the drawing
  // when one is due.
  void GraphTimerStep();
  // A run of wheel steps not yet recorded becomes one undo step; the window's undo and redo
  // call this first, so the run can be undone and redone like any edit.
  void EndWheelRun();
  void RedrawGraphs();

  const TGraphAdv& graph2d() const { return graph2d_; }

 private:
  bool MapForm() const { return parts_.image[field::TPS_MAPA] != 0; }
  GraphContext Context();
  GraphContext Context3D();
  // Keys and live values seen on `graph`'s instance since the last tick ask for a repaint.
  void SampleTick(TGraphAdv& graph);
  void Mouse(ui::MouseAction action, ui::Point at);
  // GraphEdits
  void RequestRedraw(std::uint32_t bits) override { parts_.redrawFlags |= bits; }
  void ShowDraggedImage(int pin) override { parts_.edits.ShowDraggedImage(pin); }
  void ShowSteppedImage() override { parts_.edits.ShowArrivedImage(); }
  void TakeSnapshot() override { parts_.edits.TakeSnapshot(); }
  void MovePointer(ui::Point at) override;
  void ClearHint() override;
  void ShowSelectionOnGrid() override { parts_.map.ShowGrid(); }

  Parts parts_;
  TGraphAdv graph2d_;
  // What the redraw word asked of each graph while it was hidden, done when it is shown.
  std::uint32_t pending2d_ = 0, pending3d_ = 0;
  // Ticks since the last wheel step of a run not yet recorded; -1 when there is none.
  int wheelQuietTicks_ = -1;
};

}  // namespace zarvell
