#include "sim/engine_motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "params/code_tables.h"
#include "params/image.h"

namespace zarvell::sim {
namespace {

constexpr std::uint32_t kSweepTicks = 364;        // one run up and down: about 20 s
constexpr std::uint32_t kThrottleLeadTicks = 18;  // about 1 s
constexpr int kPastLimiter = 300;  // the sweep aims beyond the limiter, which holds it there
constexpr int kSupplyMv = 13800;
constexpr int kSupplyRippleMv = 120;
constexpr int kConverterTop = 1023;  // raw reading of 5000 mV
constexpr int kConverterMv = 5000;

// 0 at idle, 1 at the top of the sweep.
double Sweep(std::uint32_t tick) {
  const double phase = 2 * std::numbers::pi * static_cast<double>(tick % kSweepTicks) / kSweepTicks;
  return (1 - std::cos(phase)) / 2;
}

// The number the window shows for the byte at `byte`: the unit reads its bytes alike.
int Shown(ParamView params, std::size_t byte) {
  return ShowNumber(FieldAt(byte).scale, params[byte]);
}

int LimiterRpm(ParamView params) {
  return std::max<int>(Shown(params, field::LIMITER), kIdleRpm);
}

std::uint16_t RawOfMv(int mv) {
  return static_cast<std::uint16_t>(
      std::clamp(mv * kConverterTop / kConverterMv, 0, kConverterTop));
}

// The breakpoint nearest `value` on an ascending axis; half-way goes to the lower one.
template <typename Axis>
std::size_t Nearest(const Axis& axis, std::size_t count, int value) {
  std::size_t i = 0;
  while (i < count && axis(i) <= value) ++i;
  if (i == 0) return 0;
  if (i == count) return count - 1;
  return axis(i - 1) + axis(i) >= 2 * value ? i - 1 : i;
}

std::uint16_t TpsRaw(ParamView params, std::uint8_t percent) {
  if (percent > 100) return kConverterTop;  // a shorted sensor reads full scale
  const int closedMv = Shown(params, field::Tps0);
  const int openMv = Shown(params, field::Tps100);
  return RawOfMv(closedMv + (openMv - closedMv) * percent / 100);
}

std::uint8_t AdvanceByte(ParamView params, OperatingPoint point) {
  const std::size_t column =
      Nearest([&](std::size_t i) { return Shown(params, field::RPM_ADV + i); }, field::kAxisPoints,
              point.rpm);
  const std::size_t row =
      params[field::TPS_MAPA] == 0
          ? field::kAxisPoints - 1
          : Nearest([](std::size_t i) { return TpsAxis[i]; }, field::kAxisPoints, point.tpsPercent);
  const int degrees = params[field::AdvanceCell(row, column)];
  return static_cast<std::uint8_t>(std::min(degrees + 100, 255));
}

}  // namespace

OperatingPoint EngineAt(ParamView params, std::uint32_t tick) {
  const int limiter = LimiterRpm(params);
  const double target = kIdleRpm + (limiter + kPastLimiter - kIdleRpm) * Sweep(tick);
  return {
      .rpm = static_cast<std::uint16_t>(std::min<long>(std::lround(target), limiter)),
      .tpsPercent = static_cast<std::uint8_t>(std::lround(100 * Sweep(tick + kThrottleLeadTicks))),
  };
}

link::MonitorValues EngineValues(ParamView params, OperatingPoint point, std::uint32_t tick) {
  link::MonitorValues v;
  const bool running = point.rpm > 0;
  v.rpm = point.rpm;
  v.tpsPercent = point.tpsPercent;
  v.tpsRaw = TpsRaw(params, point.tpsPercent);
  v.supplyMv = static_cast<std::uint16_t>(
      kSupplyMv + std::lround(kSupplyRippleMv * std::sin(0.7 * static_cast<double>(tick))));

  const std::size_t servoPoint =
      Nearest([&](std::size_t i) { return Shown(params, field::SERVO_RPM + i); },
              field::kAxisPoints, point.rpm);
  v.servoDesiredRaw = RawOfMv(Shown(params, field::SERVO_MV + servoPoint));
  // The valve never sits exactly on its target.
  v.servoMeasuredRaw = static_cast<std::uint16_t>(
      std::clamp(v.servoDesiredRaw + static_cast<int>(tick % 7) - 3, 0, kConverterTop));
  v.servoOk = true;

  if (running) {
    const std::size_t channels =
        std::clamp<std::size_t>(params[field::PocKanalu], 1, field::kChannels);
    const std::uint8_t advance = AdvanceByte(params, point);
    for (std::size_t k = 0; k < channels; ++k) v.advance[k] = advance;
    // Every revolution before the first spark was seen: the pick-up check finds nothing wrong.
    v.pickupCheck = {params[field::PocSynchro], params[field::PocSynchro], 0, 0};
  }
  v.pickup1 = running;
  v.pickup2 = running;

  const int limiter = LimiterRpm(params);
  v.speedRed = running && point.rpm >= limiter;
  v.speedYellow = running && point.rpm * 10 >= limiter * 9;
  const int shiftRpm = Shown(params, field::PILOT_LIGHT);
  v.shiftLight = running && shiftRpm > 0 && point.rpm >= shiftRpm;

  // Switches on the bike, flipped by the rider every few seconds.
  v.input1 = (tick / 91) % 3 == 1;
  v.input2 = (tick / 137) % 3 == 2;
  return v;
}

}  // namespace zarvell::sim
