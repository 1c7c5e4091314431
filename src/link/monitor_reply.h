// The unit's answer to a monitor request: its live values. Multi-byte values travel low byte
// first; a flag is on when its byte is not zero.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "link/frame.h"

namespace zarvell::link {

struct MonitorValues {
  std::uint16_t rpm = 0;
  std::uint16_t tpsRaw = 0;  // converter reading 0..1023; mV = raw * 5000 / 1023
  std::uint16_t supplyMv = 0;
  std::uint16_t servoMeasuredRaw = 0;  // converter readings, as tpsRaw
  std::uint16_t servoDesiredRaw = 0;
  std::uint16_t programCount = 0;
  std::array<std::uint16_t, 8> test{};  // diagnostic values
  bool killSwitch = false;
  bool clutch = false;          // clutch master cut active
  std::uint8_t tpsPercent = 0;  // above 100: sensor error
  bool shiftLight = false;
  std::array<std::uint8_t, 4> pickupCheck{};  // A1, A2, B1, B2 of the pick-up rule
  bool pickup1 = false;
  bool pickup2 = false;
  std::array<std::uint8_t, 4> advance{};        // degrees + 100 per channel; 0 = no value
  std::array<std::uint16_t, 4> advanceLimit{};  // degrees; 0 = no limit
  bool speedRed = false;
  bool blocking = false;  // engine blocked
  bool speedYellow = false;
  bool servoOk = false;
  bool input1 = false;  // grounded
  bool input2 = false;
  std::uint16_t saveCountdown = 0;  // 414 down to 0 while the unit stores its set
  bool eepromError = false;
  std::uint8_t unitVersion = 0;
};

// A converter reading 0..1023 of the 5 V reference, in mV.
constexpr std::uint32_t ConverterMv(std::uint16_t raw) {
  return raw * 5000u / 1023u;
}

// The values of a monitor reply, or nothing when the code is not the monitor reply's or the
// check byte fails.
std::optional<MonitorValues> DecodeMonitorReply(FrameView frame);
// The reply frame a unit sends for these values; unused bytes are zero.
Frame EncodeMonitorReply(const MonitorValues& values);

}  // namespace zarvell::link
