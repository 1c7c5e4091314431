#include <gtest/gtest.h>

#include <vector>

#include "design/main_controls.h"
#include "design/main_design.h"
#include "mapedit/live_highlight.h"
#include "params/bindings.h"

namespace zarvell {
namespace {

using namespace design;

const ui::Colour kLime = ui::Colour::Rgb(0x00FF00u);

class OperatingPoint : public ::testing::Test {
 protected:
  OperatingPoint() {
    for (int i = 0; i < 10; ++i) {
      image[90 + i] = static_cast<std::uint8_t>(10 * (i + 1));  // map: 1000 .. 10000 rpm
      image[70 + i] = static_cast<std::uint8_t>(5 * (i + 1));   // servo: 500 .. 5000 rpm
    }
  }
  void At(int rpm, int percent) {
    live.rpm = static_cast<std::uint16_t>(rpm);
    live.tpsPercent = static_cast<std::uint8_t>(percent);
    link::FindOperatingPoint(image, controls[CheckBoxTpsMapa].checked, live);
    HighlightOperatingPoint(live, controls);
  }
  // The names of the controls of the 140 coloured ones that are marked.
  std::vector<std::string_view> Marked() const {
    std::vector<std::string_view> names;
    for (ControlId first : {EditRpmAdv1, LabelTps1, EditRpmPriv1, EditNapPriv1}) {
      for (int i = 0; i < 10; ++i) {
        if (controls[Offset(first, i)].colour == kLime) names.push_back(Name(Offset(first, i)));
      }
    }
    for (int cell = 0; cell < 100; ++cell) {
      if (controls[Offset(Edit50, cell)].colour == kLime)
        names.push_back(Name(Offset(Edit50, cell)));
    }
    return names;
  }
  static std::string_view Name(ControlId id) { return kMainControlNames[id]; }

  ui::ControlModel controls = NewMainControls();
  ParameterImage image;
  link::LiveState live;
};

using Names = std::vector<std::string_view>;

TEST_F(OperatingPoint, NearerBreakpointWinsAndHalfWayGoesDown) {
  At(1500, 50);  // half-way between 1000 and 2000; servo point 1500 exactly
  EXPECT_EQ(Marked(),
            (Names{"EditRpmAdv1", "LabelTps10", "EditRpmPriv3", "EditNapPriv3", "Edit140"}));
  At(1600, 50);  // the old marks go back to their normal colours
  EXPECT_EQ(Marked(),
            (Names{"EditRpmAdv2", "LabelTps10", "EditRpmPriv3", "EditNapPriv3", "Edit141"}));
  EXPECT_EQ(controls[EditRpmAdv1].colour, ui::Colour::Window());
  EXPECT_EQ(controls[Edit140].colour, ui::Colour::Window());
  EXPECT_EQ(controls[LabelTps1].colour, ui::Colour::ButtonFace());
}

TEST_F(OperatingPoint, BelowTheMapAxisMarksOnlyServoAndThrottle) {
  At(900, 0);
  EXPECT_TRUE(live.belowRpmAxis);
  EXPECT_EQ(Marked(), (Names{"LabelTps10", "EditRpmPriv2", "EditNapPriv2"}));
  At(400, 0);  // below the servo axis too: its first point
  EXPECT_EQ(Marked(), (Names{"LabelTps10", "EditRpmPriv1", "EditNapPriv1"}));
  At(1000, 0);
  EXPECT_FALSE(live.belowRpmAxis);
  EXPECT_EQ(Marked().front(), "EditRpmAdv1");
}

TEST_F(OperatingPoint, FastestSpeedsStayOnTheLastBreakpoint) {
  At(25600, 0);  // 256 hundreds would read as 0 if cut to a byte
  EXPECT_EQ(live.rpmIndex, 9);
  EXPECT_EQ(live.servoIndex, 9);
  EXPECT_FALSE(live.belowRpmAxis);
}

TEST_F(OperatingPoint, ThrottleRowFollowsTheCheckBox) {
  At(5000, 3);
  EXPECT_EQ(live.tpsIndex, 9);  // throttle not used by the map
  controls.SetChecked(CheckBoxTpsMapa, true);
  const struct {
    int percent;
    int row;
  } cases[] = {{0, 0}, {1, 0}, {3, 1}, {4, 2}, {35, 5}, {36, 6}, {90, 8}, {91, 9}, {101, 9}};
  for (const auto& c : cases) {
    At(5000, c.percent);
    EXPECT_EQ(live.tpsIndex, c.row) << c.percent;
  }
  At(1600, 35);
  EXPECT_EQ(Marked(),
            (Names{"EditRpmAdv2", "LabelTps6", "EditRpmPriv3", "EditNapPriv3", "Edit101"}));
}

TEST_F(OperatingPoint, UnchangedPointChangesNoControl) {
  At(3300, 20);
  for (ControlId id = FormHlav; id < kMainControlCount; id = Offset(id, 1)) {
    controls.TakeChanges(id);
  }
  At(3300, 20);
  for (ControlId id = FormHlav; id < kMainControlCount; id = Offset(id, 1)) {
    EXPECT_EQ(controls.TakeChanges(id), 0u) << Name(id);
  }
}

}  // namespace
}  // namespace zarvell
