#include "params/view_rules.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "design/main_controls.h"
#include "design/main_design.h"
#include "params/bindings.h"

namespace zarvell {
namespace {

using namespace design;

class ViewRules : public ::testing::Test {
 protected:
  std::uint32_t Apply() { return ApplyViewRules(in, controls); }
  // Sets the bytes the rules read; everything else stays 0.
  void Bike(int bike, int synchro, int channels) {
    image[field::BIKE] = static_cast<std::uint8_t>(bike);
    image[field::Synchro] = static_cast<std::uint8_t>(synchro);
    image[field::PocKanalu] = static_cast<std::uint8_t>(channels);
    Apply();
  }
  void ExpectVisible(std::initializer_list<ControlId> ids, bool visible) {
    for (ControlId id : ids) EXPECT_EQ(controls[id].visible, visible) << kMainControlNames[id];
  }
  void ExpectEnabled(std::initializer_list<ControlId> ids, bool enabled) {
    for (ControlId id : ids) EXPECT_EQ(controls[id].enabled, enabled) << kMainControlNames[id];
  }

  ui::ControlModel controls = NewMainControls();
  ParameterImage image;
  ViewInputs in{.image = &image};
};

TEST_F(ViewRules, SpecialSingleLobeLocksTheLobeNumbersAndShowsTheLobeChecks) {
  Bike(22, 0, 4);
  ExpectEnabled({ComboBoxSynchro, EditPocKanalu, GroupBoxPalec4, CheckBoxPalec4EndP2}, true);
  ExpectEnabled({EditPocPalcu, EditPalec1Zac, EditPalec4End}, false);
  ExpectVisible({UpDownPocPalcu, UpDownPalec1Zac, UpDownPalec4End}, false);
  ExpectVisible({UpDownPocKanalu, CheckBoxNehlidaPalec, CheckBoxPredPalec, CheckBoxSpecStart,
                 CheckBoxPalec1ZacP2, CheckBoxPalec4EndP2, CheckBoxInvInput2, LabelMonSnimac2},
                true);

  Bike(20, 0, 4);  // a preset bike: the same method, nothing to edit by hand
  ExpectEnabled({ComboBoxSynchro, EditPocKanalu, LabelPalec4End, CheckBoxPalec1ZacH2}, false);
  ExpectVisible({UpDownPocKanalu, CheckBoxNehlidaPalec, CheckBoxSpecStart}, false);
}

TEST_F(ViewRules, SynchronizationMethodsDecideLobesPickupsAndChannels) {
  Bike(22, 8, 2);  // 48-2: the lobe flags are fixed, the lobe numbers are not
  ExpectEnabled({CheckBoxPalec1ZacH2, CheckBoxPalec2EndH2, CheckBoxPalec4EndP2}, false);
  ExpectEnabled({EditPocPalcu, EditPalec2End}, true);
  ExpectVisible({UpDownPocPalcu, UpDownPalec1Zac, GroupBoxPalec2, LabelAdvance2}, true);
  ExpectVisible(
      {CheckBoxPalec1ZacP2, CheckBoxInvInput2, CheckBoxNehlidaPalec, GroupBoxPalec3, LabelAdvance3},
      false);

  Bike(22, 7, 4);  // Harley: no channel group whatever the outputs
  ExpectVisible({GroupBoxPalec1, GroupBoxPalec2, GroupBoxPalec3, GroupBoxPalec4, UpDownPocPalcu,
                 UpDownPocKanalu},
                false);
  ExpectVisible({LabelAdvance4, UpDownPalec1End}, true);

  Bike(22, 6, 3);  // cam: the second input without the pick-up flags
  ExpectVisible({GroupBoxPalec1, GroupBoxPalec3, LabelAdvance3, CheckBoxInvInput2}, true);
  ExpectVisible({GroupBoxPalec4, LabelAdvance4, CheckBoxPalec2ZacP2}, false);
  ExpectEnabled({CheckBoxPalec2ZacH2}, true);
}

TEST_F(ViewRules, InputsEnableTheirMonitorsAndClutchFields) {
  image[field::Input1] = 1;
  image[field::Input2] = 3;
  Apply();
  ExpectEnabled({LabelKillSwitch, LabelClutchMon, EditClutchTime, LabelClutchPause}, true);
  ExpectEnabled({LabelBlocking1}, false);
  ExpectVisible({UpDownClutchTime, UpDownClutchPause}, true);

  image[field::Input2] = 0;
  in.inNeutralSs = true;
  Apply();
  ExpectEnabled({LabelKillSwitch, LabelBlocking1}, true);
  ExpectEnabled({LabelClutchMon, EditClutchPause, RadioGroupInput1, RadioGroupInput2}, false);
  ExpectVisible({UpDownClutchTime}, false);
}

TEST_F(ViewRules, PrintingShowsThePaperViewAndComesBack) {
  image[field::Input2] = 4;
  image[field::NO_READING] = 2;
  in.printing = true;
  Apply();
  EXPECT_EQ(controls[FormHlav].colour, ui::kWhite);
  const auto paperHides = {GroupBoxToolBar, StatusBar1,      UpDownOmez2,      UpDownRpmAdv1,
                           UpDown149,       UpDownNapPriv10, UpDownClutchTime, CheckBoxProgHned};
  ExpectVisible(paperHides, false);
  ExpectVisible({EditRpmAdv1, Edit140, EditClutchTime}, true);

  in.printing = false;
  Apply();
  EXPECT_EQ(controls[FormHlav].colour, ui::Colour::ButtonFace());
  EXPECT_EQ(controls[CheckBoxZakazCteni].colour, ui::kRed);
  EXPECT_EQ(controls[CheckBoxProgHned].colour, ui::Colour::ButtonFace());
  ExpectVisible(paperHides, true);
}

TEST_F(ViewRules, TableViewPlacesTheCellRowAndTheGraph) {
  // One row: the 100 % cells sit at the top, the graph below them.
  EXPECT_EQ(Apply(), kRedrawRepaint | kRedrawRelayout);
  EXPECT_EQ(controls[GrafAdv].rect, (ui::Rect{6, 112, 621, 317}));
  EXPECT_EQ(controls[ImageSelect].rect, (ui::Rect{40, 34, 603, 50}));
  EXPECT_EQ(controls[Edit140].rect.top, 51);
  EXPECT_EQ(controls[UpDown149].rect.top, 51);
  ExpectVisible({GrafAdv, ImageSelect, Edit149, UpDown140, LabelRpm1}, true);
  ExpectVisible({LabelTps1, LabelTps10, Edit50, UpDown139, CSpinButton1, CGaugeTps}, false);
  EXPECT_EQ(Apply(), kRedrawRepaint);  // same height: no new layout

  in.tpsMapa = true;  // ten rows fill the table; the graph goes
  EXPECT_EQ(Apply(), 0u);
  EXPECT_EQ(controls[ImageSelect].rect.height, 352);
  EXPECT_EQ(controls[Edit140].rect.top, 348);
  EXPECT_EQ(controls[UpDown149].rect.top, 348);
  ExpectVisible({LabelTps1, LabelTps10, Edit50, UpDown139, CSpinButton10, CGaugeTps}, true);
  ExpectVisible({GrafAdv, Graf3DAdv}, false);
}

TEST_F(ViewRules, GraphViewsHideTheTableAndEveryAxisArrow) {
  in.tpsMapa = true;
  Apply();
  in.mapViewMode = 1;
  EXPECT_EQ(Apply(), kRedrawRepaint | kRedrawRelayout);
  EXPECT_EQ(controls[GrafAdv].rect, (ui::Rect{6, 12, 621, 417}));
  ExpectVisible({GrafAdv}, true);
  ExpectVisible({ImageSelect, EditRpmAdv1, UpDownRpmAdv10, Edit145, UpDown140, Edit50,
                 UpDownRpmPriv1, UpDownNapPriv10, CSpinButton1, Graf3DAdv, TrackBarX},
                false);

  in.mapViewMode = 2;
  EXPECT_EQ(Apply(), kRedrawRepaint);
  ExpectVisible({Graf3DAdv, CMap3DAdv, A3DviewISO, CheckColorMap, TrackBarZ, LabelZ}, true);
  ExpectVisible({GrafAdv, UpDownRpmPriv5}, false);
}

TEST_F(ViewRules, ServoTestModeAndVersionTexts) {
  image[field::SERVO_ENABLE] = 1;
  in.testMode = true;
  in.unit = {"IGN-75", "12.03.2009", "14:05"};
  Apply();
  ExpectVisible({GroupBoxPrivera, LabelPriveraMer, EditKompenz4, UpDownKompenz1}, true);
  EXPECT_EQ(controls[LabelVerze2].caption, "12.03.2009");
  image[field::SERVO_ENABLE] = 0;
  in.testMode = false;
  Apply();
  ExpectVisible({GroupBoxPrivera, LabelPriveraMer, EditKompenz1, UpDownKompenz4}, false);
}

TEST(ViewInputsFromControls, ReadsTheCheckBoxesAndTheMapMode) {
  ui::ControlModel controls = NewMainControls();
  const ParameterImage image;
  controls.SetChecked(AMapModeGraph3D, true);
  controls.SetChecked(CheckBoxTpsMapa, true);
  const ViewInputs in = ReadViewInputs(controls, image, true, false, {});
  EXPECT_EQ(in.mapViewMode, 2);
  EXPECT_TRUE(in.tpsMapa && in.printing);
  EXPECT_FALSE(in.inNeutralSs || in.progHned || in.testMode);
  controls.SetChecked(AMapModeGraph3D, false);
  EXPECT_EQ(MapViewMode(controls), 0);
}

}  // namespace
}  // namespace zarvell
