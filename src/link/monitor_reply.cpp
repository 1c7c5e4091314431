#include "link/monitor_reply.h"

#include <cstddef>

namespace zarvell::link {
namespace {

// Reply offsets of the fields.
namespace at {
constexpr std::size_t kRpm = 1;
constexpr std::size_t kTpsRaw = 3;
constexpr std::size_t kSupply = 5;
constexpr std::size_t kServoMeasured = 7;
constexpr std::size_t kServoDesired = 9;
constexpr std::size_t kProgramCount = 11;
constexpr std::size_t kTest = 13;
constexpr std::size_t kKillSwitch = 37;
constexpr std::size_t kClutch = 40;
constexpr std::size_t kTpsPercent = 41;
constexpr std::size_t kShiftLight = 42;
constexpr std::size_t kPickupCheck = 44;
constexpr std::size_t kPickup1 = 48;
constexpr std::size_t kPickup2 = 49;
constexpr std::size_t kAdvance = 50;
constexpr std::size_t kAdvanceLimit = 54;
constexpr std::size_t kSpeedRed = 62;
constexpr std::size_t kBlocking = 63;
constexpr std::size_t kSpeedYellow = 64;
constexpr std::size_t kServoOk = 65;
constexpr std::size_t kInput1 = 66;
constexpr std::size_t kInput2 = 67;
constexpr std::size_t kSaveCountdown = 95;
constexpr std::size_t kEepromError = 99;
constexpr std::size_t kVersion = 100;
}  // namespace at

std::uint16_t Word(FrameView f, std::size_t at) {
  return static_cast<std::uint16_t>(f[at] | (f[at + 1] << 8));
}
void PutWord(Frame& f, std::size_t at, std::uint16_t value) {
  f[at] = static_cast<std::uint8_t>(value & 0xFF);
  f[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace

std::optional<MonitorValues> DecodeMonitorReply(FrameView f) {
  if (f[0] != code::kMonitorReply || !FrameValid(f)) return std::nullopt;
  MonitorValues v;
  v.rpm = Word(f, at::kRpm);
  v.tpsRaw = Word(f, at::kTpsRaw);
  v.supplyMv = Word(f, at::kSupply);
  v.servoMeasuredRaw = Word(f, at::kServoMeasured);
  v.servoDesiredRaw = Word(f, at::kServoDesired);
  v.programCount = Word(f, at::kProgramCount);
  for (std::size_t i = 0; i < v.test.size(); ++i) v.test[i] = Word(f, at::kTest + 2 * i);
  v.killSwitch = f[at::kKillSwitch] != 0;
  v.clutch = f[at::kClutch] != 0;
  v.tpsPercent = f[at::kTpsPercent];
  v.shiftLight = f[at::kShiftLight] != 0;
  for (std::size_t i = 0; i < 4; ++i) {
    v.pickupCheck[i] = f[at::kPickupCheck + i];
    v.advance[i] = f[at::kAdvance + i];
    v.advanceLimit[i] = Word(f, at::kAdvanceLimit + 2 * i);
  }
  v.pickup1 = f[at::kPickup1] != 0;
  v.pickup2 = f[at::kPickup2] != 0;
  v.speedRed = f[at::kSpeedRed] != 0;
  v.blocking = f[at::kBlocking] != 0;
  v.speedYellow = f[at::kSpeedYellow] != 0;
  v.servoOk = f[at::kServoOk] != 0;
  v.input1 = f[at::kInput1] != 0;
  v.input2 = f[at::kInput2] != 0;
  v.saveCountdown = Word(f, at::kSaveCountdown);
  v.eepromError = f[at::kEepromError] != 0;
  v.unitVersion = f[at::kVersion];
  return v;
}

Frame EncodeMonitorReply(const MonitorValues& v) {
  Frame f{};
  f[0] = code::kMonitorReply;
  PutWord(f, at::kRpm, v.rpm);
  PutWord(f, at::kTpsRaw, v.tpsRaw);
  PutWord(f, at::kSupply, v.supplyMv);
  PutWord(f, at::kServoMeasured, v.servoMeasuredRaw);
  PutWord(f, at::kServoDesired, v.servoDesiredRaw);
  PutWord(f, at::kProgramCount, v.programCount);
  for (std::size_t i = 0; i < v.test.size(); ++i) PutWord(f, at::kTest + 2 * i, v.test[i]);
  f[at::kKillSwitch] = v.killSwitch;
  f[at::kClutch] = v.clutch;
  f[at::kTpsPercent] = v.tpsPercent;
  f[at::kShiftLight] = v.shiftLight;
  for (std::size_t i = 0; i < 4; ++i) {
    f[at::kPickupCheck + i] = v.pickupCheck[i];
    f[at::kAdvance + i] = v.advance[i];
    PutWord(f, at::kAdvanceLimit + 2 * i, v.advanceLimit[i]);
  }
  f[at::kPickup1] = v.pickup1;
  f[at::kPickup2] = v.pickup2;
  f[at::kSpeedRed] = v.speedRed;
  f[at::kBlocking] = v.blocking;
  f[at::kSpeedYellow] = v.speedYellow;
  f[at::kServoOk] = v.servoOk;
  f[at::kInput1] = v.input1;
  f[at::kInput2] = v.input2;
  PutWord(f, at::kSaveCountdown, v.saveCountdown);
  f[at::kEepromError] = v.eepromError;
  f[at::kVersion] = v.unitVersion;
  SealFrame(f);
  return f;
}

}  // namespace zarvell::link
