#include "design/texts/window_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "design/main_controls.h"
#include "design/main_design.h"
#include "params/bindings.h"

namespace zarvell {
namespace {

using namespace design;

constexpr std::uint8_t kEnglish = 0;
constexpr std::uint8_t kGerman = 1;
constexpr std::uint8_t kFrench = 2;
constexpr std::uint8_t kCzech = 3;

class WindowTexts : public ::testing::Test {
 protected:
  void Apply(std::uint8_t language) { ApplyCaptions(texts_, language, controls_); }

  ui::ControlModel controls_ = NewMainControls();
  TextTable texts_{};
};

// The image stores list positions, so the lists must reach their run-time length on the first
// switch and keep it on every later one.
TEST_F(WindowTexts, ListsGrowOnceToTheirRunTimeLength) {
  ASSERT_EQ(controls_[ComboBoxBike].items.size(), 37u);
  ASSERT_EQ(controls_[ComboBoxSynchro].items.size(), 12u);
  ASSERT_EQ(controls_[ComboBoxNasobekPalcu].items.size(), 4u);
  for (const std::uint8_t language : {kEnglish, kCzech, kFrench, kGerman, kEnglish}) {
    Apply(language);
    EXPECT_EQ(controls_[ComboBoxBike].items.size(), 38u);
    EXPECT_EQ(controls_[ComboBoxSynchro].items.size(), 13u);
    EXPECT_EQ(controls_[ComboBoxNasobekPalcu].items.size(), 5u);
    EXPECT_EQ(controls_[ComboBoxSynchro].items[7], "Harley");
  }
  EXPECT_EQ(controls_[ComboBoxBike].items[36], "3 Cylinder, 1 pickup - kick start");
  EXPECT_EQ(controls_[ComboBoxBike].items[37], "Special setting");
  EXPECT_EQ(controls_[ComboBoxNasobekPalcu].items[4], "1 ignition per 2 revolutions (camshaft)");
  EXPECT_EQ(controls_[ComboBoxSynchro].items[12], "Long gap between lobes + Cam (CMPS)");
}

TEST_F(WindowTexts, LanguageMenuChecksOnlyTheCurrentLanguage) {
  const ControlId items[] = {MenuEnglish, MenuGerman, MenuFrench, MenuCzech};
  for (const std::uint8_t language : {kCzech, kGerman, kFrench, kEnglish}) {
    Apply(language);
    for (std::uint8_t i = 0; i < 4; ++i) {
      EXPECT_EQ(controls_[items[i]].checked, i == language) << int(language) << " " << int(i);
    }
  }
}

TEST_F(WindowTexts, WindowCaptionFollowsTheCurrentFile) {
  texts_[CurrentFileName] = "/home/rider/Zarvell/moje kolo.ign";
  Apply(kCzech);  // the caption keeps the product name and the file in every language
  EXPECT_EQ(controls_[FormHlav].caption, "  Zarvell       /home/rider/Zarvell/moje kolo.ign");
  texts_[CurrentFileName].clear();
  Apply(kGerman);
  EXPECT_EQ(controls_[FormHlav].caption, "  Zarvell       ");
  texts_[CurrentFileName] = "/tmp/a.ign";
  ShowWindowCaption(texts_, controls_);
  EXPECT_EQ(controls_[FormHlav].caption, "  Zarvell       /tmp/a.ign");
}

TEST_F(WindowTexts, ButtonsRepeatTheirMenuCommandInEveryLanguage) {
  const std::pair<ControlId, ControlId> pairs[] = {
      {MenuRead, ButtonRead}, {MenuVerify, BitBtnVerify}, {MenuProgram, BitBtnProgram}};
  for (const std::uint8_t language : {kEnglish, kGerman, kFrench, kCzech}) {
    Apply(language);
    for (const auto& [menu, button] : pairs) {
      EXPECT_EQ(controls_[button].caption, controls_[menu].caption);
      EXPECT_EQ(controls_[button].hint, controls_[menu].hint);
    }
  }
  EXPECT_EQ(controls_[ButtonRead].caption, "Čí&st");
}

TEST_F(WindowTexts, SwitchWithUnitLeavesTheLiveLabels) {
  Apply(kEnglish);
  controls_.SetVisible(LabelSpojeni, false);
  const ControlId live[] = {LabelAdvance3,   LabelPocetProgramovani, LabelMonSnimac1,
                            LabelPriveraPoz, LabelMonPilotLight,     LabelBlocking1,
                            LabelClutchMon,  LabelMonInput1In,       LabelKillSwitch};
  for (const ControlId id : live) controls_.SetCaption(id, "live value");
  Apply(kGerman);
  for (const ControlId id : live) EXPECT_EQ(controls_[id].caption, "live value") << id;
  // The static captions still switch, and so do the messages the next reply will use.
  EXPECT_EQ(controls_[LabelPilotLight].caption, "Schaltblitz [rpm]");
  EXPECT_EQ(controls_[LabelAdvance1].caption, "Vorzündung [°]");
  EXPECT_EQ(texts_[MsgYes], "JA");
  EXPECT_EQ(texts_[MsgKillSwitch], "Not Aus");
}

TEST_F(WindowTexts, UnknownLanguageReadsAsEnglish) {
  Apply(7);
  EXPECT_EQ(controls_[MenuFile].caption, "&File");
  EXPECT_TRUE(controls_[MenuEnglish].checked);
  EXPECT_EQ(texts_[ManualFileName], "manual_Zarvell_en.pdf");
}

TEST(AboutCaption, OnePerLanguageAndNoneForOthers) {
  EXPECT_EQ(AboutCaption(0), "About ZARVELL");
  EXPECT_EQ(AboutCaption(1), "Über Programm ZARVELL");
  EXPECT_EQ(AboutCaption(2), "Information ZARVELL");
  EXPECT_EQ(AboutCaption(3), "O programu ZARVELL");
  EXPECT_TRUE(AboutCaption(4).empty());
  EXPECT_TRUE(AboutCaption(255).empty());
}

}  // namespace
}  // namespace zarvell
