// The bindings between image bytes and the window's controls, on a bare main-window model.
#include "params/bindings.h"

#include <gtest/gtest.h>

#include <set>

#include "design/main_design.h"
#include "mapedit/startup_image.h"

namespace zarvell {
namespace {

using namespace design;

TEST(Conversions, StoreDropsTheRemainderAndShowScalesBack) {
  EXPECT_EQ(StoreNumber(Scale::Hundreds, 1550), 15);
  EXPECT_EQ(ShowNumber(Scale::Hundreds, 15), 1500);
  EXPECT_EQ(StoreNumber(Scale::Twenties, 4999), 249);
  EXPECT_EQ(ShowNumber(Scale::Twenties, 249), 4980);
  EXPECT_EQ(StoreNumber(Scale::Fives, 1275), 255);
  EXPECT_EQ(StoreNumber(Scale::Tens, 709), 70);
  // The full-throttle voltage counts from 2500 mV: 3790 mV is 129, 2500 mV wraps to 0.
  EXPECT_EQ(StoreNumber(Scale::Tps100, 3790), 129);
  EXPECT_EQ(StoreNumber(Scale::Tps100, 2500), 0);
  EXPECT_EQ(ShowNumber(Scale::Tps100, 129), 3790);
  EXPECT_EQ(ShowNumber(Scale::Tps100, 225), 4750);
  EXPECT_EQ(StoreNumber(Scale::Percent, -60), 40);
  EXPECT_EQ(StoreNumber(Scale::Percent, 0), 100);
  EXPECT_EQ(ShowNumber(Scale::Percent, 160), 60);
  EXPECT_EQ(StoreNumber(Scale::Unit, 58), 58);
}

// A control range that its byte cannot hold, or a scale that does not fit the control's step,
// would lose what the user typed.
TEST(Bindings, EveryNumberInAControlsRangeSurvivesTheByte) {
  const ui::ControlModel controls = NewMainControls();
  for (const FieldBinding& b : FieldBindings()) {
    if (b.kind != BindingKind::Number) continue;
    const ui::Control& upDown = controls[b.control];
    SCOPED_TRACE(std::string(controls.Name(b.control)));
    for (int n = upDown.min; n <= upDown.max; n += upDown.increment) {
      const int shown = ShowNumber(b.scale, StoreNumber(b.scale, n));
      // The lowest limiter and axis points are one below a whole hundred; they show rounded down.
      if (n % 100 == 99) continue;
      ASSERT_EQ(shown, n) << "position " << n;
    }
  }
}

TEST(Bindings, EveryFieldButTheReservedBytesHasItsOwnControl) {
  std::set<std::size_t> bytes;
  std::set<ui::ControlIndex> controls;
  for (const FieldBinding& b : FieldBindings()) {
    EXPECT_FALSE(field::IsReserved(b.byte)) << int(b.byte);
    bytes.insert(b.byte);
    controls.insert(b.control);
    EXPECT_EQ(BindingOfControl(b.control), &b);
  }
  EXPECT_EQ(bytes.size(), 187u);
  EXPECT_EQ(controls.size(), 187u);
  EXPECT_EQ(BindingOfControl(EditOmez2), nullptr);  // the edit box goes through its up/down
  EXPECT_EQ(BindingOfControl(CheckBoxServoAll), nullptr);
}

TEST(Bindings, LobeFlagsFollowTheImageOrderAcrossChannels) {
  EXPECT_EQ(LobeFlagBox(38), CheckBoxPalec1ZacH2);
  EXPECT_EQ(LobeFlagBox(41), CheckBoxPalec4ZacH2);
  EXPECT_EQ(LobeFlagBox(42), CheckBoxPalec1EndH2);
  EXPECT_EQ(LobeFlagBox(47), CheckBoxPalec2ZacP2);
  EXPECT_EQ(LobeFlagBox(53), CheckBoxPalec4EndP2);
}

class Binding : public ::testing::Test {
 protected:
  ui::ControlModel controls = NewMainControls();
  ParameterImage image = StartupImage(20);
};

TEST_F(Binding, ShowThenCommitGivesTheSameImage) {
  for (int bike : {20, 5, 7, 36}) {
    image = StartupImage(static_cast<std::uint8_t>(bike));
    ShowImageControls(image, controls);
    ParameterImage committed = image;
    CommitImage(controls, committed, false);
    EXPECT_EQ(committed, image) << "bike " << bike;
  }
}

TEST_F(Binding, ShowWritesConvertedNumbersListsAndFlags) {
  image[field::RpmKorekce] = 95;
  image[field::SERVO_ENABLE] = 7;  // any non-zero byte shows checked
  ShowImageControls(image, controls);
  EXPECT_EQ(controls[EditOmez2].text, "11000");
  EXPECT_EQ(controls[EditTps100].text, "3790");
  EXPECT_EQ(controls[EditRpmKorekce].text, "-5");
  EXPECT_EQ(controls[EditNapPriv1].text, "2000");
  EXPECT_EQ(controls[ComboBoxBike].itemIndex, 33);         // code 20 "Yamaha R6"
  EXPECT_EQ(controls[ComboBoxNasobekPalcu].itemIndex, 0);  // GEBER_MODE 1
  EXPECT_TRUE(controls[CheckBoxPrivEnable].checked);
  EXPECT_EQ(controls[Edit50].text, "10");
}

TEST_F(Binding, ANumberOutsideItsRangeShowsTheNearestEndUntilTheNextCommit) {
  image[field::PocKanalu] = 9;
  ShowImageControls(image, controls);
  EXPECT_EQ(controls[UpDownPocKanalu].position, 4);
  EXPECT_EQ(controls[EditPocKanalu].text, "4");
  EXPECT_EQ(image[field::PocKanalu], 9);
  CommitImage(controls, image, false);
  EXPECT_EQ(image[field::PocKanalu], 4);
}

TEST_F(Binding, TypedTextIsTakenWhenItIsAWholeNumberInRange) {
  ShowImageControls(image, controls);
  controls.SetText(EditOmez2, "1550");
  controls.SetText(EditPilotLight, "9000x");
  controls.SetText(EditBaseAdv, "41");  // above the range 0..40
  CommitImage(controls, image, false);
  EXPECT_EQ(image[field::LIMITER], 15);
  EXPECT_EQ(image[field::PILOT_LIGHT], 90);
  EXPECT_EQ(image[field::BASE_ADV], 10);
}

TEST_F(Binding, GapWheelShowsEverySecondEdgeAndTheCommitStoresThem) {
  image = StartupImage(32);  // "Ducati inj. 48-2": channels 1 and 2 only
  image[field::PalecZacH2 + 2] = 0;
  ShowImageControls(image, controls);
  for (std::size_t byte = 38; byte < 46; ++byte) EXPECT_TRUE(controls[LobeFlagBox(byte)].checked);
  CommitImage(controls, image, false);
  for (std::size_t byte = 38; byte < 46; ++byte) EXPECT_EQ(image[byte], 1) << byte;
}

TEST_F(Binding, LobeChecksAreClearedForAnyWheelButTheHandMadeSingleLobe) {
  image[field::BIKE] = 22;
  image[field::Synchro] = 0;
  ShowImageControls(image, controls);
  controls.SetChecked(CheckBoxNehlidaPalec, true);
  controls.SetChecked(CheckBoxPredPalec, true);
  CommitImage(controls, image, false);
  EXPECT_EQ(image[field::NO_LOBE_CHECK], 1);
  EXPECT_EQ(image[field::SPARK_BEFORE_LOBE], 1);

  controls.SetItemIndex(ComboBoxSynchro, 3);
  CommitImage(controls, image, false);
  EXPECT_EQ(image[field::NO_LOBE_CHECK], 0);
  EXPECT_EQ(image[field::SPARK_BEFORE_LOBE], 0);
  EXPECT_FALSE(controls[CheckBoxNehlidaPalec].checked);
  EXPECT_FALSE(controls[CheckBoxPredPalec].checked);
}

TEST_F(Binding, CompensationsAreElevenOutsideTestMode) {
  image[field::Kompenz] = 30;  // as a file or the unit may bring it
  ShowImageControls(image, controls);
  EXPECT_EQ(controls[EditKompenz1].text, "30");
  ParameterImage normal = image;
  CommitImage(controls, normal, false);
  EXPECT_EQ(normal[field::Kompenz], 11);
  controls.SetText(EditKompenz4, "200");
  CommitImage(controls, image, true);
  EXPECT_EQ(image[field::Kompenz], 30);
  EXPECT_EQ(image[field::Kompenz + 3], 200);
}

TEST_F(Binding, AnUnknownBikeCodeOrAnEmptyListLeavesTheByteAlone) {
  ShowImageControls(image, controls);
  image[field::BIKE] = 40;
  ShowImageControls(image, controls);
  EXPECT_EQ(controls[ComboBoxBike].itemIndex, 33);
  controls.SetItemIndex(ComboBoxBike, -1);
  controls.SetItemIndex(RadioGroupInput2, -1);
  image[field::Input2] = 3;
  CommitImage(controls, image, false);
  EXPECT_EQ(image[field::BIKE], 40);
  EXPECT_EQ(image[field::Input2], 3);
}

TEST_F(Binding, TheRefreshReportsTheRadioGroupsItMoved) {
  ShowImageControls(image, controls);
  image[field::Input2] = 4;
  const RadioMoves moved = ShowImageControls(image, controls);
  EXPECT_FALSE(moved.input1);
  EXPECT_TRUE(moved.input2);
  EXPECT_FALSE(ShowImageControls(image, controls).input2);
}

}  // namespace
}  // namespace zarvell
