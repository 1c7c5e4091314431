// The names of every control of the main window, in creation order (a parent before its
// children). One list gives the `ControlId` enumeration and the names the renderer sets as
// object names; the design table fills one row per entry. Families that code walks by number
// (map cells, axis points, servo points) are contiguous.
#pragma once

#include <array>
#include <string_view>

#include "ui/control.h"

// clang-format off
#define ZARVELL_MAIN_CONTROLS(X) \
  X(FormHlav) X(MainMenu1) X(MenuFile) X(MenuNew) X(N1) X(MenuOpen) X(MenuOpenExeDir) X(N2) \
  X(MenuSave) X(MenuSaveExeDir) X(N3) X(MenuPrint) X(MenuPrintAll) X(N4) X(MenuExit) X(MenuCom) \
  X(MenuCom1) X(MenuCom2) X(MenuCom3) X(MenuCom4) X(MenuCom5) X(MenuCom6) X(MenuCom7) X(MenuCom8) \
  X(MenuCom9) X(MenuCom10) X(MenuCom11) X(MenuCom12) X(MenuCom13) X(MenuCom14) X(MenuCom15) \
  X(MenuCom16) X(MenuCom17) X(MenuCom18) X(MenuCom19) X(MenuCom20) X(MenuCom21) X(MenuCom22) \
  X(MenuCom23) X(MenuCom24) X(MenuCom25) X(MenuCom26) X(MenuCom27) X(MenuCom28) X(MenuCom29) \
  X(MenuCom30) X(MenuCom31) X(MenuDevice) X(MenuRead) X(MenuVerify) X(MenuProgram) X(MenuTools) \
  X(AdvanceMinus) X(AdvancePlus) X(MenuZpet) X(MenuZnovu) X(MenuLanguage) X(MenuEnglish) \
  X(MenuGerman) X(MenuFrench) X(MenuCzech) X(MenuHelp) X(MenuContens) X(MenuAbout) \
  X(GroupBoxToolBar) X(SpeedButton6) X(SpeedButtonOpen) X(SpeedButtonSave) X(SpeedButtonPrint) \
  X(SpeedButtonZpet) X(SpeedButtonZnovu) X(ButtonRead) X(BitBtnVerify) X(BitBtnProgram) \
  X(LabelSpojeni) X(Image2) X(PageControl1) X(TabSheetRuzne) X(TabSheetBike) X(TabSheetAdvance) \
  X(TabSheetServo) X(LabelOmez2) X(EditOmez2) X(UpDownOmez2) X(LabelPilotLight) X(EditPilotLight) \
  X(UpDownPilotLight) X(LabelClutchTime) X(EditClutchTime) X(UpDownClutchTime) X(LabelClutchPause) \
  X(EditClutchPause) X(UpDownClutchPause) X(LabelPocSynchro) X(EditPocSynchro) X(UpDownPocSynchro) \
  X(LabelKompenz) X(EditKompenz1) X(EditKompenz2) X(EditKompenz3) X(EditKompenz4) \
  X(UpDownKompenz1) X(UpDownKompenz2) X(UpDownKompenz3) X(UpDownKompenz4) X(GroupBoxTps) \
  X(EditTps0) X(UpDownTps0) X(BitBtnTps0) X(EditTps100) X(UpDownTps100) X(BitBtnTps100) X(Image3) \
  X(CheckBoxBuzDlouhe) X(CheckBoxZakazCteni) X(CheckBoxInNeutralSs) X(RadioGroupInput1) \
  X(LabelMonInput1In) X(RadioGroupInput2) X(LabelMonInput2In) X(LabelBike) X(ComboBoxBike) \
  X(GroupBoxRpm) X(LabelRpmPulsu) X(EditRpmPulsu) X(UpDownRpmPulsu) X(LabelRpmKorekce) \
  X(EditRpmKorekce) X(UpDownRpmKorekce) X(CheckBoxInvInput1) X(CheckBoxInvInput2) \
  X(CheckBoxZamenaPickup) X(CheckBoxNehlidaPalec) X(CheckBoxPredPalec) X(CheckBoxSpecStart) \
  X(LabelVerze1) X(LabelVerze2) X(LabelVerze3) X(LabelPocetProgramovani) X(GroupBoxSpecial) \
  X(LabelSynchro) X(ComboBoxSynchro) X(LabelPocPalcu) X(EditPocPalcu) X(UpDownPocPalcu) \
  X(LabelPocKanalu) X(EditPocKanalu) X(UpDownPocKanalu) X(ComboBoxNasobekPalcu) X(LabelLobe) \
  X(LabelHrana2) X(LabelSnimac2) X(GroupBoxPalec1) X(GroupBoxPalec2) X(GroupBoxPalec3) \
  X(GroupBoxPalec4) X(LabelPalec1Zac) X(LabelPalec2Zac) X(LabelPalec3Zac) X(LabelPalec4Zac) \
  X(LabelPalec1End) X(LabelPalec2End) X(LabelPalec3End) X(LabelPalec4End) X(EditPalec1Zac) \
  X(EditPalec2Zac) X(EditPalec3Zac) X(EditPalec4Zac) X(EditPalec1End) X(EditPalec2End) \
  X(EditPalec3End) X(EditPalec4End) X(UpDownPalec1Zac) X(UpDownPalec2Zac) X(UpDownPalec3Zac) \
  X(UpDownPalec4Zac) X(UpDownPalec1End) X(UpDownPalec2End) X(UpDownPalec3End) X(UpDownPalec4End) \
  X(CheckBoxPalec1ZacH2) X(CheckBoxPalec1ZacP2) X(CheckBoxPalec1EndH2) X(CheckBoxPalec1EndP2) \
  X(CheckBoxPalec2ZacH2) X(CheckBoxPalec2ZacP2) X(CheckBoxPalec2EndH2) X(CheckBoxPalec2EndP2) \
  X(CheckBoxPalec3ZacH2) X(CheckBoxPalec3ZacP2) X(CheckBoxPalec3EndH2) X(CheckBoxPalec3EndP2) \
  X(CheckBoxPalec4ZacH2) X(CheckBoxPalec4ZacP2) X(CheckBoxPalec4EndH2) X(CheckBoxPalec4EndP2) \
  X(GroupBoxAdvance) X(Image1) X(ImageSelect) X(LabelRpm1) X(EditRpmAdv1) X(EditRpmAdv2) \
  X(EditRpmAdv3) X(EditRpmAdv4) X(EditRpmAdv5) X(EditRpmAdv6) X(EditRpmAdv7) X(EditRpmAdv8) \
  X(EditRpmAdv9) X(EditRpmAdv10) X(UpDownRpmAdv1) X(UpDownRpmAdv2) X(UpDownRpmAdv3) \
  X(UpDownRpmAdv4) X(UpDownRpmAdv5) X(UpDownRpmAdv6) X(UpDownRpmAdv7) X(UpDownRpmAdv8) \
  X(UpDownRpmAdv9) X(UpDownRpmAdv10) X(CSpinButton1) X(CSpinButton2) X(CSpinButton3) \
  X(CSpinButton4) X(CSpinButton5) X(CSpinButton6) X(CSpinButton7) X(CSpinButton8) X(CSpinButton9) \
  X(CSpinButton10) X(LabelTps1) X(LabelTps2) X(LabelTps3) X(LabelTps4) X(LabelTps5) X(LabelTps6) \
  X(LabelTps7) X(LabelTps8) X(LabelTps9) X(LabelTps10) X(Edit50) X(Edit51) X(Edit52) X(Edit53) \
  X(Edit54) X(Edit55) X(Edit56) X(Edit57) X(Edit58) X(Edit59) X(Edit60) X(Edit61) X(Edit62) \
  X(Edit63) X(Edit64) X(Edit65) X(Edit66) X(Edit67) X(Edit68) X(Edit69) X(Edit70) X(Edit71) \
  X(Edit72) X(Edit73) X(Edit74) X(Edit75) X(Edit76) X(Edit77) X(Edit78) X(Edit79) X(Edit80) \
  X(Edit81) X(Edit82) X(Edit83) X(Edit84) X(Edit85) X(Edit86) X(Edit87) X(Edit88) X(Edit89) \
  X(Edit90) X(Edit91) X(Edit92) X(Edit93) X(Edit94) X(Edit95) X(Edit96) X(Edit97) X(Edit98) \
  X(Edit99) X(Edit100) X(Edit101) X(Edit102) X(Edit103) X(Edit104) X(Edit105) X(Edit106) \
  X(Edit107) X(Edit108) X(Edit109) X(Edit110) X(Edit111) X(Edit112) X(Edit113) X(Edit114) \
  X(Edit115) X(Edit116) X(Edit117) X(Edit118) X(Edit119) X(Edit120) X(Edit121) X(Edit122) \
  X(Edit123) X(Edit124) X(Edit125) X(Edit126) X(Edit127) X(Edit128) X(Edit129) X(Edit130) \
  X(Edit131) X(Edit132) X(Edit133) X(Edit134) X(Edit135) X(Edit136) X(Edit137) X(Edit138) \
  X(Edit139) X(Edit140) X(Edit141) X(Edit142) X(Edit143) X(Edit144) X(Edit145) X(Edit146) \
  X(Edit147) X(Edit148) X(Edit149) X(UpDown50) X(UpDown51) X(UpDown52) X(UpDown53) X(UpDown54) \
  X(UpDown55) X(UpDown56) X(UpDown57) X(UpDown58) X(UpDown59) X(UpDown60) X(UpDown61) X(UpDown62) \
  X(UpDown63) X(UpDown64) X(UpDown65) X(UpDown66) X(UpDown67) X(UpDown68) X(UpDown69) X(UpDown70) \
  X(UpDown71) X(UpDown72) X(UpDown73) X(UpDown74) X(UpDown75) X(UpDown76) X(UpDown77) X(UpDown78) \
  X(UpDown79) X(UpDown80) X(UpDown81) X(UpDown82) X(UpDown83) X(UpDown84) X(UpDown85) X(UpDown86) \
  X(UpDown87) X(UpDown88) X(UpDown89) X(UpDown90) X(UpDown91) X(UpDown92) X(UpDown93) X(UpDown94) \
  X(UpDown95) X(UpDown96) X(UpDown97) X(UpDown98) X(UpDown99) X(UpDown100) X(UpDown101) \
  X(UpDown102) X(UpDown103) X(UpDown104) X(UpDown105) X(UpDown106) X(UpDown107) X(UpDown108) \
  X(UpDown109) X(UpDown110) X(UpDown111) X(UpDown112) X(UpDown113) X(UpDown114) X(UpDown115) \
  X(UpDown116) X(UpDown117) X(UpDown118) X(UpDown119) X(UpDown120) X(UpDown121) X(UpDown122) \
  X(UpDown123) X(UpDown124) X(UpDown125) X(UpDown126) X(UpDown127) X(UpDown128) X(UpDown129) \
  X(UpDown130) X(UpDown131) X(UpDown132) X(UpDown133) X(UpDown134) X(UpDown135) X(UpDown136) \
  X(UpDown137) X(UpDown138) X(UpDown139) X(UpDown140) X(UpDown141) X(UpDown142) X(UpDown143) \
  X(UpDown144) X(UpDown145) X(UpDown146) X(UpDown147) X(UpDown148) X(UpDown149) X(GrafAdv) \
  X(Graf3DAdv) X(CMap3DAdv) X(LabelX) X(TrackBarX) X(LabelY) X(TrackBarY) X(LabelZ) X(TrackBarZ) \
  X(A3DviewISO) X(A3DviewTOP) X(CheckFill) X(CheckColorMap) X(AMapForm) X(AMapModeGraph) \
  X(AMapModeGraph3D) X(CheckBoxTpsMapa) X(CheckBoxIgnAll) X(BitBtnAdvMinus) X(BitBtnAdvPlus) \
  X(Interpolation) X(LabelBaseAdv) X(EditBaseAdv) X(UpDownBaseAdv) X(CheckBoxPrivEnable) \
  X(GroupBoxPrivera) X(LabelServoRpm) X(LabelServoMv) X(EditRpmPriv1) X(EditRpmPriv2) \
  X(EditRpmPriv3) X(EditRpmPriv4) X(EditRpmPriv5) X(EditRpmPriv6) X(EditRpmPriv7) X(EditRpmPriv8) \
  X(EditRpmPriv9) X(EditRpmPriv10) X(UpDownRpmPriv1) X(UpDownRpmPriv2) X(UpDownRpmPriv3) \
  X(UpDownRpmPriv4) X(UpDownRpmPriv5) X(UpDownRpmPriv6) X(UpDownRpmPriv7) X(UpDownRpmPriv8) \
  X(UpDownRpmPriv9) X(UpDownRpmPriv10) X(EditNapPriv1) X(EditNapPriv2) X(EditNapPriv3) \
  X(EditNapPriv4) X(EditNapPriv5) X(EditNapPriv6) X(EditNapPriv7) X(EditNapPriv8) X(EditNapPriv9) \
  X(EditNapPriv10) X(UpDownNapPriv1) X(UpDownNapPriv2) X(UpDownNapPriv3) X(UpDownNapPriv4) \
  X(UpDownNapPriv5) X(UpDownNapPriv6) X(UpDownNapPriv7) X(UpDownNapPriv8) X(UpDownNapPriv9) \
  X(UpDownNapPriv10) X(LabelServoHyster) X(EditPrivHyster) X(UpDownPrivHyster) X(BitBtnServoMinus) \
  X(BitBtnServoPlus) X(CheckBoxServoAll) X(LabelRpm) X(CGaugeRpm) X(LabelTpsMon) X(CGaugeTps) \
  X(LabelAdvance1) X(LabelAdvance2) X(LabelAdvance3) X(LabelAdvance4) X(LabelMonSnimac1) \
  X(LabelMonSnimac2) X(LabelNapeti) X(LabelPriveraPoz) X(LabelPriveraMer) X(LabelBlocking1) \
  X(LabelMonPilotLight) X(LabelClutchMon) X(LabelKillSwitch) X(LabelCom) X(LabelHlaseni) \
  X(CGaugeProgram) X(CheckBoxProgHned) X(LabelEeDataErr) X(LabelVersion) X(LabelTest1) \
  X(LabelTest2) X(LabelTest3) X(LabelTest4) X(LabelTest5) X(LabelTest6) X(LabelTest7) \
  X(LabelTest8) X(StatusBar1)
// clang-format on

namespace zarvell::design {

// Unscoped on purpose: window code names controls as the design does (`EditOmez2`), and an id
// converts to the model's index without a cast.
enum ControlId : ui::ControlIndex {
#define ZARVELL_CONTROL_ENUM(name) name,
  ZARVELL_MAIN_CONTROLS(ZARVELL_CONTROL_ENUM)
#undef ZARVELL_CONTROL_ENUM
      kMainControlCount
};

inline constexpr std::array<std::string_view, kMainControlCount> kMainControlNames = {
#define ZARVELL_CONTROL_NAME(name) #name,
    ZARVELL_MAIN_CONTROLS(ZARVELL_CONTROL_NAME)
#undef ZARVELL_CONTROL_NAME
};

// Members of numbered families, counted from 0.
constexpr ControlId Offset(ControlId first, int index) {
  return static_cast<ControlId>(first + index);
}
constexpr ControlId CellEdit(int cell) {
  return Offset(Edit50, cell);
}
constexpr ControlId CellUpDown(int cell) {
  return Offset(UpDown50, cell);
}

}  // namespace zarvell::design
