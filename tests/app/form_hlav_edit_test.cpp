// Editing the parameter set through the headless main window: the edit path, the bike change,
// New, the servo steps, and undo and redo.
#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <vector>

#include "app/image_dump.h"
#include "headless_window.h"
#include "params/ign_file.h"
#include "params/presets.h"
#include "support/temp_dir.h"

namespace zarvell {
namespace {

using namespace design;
using ui::MessageAnswer;

// Bike list positions of the codes the cases use.
constexpr int kCode5 = 13, kCode7 = 15, kCode8 = 20, kCode18 = 31, kCode22 = 37;

class Editing : public ::testing::Test {
 protected:
  testutil::TempDir dir;
  HeadlessWindow w{dir.path()};
};

TEST_F(Editing, StartsShowingTheImageWithNothingToUndo) {
  EXPECT_EQ(w[EditOmez2].text, "11000");
  EXPECT_EQ(w[ComboBoxBike].itemIndex, 33);
  EXPECT_EQ(w[EditTps100].text, "3790");
  EXPECT_FALSE(w[SpeedButtonZpet].enabled);
  EXPECT_FALSE(w[MenuZpet].enabled);
  EXPECT_FALSE(w[SpeedButtonZnovu].enabled);
  EXPECT_FALSE(w[MenuZnovu].enabled);
}

TEST_F(Editing, TypedNumbersAreStoredInTheFieldsUnitAndShownBackRounded) {
  w.Type(EditOmez2, "1550");
  EXPECT_EQ(w(field::LIMITER), 15);
  EXPECT_EQ(w[EditOmez2].text, "1500");
  EXPECT_TRUE(w[SpeedButtonZpet].enabled);

  w.Type(EditOmez2, "25001");  // above the control's maximum
  EXPECT_EQ(w(field::LIMITER), 15);
  EXPECT_EQ(w[EditOmez2].text, "1500");
  w.Type(EditRpmKorekce, "-7");
  EXPECT_EQ(w(field::RpmKorekce), 93);
  w.Step(UpDownTps100, true);
  EXPECT_EQ(w(field::Tps100), 130);
  EXPECT_EQ(w[EditTps100].text, "3800");
}

TEST_F(Editing, EnterInAMapCellCommitsAndMovesToTheNextCell) {
  w.Click(CheckBoxTpsMapa);
  w.Page(2);
  ASSERT_TRUE(w[Edit75].visible);
  w.Enter(Edit75, "40");
  EXPECT_EQ(w(field::AdvanceCell(2, 5)), 40);
  EXPECT_EQ(w.form.controls().focus(), Edit76);
  EXPECT_EQ(w[Edit75].text, "40");
}

TEST_F(Editing, KeyboardToggledFlagsWaitForTheNextCommit) {
  w.Page(0);
  w.Toggle(CheckBoxBuzDlouhe, true);
  EXPECT_EQ(w(field::EXCITATION), 0);
  EXPECT_FALSE(w[SpeedButtonZpet].enabled);
  w.Type(EditPilotLight, "8000");
  EXPECT_EQ(w(field::EXCITATION), 1);
  EXPECT_EQ(w(field::PILOT_LIGHT), 80);
  // So does Enter anywhere in the window, which also moves on like Tab.
  w.Toggle(CheckBoxBuzDlouhe, false);
  ui::DeliverEditEnter(w.form.controls(), w.form, CheckBoxBuzDlouhe);
  EXPECT_EQ(w(field::EXCITATION), 0);
  EXPECT_EQ(w.form.controls().focus(), CheckBoxZakazCteni);
  // The mouse commits at once.
  w.Click(CheckBoxZamenaPickup);
  EXPECT_EQ(w(field::PICKUPS_INTERCHANGE), 1);
}

TEST_F(Editing, TheReadOutLockCommitsAndTurnsRedWithoutAnUndoStep) {
  w.Click(CheckBoxZakazCteni);
  EXPECT_EQ(w(field::NO_READING), 1);
  EXPECT_EQ(w[CheckBoxZakazCteni].colour, ui::kRed);
  EXPECT_FALSE(w[SpeedButtonZpet].enabled);
  w.Toggle(CheckBoxZakazCteni, false);  // from the keyboard as well
  EXPECT_EQ(w(field::NO_READING), 0);
  EXPECT_EQ(w[CheckBoxZakazCteni].colour, ui::Colour::ButtonFace());
}

TEST_F(Editing, TheInputGroupsStoreTheirChoiceAloneAndRecordIt) {
  w.Toggle(CheckBoxBuzDlouhe, true);
  w.Select(RadioGroupInput2, 3);
  EXPECT_EQ(w(field::Input2), 3);
  EXPECT_EQ(w(field::EXCITATION), 0);  // nothing else is committed
  EXPECT_TRUE(w[SpeedButtonZpet].enabled);
  EXPECT_TRUE(w[EditClutchTime].enabled);
  EXPECT_TRUE(w[UpDownClutchTime].visible);
  w.Select(RadioGroupInput2, 0);
  EXPECT_FALSE(w[EditClutchTime].enabled);
}

TEST_F(Editing, OutsideTestModeEveryEditStoresElevenCompensations) {
  testutil::TempDir other;
  ParameterImage image = w.form.image();
  image[field::Kompenz + 2] = 30;  // as a file or the unit may bring it
  other.Write("_Zarvell_v75.ini", FormatImageDump(image));
  HeadlessWindow fromDump(other.path());
  ASSERT_EQ(fromDump(field::Kompenz + 2), 30);
  fromDump.Type(EditOmez2, "9000");
  EXPECT_EQ(fromDump(field::Kompenz + 2), 11);

  testutil::TempDir testDir;
  testDir.Write("test_brenik.txt", "DIAG_SWITCH");
  HeadlessWindow test(testDir.path());
  ASSERT_TRUE(test[EditKompenz1].visible);
  test.Type(EditKompenz3, "30");
  EXPECT_EQ(test(field::Kompenz + 2), 30);
}

TEST_F(Editing, ServoPlusOnAllPointsStopsAt4980Millivolts) {
  w.Page(3);
  w.Click(CheckBoxPrivEnable);
  w.Type(EditNapPriv3, "4980");
  ASSERT_EQ(w(field::SERVO_MV + 2), 249);
  w.Click(CheckBoxServoAll);
  w.Click(BitBtnServoPlus);
  EXPECT_EQ(w(field::SERVO_MV + 2), 249);
  EXPECT_EQ(w(field::SERVO_MV), 101);
  EXPECT_EQ(w(field::SERVO_MV + 9), 146);
  EXPECT_EQ(w[EditNapPriv1].text, "2020");
  // Without "All" only the point of the live speed moves; with no live value, the first.
  w.Click(CheckBoxServoAll);
  w.Click(BitBtnServoMinus);
  EXPECT_EQ(w(field::SERVO_MV), 100);
  EXPECT_EQ(w(field::SERVO_MV + 1), 106);
}

TEST_F(Editing, ABikeAnsweredNoTakesOnlyItsPresetAndTheValidation) {
  w.ChooseBike(kCode5, MessageAnswer::Yes);
  ASSERT_EQ(w(field::PalecZacP2 + 1), 1);
  ASSERT_EQ(w(field::PalecEndH2 + 1), 1);
  w.ChooseBike(kCode8, MessageAnswer::No);
  EXPECT_EQ(w(field::BIKE), 8);
  EXPECT_EQ(w(field::Synchro), 3);
  EXPECT_EQ(w(field::PocPalcu), 4);
  EXPECT_EQ(w(field::PalecZac + 1), 3);
  EXPECT_EQ(w(field::PalecEnd + 1), 4);
  // Synchronization 3 has no second pick-up; the second edges stay from code 5.
  EXPECT_EQ(w(field::PalecZacP2 + 1), 0);
  EXPECT_EQ(w(field::PalecEndP2 + 1), 0);
  EXPECT_EQ(w(field::PalecZacH2 + 1), 1);
  EXPECT_EQ(w(field::PalecEndH2 + 1), 1);
  EXPECT_EQ(w(field::PICKUPS_INTERCHANGE), 1);
  ASSERT_EQ(w.host.messages().size(), 2u);
  EXPECT_EQ(w.host.messages()[1].text, "Do you want default setting?");
  EXPECT_EQ(w.host.messages()[1].buttons, ui::MessageButtons::YesNoCancel);
}

TEST_F(Editing, Code18LoadsTheDefaultSetEvenWhenAnsweredNo) {
  w.Type(EditOmez2, "9000");
  w.Type(Edit50, "20");
  w.ChooseBike(kCode18, MessageAnswer::No);
  EXPECT_EQ(w(field::LIMITER), 110);
  EXPECT_EQ(w(field::ADVANCE), 10);
  EXPECT_EQ(w(field::PocPalcu), 8);
  EXPECT_EQ(w[EditOmez2].text, "11000");
}

TEST_F(Editing, TheHandMadeBikeAsksNothingAndChangesOnlyTheCode) {
  const ParameterImage before = w.form.image();
  w.Select(ComboBoxBike, kCode22);
  EXPECT_TRUE(w.host.messages().empty());
  ParameterImage expected = before;
  expected[field::BIKE] = 22;
  EXPECT_EQ(w.form.image(), expected);
  EXPECT_TRUE(w[ComboBoxSynchro].enabled);
  // Now the synchronization list sticks, and its lobe checks follow the next commit.
  w.Select(ComboBoxSynchro, 0);
  EXPECT_EQ(w(field::Synchro), 0);
  w.Click(CheckBoxNehlidaPalec);
  EXPECT_EQ(w(field::NO_LOBE_CHECK), 1);
  w.Select(ComboBoxSynchro, 3);
  w.Type(EditOmez2, "9000");
  EXPECT_EQ(w(field::NO_LOBE_CHECK), 0);
  EXPECT_FALSE(w[CheckBoxNehlidaPalec].checked);
}

TEST_F(Editing, NewOnTheHandMadeBikeKeepsItsLobeFlagsAndTachometer) {
  w.Select(ComboBoxBike, kCode22);
  w.Page(1);
  w.Click(CheckBoxPalec3EndP2);            // a flag no preset of code 20 sets
  ASSERT_EQ(w(field::PalecEndP2 + 2), 0);  // the second pick-up needs synchronization 0
  w.Click(CheckBoxPalec3ZacH2);
  ASSERT_EQ(w(field::PalecZacH2 + 2), 1);
  w.Type(EditRpmPulsu, "5");
  w.Type(EditOmez2, "9000");
  w.host.QueueAnswer(MessageAnswer::Yes);
  w.Click(SpeedButton6);
  EXPECT_EQ(w(field::LIMITER), 110);
  EXPECT_EQ(w(field::PalecZacH2 + 2), 1);
  EXPECT_EQ(w(field::RpmPulsu), 5);
  EXPECT_EQ(w(field::BIKE), 22);
  EXPECT_EQ(w[FormHlav].caption, "  Zarvell       ");
}

TEST_F(Editing, NewAnsweredAnythingButYesChangesNothing) {
  w.Type(EditOmez2, "9000");
  for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
    w.host.QueueAnswer(answer);
    w.Click(MenuNew);
    EXPECT_EQ(w(field::LIMITER), 90);
  }
}

TEST_F(Editing, Code7WritesFourChannelsAndShowsTwo) {
  w.ChooseBike(kCode7, MessageAnswer::Yes);
  EXPECT_EQ(w(field::PocPalcu), 1);
  EXPECT_EQ(w(field::PocKanalu), 2);
  EXPECT_EQ(w(field::PalecZac + 2), 1);
  EXPECT_EQ(w(field::PalecZacP2 + 2), 1);
  EXPECT_EQ(w(field::PalecEndH2 + 3), 1);
  EXPECT_TRUE(w[GroupBoxPalec2].visible);
  EXPECT_FALSE(w[GroupBoxPalec3].visible);
  EXPECT_FALSE(w[GroupBoxPalec4].visible);
}

TEST_F(Editing, UndoReturnsToThePageOfTheChangeAndRedoBringsItBack) {
  w.Page(2);
  w.Type(Edit140, "20");
  w.Type(Edit141, "21");
  w.Page(0);
  w.Click(SpeedButtonZpet);
  EXPECT_EQ(w(field::AdvanceCell(9, 1)), 12);
  EXPECT_EQ(w(field::AdvanceCell(9, 0)), 20);
  EXPECT_EQ(w[Edit141].text, "12");
  EXPECT_EQ(w[PageControl1].itemIndex, 2);
  EXPECT_TRUE(w[SpeedButtonZnovu].enabled);
  w.Click(MenuZnovu);
  EXPECT_EQ(w(field::AdvanceCell(9, 1)), 21);
  EXPECT_FALSE(w[MenuZnovu].enabled);
  // Leaving a box without typing commits nothing new.
  w.Type(Edit141, "21");
  w.Click(MenuZpet);
  w.Click(MenuZpet);
  EXPECT_EQ(w(field::AdvanceCell(9, 0)), 10);
  EXPECT_FALSE(w[MenuZpet].enabled);
}

TEST_F(Editing, TwoHundredFiftyChangesLeave199UndoStepsAndANewChangeDropsRedo) {
  w.Page(2);
  for (int change = 0; change < 250; ++change) w.Step(UpDown140, change % 2 == 0);
  ASSERT_EQ(w(field::AdvanceCell(9, 0)), 10);
  int undone = 0;
  while (w[SpeedButtonZpet].enabled && undone < 300) {
    w.Click(SpeedButtonZpet);
    ++undone;
  }
  EXPECT_EQ(undone, 199);
  EXPECT_EQ(w(field::AdvanceCell(9, 0)), 11);  // after 51 of the 250 changes
  for (int i = 0; i < 196; ++i) w.Click(SpeedButtonZnovu);
  w.Type(EditOmez2, "9000");
  EXPECT_FALSE(w[SpeedButtonZnovu].enabled);
  w.Click(SpeedButtonZpet);
  EXPECT_EQ(w(field::LIMITER), 110);
  w.Click(SpeedButtonZnovu);
  EXPECT_EQ(w(field::LIMITER), 90);
}

// The map editor's own box: the same English words, caption and error icon in every language;
// an interpolation and a map step are each one undo step.
TEST_F(Editing, MapGridCommandsTakeTheEditPathAndInterpolationRefusesInEveryLanguage) {
  for (ControlId language : {MenuGerman, MenuCzech}) {
    w.Click(language);
    w.Click(Interpolation);
    const ui::ShownMessage& box = w.host.messages().back();
    EXPECT_EQ(box.text, "Choose continuouse rectangle arrea of cells...");
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.icon, ui::MessageIcon::Error);
  }
  EXPECT_FALSE(w[SpeedButtonZpet].enabled);

  // Typed but not yet committed: the column step commits it first, then shifts the column
  // (the spin buttons show with the throttle rows).
  w.Click(CheckBoxTpsMapa);
  w.form.controls().SetText(Edit50, "20");
  w.Step(CSpinButton1, true);
  EXPECT_EQ(w(100), 21);
  EXPECT_EQ(w(190), 11);
  EXPECT_EQ(w[Edit50].text, "21");
  w.Click(SpeedButtonZpet);
  EXPECT_EQ(w(100), 10);
  EXPECT_EQ(w(190), 10);
  EXPECT_EQ(w(22), 1);  // the throttle rows, switched on before
}

// Breakpoint 3 typed to 4500 rpm, then breakpoint 0 to 4400 pushes 2000, 3000 and 4500 ahead
// of it; the validation remembers them so that they can spring back. Whatever replaces the
// whole set must forget them: the new set shows its own axis (not 4500 where it has 4000), and
// an edit elsewhere afterwards moves no breakpoint.
TEST(NewSet, EveryWayOfReplacingTheSetForgetsThePushedBreakpoints) {
  const auto axis = [](const HeadlessWindow& w) {
    std::vector<int> values;
    for (std::size_t i = 0; i < 10; ++i) values.push_back(w(field::RPM_ADV + i));
    return values;
  };
  const std::vector<int> defaults = {15, 20, 30, 40, 50, 60, 70, 80, 90, 100};
  std::vector<int> unitAxis = defaults;
  unitAxis[9] = 110;
  struct Way {
    const char* name;
    std::function<void(HeadlessWindow&, const testutil::TempDir&)> replace;
    std::vector<int> axis;
  };
  const Way ways[] = {
      {"New",
       [](HeadlessWindow& w, const testutil::TempDir&) {
         w.host.QueueAnswer(MessageAnswer::Yes);
         w.Click(MenuNew);
       },
       defaults},
      {"a bike preset",
       [](HeadlessWindow& w, const testutil::TempDir&) {
         w.ChooseBike(kCode8, MessageAnswer::Yes);
       },
       defaults},
      {"Open",
       [](HeadlessWindow& w, const testutil::TempDir& dir) {
         w.host.QueuePath(dir.Write("default.ign", WriteIgnFile(DefaultImage(20))).string());
         w.Click(MenuOpen);
       },
       defaults},
      {"Read",
       [](HeadlessWindow& w, const testutil::TempDir&) {
         w.ConnectUnit();
         w.Click(ButtonRead);
         w.Tick(200);
         EXPECT_EQ(w[LabelHlaseni].caption, "Verify:: OK") << "the read verifies what it shows";
       },
       unitAxis},
      {"Undo twice",
       [](HeadlessWindow& w, const testutil::TempDir&) {
         w.Click(SpeedButtonZpet);
         w.Click(SpeedButtonZpet);
       },
       defaults},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    testutil::TempDir dir;
    HeadlessWindow w(dir.path());
    w.unit.SetParam(field::RPM_ADV + 9, 110);  // the unit's set differs from the window's
    w.Page(2);
    w.Type(EditRpmAdv4, "4500");
    w.Type(EditRpmAdv1, "4400");
    ASSERT_EQ(axis(w), (std::vector<int>{44, 45, 46, 47, 50, 60, 70, 80, 90, 100}));
    way.replace(w, dir);
    EXPECT_EQ(axis(w), way.axis) << "the set's own axis";
    w.Page(0);
    w.Type(EditBaseAdv, "12");
    EXPECT_EQ(axis(w), way.axis) << "an edit elsewhere moves no breakpoint";
  }
}

// List bytes beyond their lists, as a file or the unit may bring them, show the nearest entry,
// and the next commit stores that entry.
TEST_F(Editing, ListBytesBeyondTheirListsShowAndStoreTheLastEntry) {
  ParameterImage image = w.form.image();
  image[field::Input1] = 3;
  image[field::Input2] = 200;
  image[field::Synchro] = 20;
  w.host.QueuePath(dir.Write("stray.ign", WriteIgnFile(image)).string());
  w.Click(MenuOpen);
  EXPECT_EQ(w[RadioGroupInput1].itemIndex, 2);
  EXPECT_EQ(w[RadioGroupInput2].itemIndex, 4);
  EXPECT_EQ(w[ComboBoxSynchro].itemIndex, 12);
  w.Type(EditOmez2, "9000");
  EXPECT_EQ(w(field::Input1), 2);
  EXPECT_EQ(w(field::Input2), 4);
  EXPECT_EQ(w(field::Synchro), 12);
}

TEST_F(Editing, CloseCommitsWhatTheControlsShow) {
  w.form.controls().SetText(EditOmez2, "8000");  // typed, the focus never left
  w.form.FormClose();
  ParameterImage dumped{};
  LoadImageDump(dir.path() / "_Zarvell_v75.ini", dumped);
  EXPECT_EQ(dumped[field::LIMITER], 80);
}

}  // namespace
}  // namespace zarvell
