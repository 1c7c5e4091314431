// Routing of the renderer's events to the handlers of the window design.
#include "app/form_hlav.h"

namespace zarvell {

using namespace design;

namespace {

// The check boxes whose mouse release commits the window.
bool CommitsOnMouseRelease(ui::ControlIndex id) {
  switch (id) {
    case CheckBoxBuzDlouhe:
    case CheckBoxInNeutralSs:
    case CheckBoxInvInput1:
    case CheckBoxInvInput2:
    case CheckBoxZamenaPickup:
    case CheckBoxNehlidaPalec:
    case CheckBoxPredPalec:
    case CheckBoxSpecStart:
    case CheckBoxTpsMapa:
    case CheckBoxPrivEnable:
    case CheckBoxProgHned:
      return true;
    default:
      return id >= CheckBoxPalec1ZacH2 && id <= CheckBoxPalec4EndP2;
  }
}

}  // namespace

void TFormHlav::OnClick(ui::ControlIndex id) {
  if (link_.OnClick(id) || map_.OnClick(id) || files_.OnClick(id) || view3d_.OnClick(id)) return;
  if (CommitsOnMouseRelease(id)) return CheckBoxMouseUp(id);
  switch (id) {
    case CheckBoxZakazCteni:
      return CheckBoxZakazCteniClick();
    case AMapForm:
      return AMapFormClick();
    case AMapModeGraph:
      return AMapModeGraphClick();
    case AMapModeGraph3D:
      return AMapModeGraph3DClick();
    case BitBtnServoMinus:
      return BitBtnServoMinusClick();
    case BitBtnServoPlus:
      return BitBtnServoPlusClick();
    case MenuNew:
    case SpeedButton6:
      return MenuNewClick();
    case MenuZpet:
    case SpeedButtonZpet:
      return SpeedButtonZpetClick();
    case MenuZnovu:
    case SpeedButtonZnovu:
      return SpeedButtonZnovuClick();
    case MenuEnglish:
      return MenuEnglishClick();
    case MenuGerman:
      return MenuGermanClick();
    case MenuFrench:
      return MenuFrenchClick();
    case MenuCzech:
      return MenuCzechClick();
    case MenuExit:
      return MenuExitClick();
    case MenuAbout:
      return MenuAboutClick();
    case MenuContens:
      return MenuContensClick();
    case MenuPrint:
    case SpeedButtonPrint:
      return SpeedButtonPrintClick();
    case MenuPrintAll:
      return MenuPrintAllClick();
    default:
      break;
  }
}

// A flag toggled with the keyboard reaches the image with the next commit; only the read-out
// lock acts at once, since its handler runs on any click, and the 3D view's two check boxes,
// which are no part of the image.
void TFormHlav::OnKeyboardToggle(ui::ControlIndex id) {
  if (id == CheckBoxZakazCteni) CheckBoxZakazCteniClick();
  if (id == CheckFill || id == CheckColorMap) view3d_.OnClick(id);
}

void TFormHlav::OnUpDown(ui::ControlIndex id, bool up) {
  if (map_.OnUpDown(id, up)) return;
  if (controls_[id].kind == ui::ControlKind::UpDown) UpDownClick(id);
}

void TFormHlav::OnSelect(ui::ControlIndex id) {
  if (view3d_.OnSelect(id)) return;
  switch (id) {
    case ComboBoxBike:
    case ComboBoxSynchro:
      return ComboBoxBikeChange();
    case ComboBoxNasobekPalcu:
      return ComboBoxNasobekPalcuChange();
    case RadioGroupInput1:
      return RadioGroupInput1Click();
    case RadioGroupInput2:
      return RadioGroupInput2Click();
    default:
      break;
  }
}

void TFormHlav::OnMouse(ui::ControlIndex image, const ui::MouseEvent& event) {
  if (!map_.OnMouse(image, event) && !view3d_.OnMouse(image, event)) graph_.OnMouse(image, event);
}

void TFormHlav::OnWheel(ui::ControlIndex image, const ui::WheelEvent& event) {
  graph_.OnWheel(image, event);
}

void TFormHlav::OnPageChange() {
  constexpr int kAdvanceMapPage = 2;  // TabSheetAdvance, the third page of the notebook
  if (controls_[PageControl1].itemIndex == kAdvanceMapPage) map_.OnEnterAdvanceMap();
}

}  // namespace zarvell
