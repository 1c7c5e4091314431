#include "mapedit/live_highlight.h"

#include "design/main_controls.h"

namespace zarvell {

using namespace design;

void HighlightOperatingPoint(const link::LiveState& live, ui::ControlModel& controls) {
  constexpr ui::Colour kLabelNormal = ui::Colour::ButtonFace();
  constexpr ui::Colour kEditNormal = ui::Colour::Window();
  // SetColour leaves a control alone when its colour is already right, so an unchanged
  // operating point costs only the comparisons.
  for (int i = 0; i < 10; ++i) {
    const bool column = !live.belowRpmAxis && i == live.rpmIndex;
    controls.SetColour(Offset(EditRpmAdv1, i), column ? ui::kLime : kEditNormal);
    controls.SetColour(Offset(LabelTps1, i), i == live.tpsIndex ? ui::kLime : kLabelNormal);
    const ui::Colour servo = i == live.servoIndex ? ui::kLime : kEditNormal;
    controls.SetColour(Offset(EditRpmPriv1, i), servo);
    controls.SetColour(Offset(EditNapPriv1, i), servo);
  }
  const int marked = live.belowRpmAxis ? -1 : 10 * live.tpsIndex + live.rpmIndex;
  for (int cell = 0; cell < 100; ++cell) {
    controls.SetColour(CellEdit(cell), cell == marked ? ui::kLime : kEditNormal);
  }
}

}  // namespace zarvell
