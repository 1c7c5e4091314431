#include "ui/control_model.h"

#include <gtest/gtest.h>

#include <array>

#include "ui/form_events.h"

namespace zarvell::ui {
namespace {

enum : ControlIndex {
  kForm,
  kEdit,
  kUpDown,
  kCombo,
  kRadioGroup,
  kRadioA,
  kRadioB,
  kCheck,
  kTrack
};

constexpr std::array<ControlSpec, 9> kDesign = {{
    {.id = kForm, .name = "Form", .kind = ControlKind::Form, .rect = {0, 0, 300, 200}},
    {.id = kEdit, .name = "EditRpm", .kind = ControlKind::Edit, .parent = kForm},
    {.id = kUpDown,
     .name = "UpDownRpm",
     .kind = ControlKind::UpDown,
     .parent = kForm,
     .min = 999,
     .max = 25000,
     .position = 11000,
     .increment = 100,
     .associate = kEdit},
    {.id = kCombo,
     .name = "Combo",
     .kind = ControlKind::ComboBox,
     .parent = kForm,
     .items = "a\nb\nc"},
    {.id = kRadioGroup,
     .name = "Group",
     .kind = ControlKind::RadioGroup,
     .parent = kForm,
     .items = "x\ny\nz"},
    {.id = kRadioA,
     .name = "A",
     .kind = ControlKind::RadioButton,
     .parent = kForm,
     .checked = true},
    {.id = kRadioB, .name = "B", .kind = ControlKind::RadioButton, .parent = kForm},
    {.id = kCheck, .name = "Check", .kind = ControlKind::CheckBox, .parent = kForm},
    {.id = kTrack,
     .name = "Track",
     .kind = ControlKind::TrackBar,
     .parent = kForm,
     .min = -36,
     .max = 36,
     .position = 4},
}};

// Records which handlers ran, in order.
struct Recorder : FormEvents {
  std::vector<std::string> calls;
  void OnClick(ControlIndex id) override { calls.push_back("click " + std::to_string(id)); }
  void OnKeyboardToggle(ControlIndex id) override { calls.push_back("key " + std::to_string(id)); }
  void OnEditExit(ControlIndex id) override { calls.push_back("exit " + std::to_string(id)); }
  void OnEditEnter(ControlIndex id) override { calls.push_back("enter " + std::to_string(id)); }
  void OnUpDown(ControlIndex id, bool up) override {
    calls.push_back((up ? "up " : "down ") + std::to_string(id));
  }
  void OnSelect(ControlIndex id) override { calls.push_back("select " + std::to_string(id)); }
  void OnMouse(ControlIndex, const MouseEvent&) override {}
  void OnWheel(ControlIndex, const WheelEvent&) override {}
  void OnPageChange() override { calls.emplace_back("page"); }
  void OnTick() override {}
};

TEST(ControlModel, UpDownClampsItsPositionAndWritesItsEditBox) {
  ControlModel m(kDesign);
  EXPECT_EQ(m[kEdit].text, "11000");  // shown from the start
  EXPECT_TRUE(m.SetPosition(kUpDown, 30000));
  EXPECT_EQ(m[kUpDown].position, 25000);
  EXPECT_EQ(m[kEdit].text, "25000");
  m.SetPosition(kUpDown, -5);
  EXPECT_EQ(m[kUpDown].position, 999);
  EXPECT_EQ(m[kEdit].text, "999");
  // Setting the same position again still rewrites a text the user had changed.
  m.SetText(kEdit, "abc");
  EXPECT_FALSE(m.SetPosition(kUpDown, 999));
  EXPECT_EQ(m[kEdit].text, "999");
}

TEST(ControlModel, PositionIsReadFromTheEditBoxOnlyWhenItHoldsANumberInRange) {
  ControlModel m(kDesign);
  m.SetText(kEdit, " 1550 ");
  EXPECT_EQ(m.ReadPosition(kUpDown), 1550);
  for (const char* refused : {"1550.5", "12a", "", "-", "25001", "998", "99999999999"}) {
    m.SetText(kEdit, refused);
    EXPECT_EQ(m.ReadPosition(kUpDown), 1550) << refused;
  }
}

TEST(ControlModel, LeavingAnEditBoxTakesAWholeNumberInRangeOrPutsTheOldOneBack) {
  ControlModel m(kDesign);
  m.SetText(kEdit, "+2000");
  EXPECT_TRUE(m.LeaveEdit(kEdit));
  EXPECT_EQ(m[kUpDown].position, 2000);
  EXPECT_EQ(m[kEdit].text, "2000");
  m.SetText(kEdit, "26000");
  EXPECT_FALSE(m.LeaveEdit(kEdit));
  EXPECT_EQ(m[kUpDown].position, 2000);
  EXPECT_EQ(m[kEdit].text, "2000");
  m.SetText(kEdit, "1e3");
  EXPECT_FALSE(m.LeaveEdit(kEdit));
  EXPECT_EQ(m[kEdit].text, "2000");
}

TEST(ControlModel, ArrowsStepFromTheTypedNumberAndStopAtTheEnds) {
  ControlModel m(kDesign);
  m.SetText(kEdit, "1550");
  m.StepUpDown(kUpDown, true);
  EXPECT_EQ(m[kUpDown].position, 1650);
  m.SetPosition(kUpDown, 24950);
  m.StepUpDown(kUpDown, true);
  EXPECT_EQ(m[kEdit].text, "25000");
  m.SetPosition(kUpDown, 1050);
  m.StepUpDown(kUpDown, false);
  m.StepUpDown(kUpDown, false);
  EXPECT_EQ(m[kUpDown].position, 999);
}

TEST(ControlModel, ComboEntriesAreReplacedOrAppendedAndReplacingTheSelectedOneDropsIt) {
  ControlModel m(kDesign);
  m.SetItemIndex(kCombo, 1);
  m.SetItem(kCombo, 0, "A");  // another entry: the selection stays
  EXPECT_EQ(m[kCombo].itemIndex, 1);
  m.SetItem(kCombo, 1, "B");
  EXPECT_EQ(m[kCombo].itemIndex, -1);
  m.SetItem(kCombo, 3, "d");  // just past the end: appended
  m.SetItem(kCombo, 9, "z");  // further out: ignored
  EXPECT_EQ(m[kCombo].items, (std::vector<std::string>{"A", "B", "c", "d"}));
  m.SetItemIndex(kCombo, 4);
  EXPECT_EQ(m[kCombo].itemIndex, -1);
}

TEST(ControlModel, RadioGroupListIsReplacedWholeAndKeepsACheckedItemThatStillExists) {
  ControlModel m(kDesign);
  m.SetItemIndex(kRadioGroup, 1);
  m.SetItems(kRadioGroup, "Off\nKill switch\nBlocking");
  EXPECT_EQ(m[kRadioGroup].items.size(), 3u);
  EXPECT_EQ(m[kRadioGroup].itemIndex, 1);
  m.SetItemIndex(kRadioGroup, 2);
  m.SetItems(kRadioGroup, "Off\nOn");
  EXPECT_EQ(m[kRadioGroup].itemIndex, -1);
}

TEST(ControlModel, RadioButtonsOfOneParentExcludeEachOther) {
  ControlModel m(kDesign);
  m.SetChecked(kRadioB, true);
  EXPECT_FALSE(m[kRadioA].checked);
  EXPECT_TRUE(m[kRadioB].checked);
}

TEST(ControlModel, OnlyRealChangesAreMarked) {
  ControlModel m(kDesign);
  EXPECT_EQ(m.TakeChanges(kCheck), change::kAll);  // a new model is all news
  EXPECT_EQ(m.TakeChanges(kCheck), 0u);
  m.SetCaption(kCheck, "");
  m.SetVisible(kCheck, true);
  EXPECT_EQ(m.TakeChanges(kCheck), 0u);
  m.SetCaption(kCheck, "TPS");
  m.SetEnabled(kCheck, false);
  EXPECT_EQ(m.TakeChanges(kCheck), change::kCaption | change::kEnabled);
  EXPECT_EQ(m.Find("UpDownRpm"), kUpDown);
  EXPECT_EQ(m.Find("Missing"), kNoControl);
}

TEST(Hint, SplitsAtTheBarIntoTooltipAndStatusText) {
  EXPECT_EQ(TooltipPart("Round per Minute|Speed - Round per Minute"), "Round per Minute");
  EXPECT_EQ(StatusPart("Round per Minute|Speed - Round per Minute"), "Speed - Round per Minute");
  EXPECT_EQ(TooltipPart("Print parametrs"), "Print parametrs");
  EXPECT_EQ(StatusPart("Print parametrs"), "Print parametrs");
  EXPECT_EQ(StatusPart("|status only"), "status only");
}

TEST(Delivery, AppliesTheControlsBehaviourBeforeTheHandler) {
  ControlModel m(kDesign);
  Recorder r;
  DeliverClick(m, r, kCheck);
  EXPECT_TRUE(m[kCheck].checked);
  DeliverKeyboardToggle(m, r, kCheck, true);  // already checked: nothing happens
  DeliverKeyboardToggle(m, r, kCheck, false);
  EXPECT_FALSE(m[kCheck].checked);
  DeliverClick(m, r, kRadioB);
  EXPECT_TRUE(m[kRadioB].checked);
  DeliverSelect(m, r, kCombo, 2);
  DeliverSelect(m, r, kCombo, 2);  // unchanged: no event
  DeliverSelect(m, r, kCombo, 3);  // no such entry: no event
  DeliverSelect(m, r, kCombo, -1);
  EXPECT_EQ(m[kCombo].itemIndex, 2);
  DeliverSelect(m, r, kTrack, 4);  // the track bar's present position: no event
  DeliverSelect(m, r, kTrack, 50);
  EXPECT_EQ(m[kTrack].position, 36);
  m.SetText(kEdit, "abc");
  DeliverEditExit(m, r, kEdit);
  EXPECT_EQ(m[kEdit].text, "11000");
  DeliverUpDown(m, r, kUpDown, false);
  EXPECT_EQ(m[kEdit].text, "10900");
  m.SetEnabled(kUpDown, false);
  DeliverUpDown(m, r, kUpDown, true);  // a disabled control takes no clicks
  m.SetVisible(kCheck, false);
  DeliverClick(m, r, kCheck);
  EXPECT_EQ(r.calls, (std::vector<std::string>{"click 7", "key 7", "click 6", "select 3",
                                               "select 8", "exit 1", "down 2"}));
}

}  // namespace
}  // namespace zarvell::ui
