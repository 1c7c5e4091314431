#include "app/live_values.h"

#include <gtest/gtest.h>

#include <string>

#include "design/main_controls.h"
#include "design/main_design.h"
#include "design/texts/messages.h"
#include "params/bindings.h"

namespace zarvell {
namespace {

using namespace design;

const ui::Colour kFace = ui::Colour::ButtonFace();
const ui::Colour kRed = ui::Colour::Rgb(0xFF0000u);
const ui::Colour kYellow = ui::Colour::Rgb(0xFFFF00u);
const ui::Colour kLime = ui::Colour::Rgb(0x00FF00u);

class MonitorDisplay : public ::testing::Test {
 protected:
  MonitorDisplay() { Language(0); }
  void Language(std::uint8_t language) {
    LoadMessageEntries(texts, language, MessageLoader::Captions);
    LoadMessageEntries(texts, language, MessageLoader::Messages);
  }
  void Show() { ShowMonitorValues(values, image, texts, live, controls); }
  const std::string& Caption(ControlId id) const { return controls[id].caption; }
  ui::Colour Colour(ControlId id) const { return controls[id].colour; }

  ui::ControlModel controls = NewMainControls();
  TextTable texts;
  ParameterImage image;
  link::LiveState live;
  link::MonitorValues values{.supplyMv = 12000, .servoOk = true, .unitVersion = 75};
};

TEST_F(MonitorDisplay, SupplyVoltageBands) {
  const struct {
    std::uint16_t mv;
    ui::Colour colour;
  } cases[] = {{0, kRed},      {7000, kRed},     {7001, kYellow},  {11000, kYellow}, {11001, kFace},
               {14998, kFace}, {14999, kYellow}, {17998, kYellow}, {17999, kRed},    {65535, kRed}};
  for (const auto& c : cases) {
    values.supplyMv = c.mv;
    Show();
    EXPECT_EQ(Colour(LabelNapeti), c.colour) << c.mv;
  }
  values.supplyMv = 7000;
  Show();
  EXPECT_EQ(Caption(LabelNapeti), "U =  7.0 [V]");
  values.supplyMv = 14250;  // 14.2500007 in single precision, exactly 14.25 in double
  Show();
  EXPECT_EQ(Caption(LabelNapeti), "U = 14.3 [V]");
}

TEST_F(MonitorDisplay, SpeedTextColourAndGaugeShareOfTheLimiter) {
  values.rpm = 4321;
  values.speedYellow = true;
  Show();
  EXPECT_EQ(live.rpm, 4321);
  EXPECT_EQ(Caption(LabelRpm), "RPM = 4321 ");
  EXPECT_EQ(Colour(LabelRpm), kYellow);
  EXPECT_EQ(controls[CGaugeRpm].position, 43);  // no limiter: hundreds of rpm

  image[13] = 120;
  values.speedRed = true;
  Show();
  EXPECT_EQ(Colour(LabelRpm), kRed);
  EXPECT_EQ(controls[CGaugeRpm].position, 36);
  values.rpm = 13000;  // beyond the limiter: the gauge stays full
  values.speedRed = values.speedYellow = false;
  Show();
  EXPECT_EQ(Colour(LabelRpm), kFace);
  EXPECT_EQ(controls[CGaugeRpm].position, 100);
}

TEST_F(MonitorDisplay, ThrottleConvertsTheReadingAndFlagsSensorErrors) {
  values.tpsRaw = 1023;
  values.tpsPercent = 100;
  Show();
  EXPECT_EQ(live.tpsMv, 5000);
  EXPECT_EQ(Caption(LabelTpsMon), "TP= 100 [%]= 5000 [mV]");
  EXPECT_EQ(controls[CGaugeTps].position, 100);

  values.tpsRaw = 512;
  values.tpsPercent = 101;
  Show();
  EXPECT_EQ(live.tpsPercent, 101);
  EXPECT_EQ(Caption(LabelTpsMon), "TP=error = 2502 [mV]");
  EXPECT_EQ(controls[CGaugeTps].position, 0);
  EXPECT_EQ(Colour(LabelTpsMon), kFace);  // the map does not use the throttle
  image[22] = 1;
  Show();
  EXPECT_EQ(Colour(LabelTpsMon), kRed);

  values.tpsRaw = 0xFFFF;  // a broken reading saturates instead of wrapping
  Show();
  EXPECT_EQ(live.tpsMv, 65535);
}

TEST_F(MonitorDisplay, AdvanceValuesLimitsAndMissingValues) {
  values.advance = {0, 130, 129, 90};
  values.advanceLimit = {30, 30, 30, 0};
  Show();
  EXPECT_EQ(Caption(LabelAdvance1), "Advance 1 = ---");
  EXPECT_EQ(Colour(LabelAdvance1), kFace);
  EXPECT_EQ(Caption(LabelAdvance2), "Advance 2 = 30 [°] /max 30 [°]");
  EXPECT_EQ(Colour(LabelAdvance2), kYellow);
  EXPECT_EQ(Caption(LabelAdvance3), "Advance 3 = 29 [°] /max 30 [°]");
  EXPECT_EQ(Colour(LabelAdvance3), kFace);
  EXPECT_EQ(Caption(LabelAdvance4), "Advance 4 = -10 [°]");
  EXPECT_EQ(Colour(LabelAdvance4), kFace);
}

TEST_F(MonitorDisplay, PickupFaultReplacesEveryAdvance) {
  const std::string fault = "Pick up system error                    ";
  image[10] = 2;  // synchronisation pulses
  image[3] = 4;   // lobes: 8 lobe pulses in all
  values.advance = {120, 120, 120, 120};
  const struct {
    std::array<std::uint8_t, 4> check;  // A1, A2, B1, B2
    bool fault;
  } cases[] = {{{1, 2, 9, 0}, true},  {{2, 1, 0, 9}, true},  {{1, 1, 8, 8}, false},
               {{2, 2, 9, 9}, false}, {{1, 2, 0, 9}, false}, {{0, 0, 0, 0}, false}};
  for (const auto& c : cases) {
    values.pickupCheck = c.check;
    Show();
    for (int k = 0; k < 4; ++k) {
      const ControlId label = Offset(LabelAdvance1, k);
      EXPECT_EQ(Caption(label) == fault, c.fault) << int{c.check[0]} << int{c.check[2]};
      EXPECT_EQ(Colour(label), c.fault ? kRed : kFace);
    }
  }
  image[10] = 255;  // 255 x 255 lobe pulses: no check byte can exceed them
  image[3] = 255;
  values.pickupCheck = {0, 0, 200, 200};
  Show();
  EXPECT_EQ(Caption(LabelAdvance1), "Advance 1 = 20 [°]");
}

TEST_F(MonitorDisplay, StateLabelsOnAndOff) {
  values = {.killSwitch = true,
            .clutch = true,
            .shiftLight = true,
            .pickup1 = true,
            .blocking = true,
            .input1 = true,
            .input2 = true};
  Show();
  EXPECT_EQ(Caption(LabelBlocking1), "Motor off - YES");
  EXPECT_EQ(Colour(LabelBlocking1), kRed);
  EXPECT_EQ(Caption(LabelMonPilotLight), "Gear Shift Light - YES");
  EXPECT_EQ(Colour(LabelMonPilotLight), kYellow);
  EXPECT_EQ(Caption(LabelMonSnimac1), "Pick-up (CKPS) 1 - is running");
  EXPECT_EQ(Colour(LabelMonSnimac1), kLime);
  EXPECT_EQ(Caption(LabelMonSnimac2), "Pick-up (CKPS) 2 - no signal");
  EXPECT_EQ(Colour(LabelMonSnimac2), kFace);
  EXPECT_EQ(Caption(LabelMonInput1In), "Input 1: Grounded");
  EXPECT_EQ(Colour(LabelMonInput1In), ui::Colour::Rgb(0xFF00FFu));
  EXPECT_EQ(Caption(LabelMonInput2In), "Input 2: Grounded");
  EXPECT_EQ(Colour(LabelMonInput2In), ui::Colour::Rgb(0x00FFFFu));
  EXPECT_EQ(Caption(LabelClutchMon), "Clutch master - YES");
  EXPECT_EQ(Colour(LabelClutchMon), kLime);
  EXPECT_EQ(Caption(LabelKillSwitch), "Kill switch - YES");
  EXPECT_EQ(Colour(LabelKillSwitch), kRed);

  values = {};
  Show();
  EXPECT_EQ(Caption(LabelBlocking1), "Motor off - NO");
  EXPECT_EQ(Caption(LabelMonInput2In), "Input 2: Open");
  EXPECT_EQ(Caption(LabelKillSwitch), "Kill switch - NO");
  for (ControlId id : {LabelBlocking1, LabelMonPilotLight, LabelMonSnimac1, LabelMonInput1In,
                       LabelMonInput2In, LabelClutchMon, LabelKillSwitch}) {
    EXPECT_EQ(Colour(id), kFace) << kMainControlNames[id];
  }
}

TEST_F(MonitorDisplay, ServoLabelsFollowTheServoGroup) {
  values.servoDesiredRaw = 1023;
  values.servoMeasuredRaw = 512;
  values.servoOk = false;
  Show();
  EXPECT_EQ(Caption(LabelPriveraPoz), "Servo desired= 5000 [mV]");
  EXPECT_EQ(Caption(LabelPriveraMer), "Servo measured= 2502 [mV]");
  EXPECT_EQ(Colour(LabelPriveraMer), kRed);
  EXPECT_TRUE(controls[LabelPriveraPoz].visible);

  controls.SetVisible(GroupBoxPrivera, false);
  values.servoOk = true;
  Show();
  EXPECT_FALSE(controls[LabelPriveraPoz].visible);
  EXPECT_FALSE(controls[LabelPriveraMer].visible);
  EXPECT_EQ(Colour(LabelPriveraPoz), kFace);
}

TEST_F(MonitorDisplay, UnitStateLabels) {
  values.unitVersion = 74;
  values.eepromError = true;
  values.programCount = 1234;
  values.test = {0, 1, 2, 3, 4, 5, 6, 65535};
  values.saveCountdown = 414;
  Show();
  EXPECT_TRUE(controls[LabelVersion].visible);
  EXPECT_EQ(Caption(LabelVersion), "Unmatched version of PC and Ignition programs!  PC-75, IGN-74");
  EXPECT_TRUE(controls[LabelEeDataErr].visible);
  EXPECT_EQ(Caption(LabelPocetProgramovani), "Number of Programing= 1234");
  EXPECT_EQ(Caption(LabelTest1), "Test1 = 0 ");
  EXPECT_EQ(Caption(LabelTest8), "Test8 = 65535 ");
  EXPECT_EQ(live.saveCountdown, 414);

  values.unitVersion = 75;
  values.eepromError = false;
  Show();
  EXPECT_FALSE(controls[LabelVersion].visible);
  EXPECT_FALSE(controls[LabelEeDataErr].visible);
}

TEST_F(MonitorDisplay, GermanLabelsComposeTheGermanTexts) {
  Language(1);
  values.advance[1] = 130;
  values.advanceLimit[1] = 30;
  values.killSwitch = true;
  Show();
  EXPECT_EQ(Caption(LabelAdvance2), "Vorzündung 2 = 30 [°] /max 30 [°]");
  EXPECT_EQ(Caption(LabelMonSnimac1), "Geber(CKPS) 1 -  kein Signal");
  EXPECT_EQ(Caption(LabelKillSwitch), "Not Aus - JA");
}

}  // namespace
}  // namespace zarvell
