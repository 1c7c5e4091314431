#include "app/view3d_panel.h"

#include "design/main_controls.h"
#include "mapedit/graph3d_draw.h"
#include "mapedit/graph3d_mouse.h"

namespace zarvell {

using namespace design;

bool View3DPanel::OnClick(ui::ControlIndex id) {
  switch (id) {
    case A3DviewISO:
      A3DviewISOClick();
      return true;
    case A3DviewTOP:
      A3DviewTOPClick();
      return true;
    case CheckFill:
      CheckFillClick();
      return true;
    case CheckColorMap:
      CheckColorMapClick();
      return true;
    default:
      return false;
  }
}

bool View3DPanel::OnSelect(ui::ControlIndex id) {
  switch (id) {
    case TrackBarX:
      OnTrackXChange();
      return true;
    case TrackBarY:
      OnTrackYChange();
      return true;
    case TrackBarZ:
      OnTrackZChange();
      return true;
    default:
      return false;
  }
}

bool View3DPanel::OnMouse(ui::ControlIndex image, const ui::MouseEvent& event) {
  if (image != Graf3DAdv) return false;
  const bool left = event.button == ui::MouseButton::Left;
  switch (event.action) {
    case ui::MouseAction::Down:
      if (left) G3DAdvMouseDown(event.point);
      break;
    case ui::MouseAction::Up:
      if (left) G3DAdvMouseUp(event.point);
      break;
    case ui::MouseAction::Move:
      G3DAdvMouseMove(event.point);
      break;
    case ui::MouseAction::Leave:
      break;  // the view keeps turning only while the button is held
  }
  return true;
}

void View3DPanel::G3DAdvMouseDown(ui::Point at) {
  Rotate(kRotatePress, at);
}
void View3DPanel::G3DAdvMouseMove(ui::Point at) {
  Rotate(kRotateMove, at);
}
void View3DPanel::G3DAdvMouseUp(ui::Point at) {
  Rotate(kRotateRelease, at);
}

void View3DPanel::Rotate(int eventKind, ui::Point at) {
  if (const auto turned = Rotate3D(graph3d_, Angles(), eventKind, at.x, at.y)) {
    SetAngles(*turned);
    Relayout();
  }
}

TrackPositions View3DPanel::Angles() const {
  const ui::ControlModel& c = parts_.controls;
  return {c[TrackBarX].position, c[TrackBarY].position, c[TrackBarZ].position};
}

void View3DPanel::SetAngles(TrackPositions angles) {
  ui::ControlModel& c = parts_.controls;
  if (c.SetPosition(TrackBarX, angles.x)) OnTrackXChange();
  if (c.SetPosition(TrackBarY, angles.y)) OnTrackYChange();
  if (c.SetPosition(TrackBarZ, angles.z)) OnTrackZChange();
}

void View3DPanel::Paint3D(bool relayout) {
  ui::ControlModel& c = parts_.controls;
  const View3DScene scene{parts_.image,         parts_.selection,         parts_.live, Angles(),
                          c[CheckFill].checked, c[CheckColorMap].checked, Graf3DAdv};
  zarvell::Paint3D(graph3d_, scene, relayout, parts_.host.CanvasOf(c, Graf3DAdv),
                   parts_.host.CanvasOf(c, CMap3DAdv));
}

}  // namespace zarvell
