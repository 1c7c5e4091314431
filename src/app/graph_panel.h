// The window's side of the 2D graph GrafAdv: it owns the graph's state, takes the surface's
// mouse and the window's wheel, samples the keys and the live values on every tick and draws
// the graph when the window's redraw word asks for it. It edits the map through the window's
// edit path and shares the map panel's cell selection.
#pragma once

#include <cstdint>

#include "app/edit_path.h"
#include "app/map_panel.h"
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
    std::uint32_t& redrawFlags;
    bool& wheelGuard;
  };
  explicit GraphPanel(Parts parts) : parts_(parts) {}

  // Events on GrafAdv; false for any other control.
  bool OnMouse(ui::ControlIndex image, const ui::MouseEvent& event);
  bool OnWheel(ui::ControlIndex image, const ui::WheelEvent& event);

  void GrafAdvMouseMove(ui::Point at);
  void GrafAdvMouseDown(ui::Point at);
  void GrafAdvMouseUp(ui::Point at);
  void GrafAdvMouseLeave();
  // 1 when the wheel event was taken.
  int MouseWheelDispatch(int delta);

  // The tick's graph step: keys, live values, and the drawing when one is due.
  void GraphTimerStep();
  void RedrawGraphs();

  const TGraphAdv& graph2d() const { return graph2d_; }

 private:
  bool MapForm() const { return parts_.image[field::TPS_MAPA] != 0; }
  GraphContext Context();
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
};

}  // namespace zarvell
