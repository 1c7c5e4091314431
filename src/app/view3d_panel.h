// The window's side of the 3D view Graf3DAdv: it owns the view's state, takes the track bars,
// the two preset views, the two check boxes and the drag that turns the view, and paints the
// view and its legend CMap3DAdv when the graphs' redraw comes round. The view only reads the
// image; the wheel over it goes through the graph panel's dispatch.
#pragma once

#include <cstdint>

#include "link/operating_point.h"
#include "mapedit/cell_selection.h"
#include "mapedit/graph3d_layout.h"
#include "params/image.h"
#include "ui/control_model.h"
#include "ui/form_events.h"
#include "ui/form_host.h"

namespace zarvell {

class View3DPanel {
 public:
  struct Parts {
    ui::ControlModel& controls;
    ui::FormHost& host;
    const ParameterImage& image;
    const link::LiveState& live;
    const TSelcell& selection;
    std::uint32_t& redrawFlags;
  };
  explicit View3DPanel(Parts parts) : parts_(parts) {}

  // Events of the view's controls; false for any other control.
  bool OnClick(ui::ControlIndex id);
  bool OnSelect(ui::ControlIndex id);
  bool OnMouse(ui::ControlIndex image, const ui::MouseEvent& event);

  void OnTrackXChange() { Relayout(); }
  void OnTrackYChange() { Relayout(); }
  void OnTrackZChange() { Relayout(); }
  void A3DviewISOClick() { SetAngles(kIsoView); }
  void A3DviewTOPClick() { SetAngles(kTopView); }
  void CheckFillClick() { parts_.redrawFlags |= kRepaint; }
  void CheckColorMapClick() { parts_.redrawFlags |= kRepaint; }
  void G3DAdvMouseDown(ui::Point at);
  void G3DAdvMouseMove(ui::Point at);
  void G3DAdvMouseUp(ui::Point at);

  // The view and its legend, laid out afresh first when `relayout`.
  void Paint3D(bool relayout);

  TGraphAdv& graph3d() { return graph3d_; }
  const TGraphAdv& graph3d() const { return graph3d_; }

 private:
  static constexpr std::uint32_t kRepaint = 1, kRelayout = 2;
  void Relayout() { parts_.redrawFlags |= kRelayout; }
  TrackPositions Angles() const;
  // The track bars moved to `angles`; each one that moved fires its change handler.
  void SetAngles(TrackPositions angles);
  void Rotate(int eventKind, ui::Point at);

  Parts parts_;
  TGraphAdv graph3d_;
};

}  // namespace zarvell
