#include "app/live_values.h"

#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <string_view>

#include "design/main_controls.h"
#include "link/unit_info.h"
#include "params/code_tables.h"

namespace zarvell {
namespace {

using namespace design;
using link::ConverterMv;
using link::MonitorValues;

constexpr ui::Colour kLabelNormal = ui::Colour::ButtonFace();

// A caption put together on the stack: the labels change three times a second, and none of
// their texts comes near the room (a longer one is cut rather than overrun).
class Caption {
 public:
  Caption& operator<<(std::string_view part) {
    const std::size_t n = std::min(part.size(), kRoom - size_);
    std::copy_n(part.data(), n, text_ + size_);
    size_ += n;
    return *this;
  }
  [[gnu::format(printf, 2, 3)]] Caption& Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(text_ + size_, kRoom + 1 - size_, format, args);
    va_end(args);
    if (written > 0) size_ = std::min(size_ + static_cast<std::size_t>(written), kRoom);
    return *this;
  }
  std::string_view view() const { return {text_, size_}; }

 private:
  static constexpr std::size_t kRoom = 255;
  char text_[kRoom + 1] = {};
  std::size_t size_ = 0;
};

// The labels that read "<name><separator><state>", coloured only while the state is on.
void ShowState(ui::ControlModel& controls, ControlId label, std::string_view name,
               std::string_view separator, bool on, std::string_view onText,
               std::string_view offText, ui::Colour onColour) {
  Caption text;
  text << name << separator << (on ? onText : offText);
  controls.SetCaption(label, text.view());
  controls.SetColour(label, on ? onColour : kLabelNormal);
}

ui::Colour SupplyColour(int mv) {
  if (mv >= 17999 || mv <= 7000) return ui::kRed;
  if (mv >= 14999 || mv <= 11000) return ui::kYellow;
  return kLabelNormal;
}

void ShowSpeed(const MonitorValues& values, const ParameterImage& image,
               ui::ControlModel& controls) {
  Caption text;
  text.Format("RPM = %d ", values.rpm);
  controls.SetCaption(LabelRpm, text.view());
  controls.SetColour(LabelRpm, values.speedRed      ? ui::kRed
                               : values.speedYellow ? ui::kYellow
                                                    : kLabelNormal);
  // The limiter is in hundreds of rpm, so the quotient is the percentage of it.
  const int limiter = image[field::LIMITER] != 0 ? image[field::LIMITER] : 100;
  controls.SetPosition(CGaugeRpm, values.rpm / limiter);
}

void ShowSupply(const MonitorValues& values, ui::ControlModel& controls) {
  const float volts = static_cast<float>(values.supplyMv) * 0.001f;
  Caption text;
  text.Format("U = %4.1f [V]", static_cast<double>(volts));
  controls.SetCaption(LabelNapeti, text.view());
  controls.SetColour(LabelNapeti, SupplyColour(values.supplyMv));
}

// The pick-up check bytes betray a fault of the pick-up system when a channel counted fewer
// synchronisation pulses than configured and more lobe pulses than the engine has.
bool PickupFault(const MonitorValues& values, const ParameterImage& image) {
  const int synchro = image[field::PocSynchro];
  const int lobes = synchro * image[field::PocPalcu];
  const auto& check = values.pickupCheck;
  return (check[0] < synchro && lobes < check[2]) || (check[1] < synchro && lobes < check[3]);
}

void ShowAdvance(const MonitorValues& values, const ParameterImage& image, const TextTable& texts,
                 ui::ControlModel& controls) {
  const bool fault = PickupFault(values, image);
  for (int k = 0; k < 4; ++k) {
    const ControlId label = Offset(LabelAdvance1, k);
    if (fault) {
      controls.SetCaption(label, texts[MsgPickupError]);
      controls.SetColour(label, ui::kRed);
      continue;
    }
    const int advance = values.advance[k] - 100;
    const int limit = values.advanceLimit[k];
    Caption text;
    text << texts[MsgAdvance];
    text.Format(" %d = ", k + 1);
    if (values.advance[k] == 0) {
      text << "---";
    } else if (limit != 0) {
      text.Format("%d [°] /max %d [°]", advance, limit);
    } else {
      text.Format("%d [°]", advance);
    }
    controls.SetCaption(label, text.view());
    const bool atLimit = limit > 0 && advance >= limit;  // never for a missing value
    controls.SetColour(label, atLimit ? ui::kYellow : kLabelNormal);
  }
}

void ShowThrottle(const MonitorValues& values, const ParameterImage& image, link::LiveState& live,
                  ui::ControlModel& controls) {
  // A healthy unit sends 0..1023; anything above saturates rather than wraps.
  live.tpsMv =
      static_cast<std::uint16_t>(std::min<std::uint32_t>(ConverterMv(values.tpsRaw), 0xFFFF));
  Caption text;
  if (live.tpsPercent > 100) {
    text.Format("TP=error = %d [mV]", live.tpsMv);
    controls.SetColour(LabelTpsMon, image[field::TPS_MAPA] != 0 ? ui::kRed : kLabelNormal);
    controls.SetPosition(CGaugeTps, 0);
  } else {
    text.Format("TP= %d [%%]= %d [mV]", live.tpsPercent, live.tpsMv);
    controls.SetColour(LabelTpsMon, kLabelNormal);
    controls.SetPosition(CGaugeTps, live.tpsPercent);
  }
  controls.SetCaption(LabelTpsMon, text.view());
}

void ShowServo(const MonitorValues& values, const TextTable& texts, ui::ControlModel& controls) {
  const bool shown = controls[GroupBoxPrivera].visible;
  const ui::Colour colour = values.servoOk ? kLabelNormal : ui::kRed;
  const auto show = [&](ControlId label, TextEntry name, std::uint16_t raw) {
    Caption text;
    text << texts[name];
    text.Format(" %d [mV]", static_cast<int>(ConverterMv(raw)));
    controls.SetVisible(label, shown);
    controls.SetCaption(label, text.view());
    controls.SetColour(label, colour);
  };
  show(LabelPriveraPoz, MsgServoDesired, values.servoDesiredRaw);
  show(LabelPriveraMer, MsgServoMeasured, values.servoMeasuredRaw);
}

void ShowUnitState(const MonitorValues& values, const TextTable& texts,
                   ui::ControlModel& controls) {
  controls.SetVisible(LabelVersion, values.unitVersion != ProgramVersion);
  if (values.unitVersion != ProgramVersion) {
    controls.SetCaption(LabelVersion,
                        texts[MsgVersionMismatch] + link::VersionsText(values.unitVersion));
  }
  controls.SetVisible(LabelEeDataErr, values.eepromError);

  Caption count;
  count << texts[MsgProgramCount];
  count.Format("%d", values.programCount);
  controls.SetCaption(LabelPocetProgramovani, count.view());

  for (int i = 0; i < 8; ++i) {
    Caption text;
    text.Format("Test%d = %d ", i + 1, values.test[i]);
    controls.SetCaption(Offset(LabelTest1, i), text.view());
  }
}

}  // namespace

void ShowMonitorValues(const MonitorValues& values, const ParameterImage& image,
                       const TextTable& texts, link::LiveState& live, ui::ControlModel& controls) {
  live.tpsPercent = values.tpsPercent;
  live.rpm = values.rpm;
  ShowSpeed(values, image, controls);
  ShowSupply(values, controls);
  ShowState(controls, LabelBlocking1, texts[MsgMotorOff], " - ", values.blocking, texts[MsgYes],
            texts[MsgNo], ui::kRed);
  ShowAdvance(values, image, texts, controls);
  ShowState(controls, LabelMonPilotLight, texts[MsgShiftLight], " - ", values.shiftLight,
            texts[MsgYes], texts[MsgNo], ui::kYellow);
  ShowState(controls, LabelMonSnimac1, texts[MsgPickup], " 1 - ", values.pickup1, texts[MsgRunning],
            texts[MsgNoSignal], ui::kLime);
  ShowState(controls, LabelMonSnimac2, texts[MsgPickup], " 2 - ", values.pickup2, texts[MsgRunning],
            texts[MsgNoSignal], ui::kLime);
  ShowThrottle(values, image, live, controls);
  ShowServo(values, texts, controls);
  live.saveCountdown = values.saveCountdown;
  ShowUnitState(values, texts, controls);
  ShowState(controls, LabelMonInput1In, texts[MsgInput], " 1: ", values.input1, texts[MsgGrounded],
            texts[MsgOpen], ui::kFuchsia);
  ShowState(controls, LabelMonInput2In, texts[MsgInput], " 2: ", values.input2, texts[MsgGrounded],
            texts[MsgOpen], ui::kAqua);
  ShowState(controls, LabelClutchMon, texts[MsgClutch], " - ", values.clutch, texts[MsgYes],
            texts[MsgNo], ui::kLime);
  ShowState(controls, LabelKillSwitch, texts[MsgKillSwitch], " - ", values.killSwitch,
            texts[MsgYes], texts[MsgNo], ui::kRed);
}

}  // namespace zarvell
