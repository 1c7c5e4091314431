// Routing of the renderer's events to the handlers of the window design.
#include "app/form_hlav.h"

namespace zarvell {

using namespace app;

void TFormHlav::OnClick(ui::ControlIndex id) {
  switch (id) {
    case MenuEnglish:
      MenuEnglishClick();
      break;
    case MenuGerman:
      MenuGermanClick();
      break;
    case MenuFrench:
      MenuFrenchClick();
      break;
    case MenuCzech:
      MenuCzechClick();
      break;
    case MenuExit:
      MenuExitClick();
      break;
    case MenuAbout:
      MenuAboutClick();
      break;
    case MenuContens:
      MenuContensClick();
      break;
    default:
      break;
  }
}

// The editing, link and map handlers join these as their subsystems arrive.
void TFormHlav::OnKeyboardToggle(ui::ControlIndex) {}
void TFormHlav::OnEditExit(ui::ControlIndex) {}
void TFormHlav::OnEditEnter(ui::ControlIndex) {}
void TFormHlav::OnUpDown(ui::ControlIndex, bool) {}
void TFormHlav::OnSelect(ui::ControlIndex) {}
void TFormHlav::OnMouse(ui::ControlIndex, const ui::MouseEvent&) {}
void TFormHlav::OnWheel(ui::ControlIndex, const ui::WheelEvent&) {}
void TFormHlav::OnPageChange() {}

}  // namespace zarvell
