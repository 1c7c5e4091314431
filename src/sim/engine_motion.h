// The simulated engine: where it runs at a given tick and the live values a unit with these
// parameters would report for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "link/monitor_reply.h"

namespace zarvell::sim {

inline constexpr std::size_t kParamCount = 200;
using ParamView = std::span<const std::uint8_t, kParamCount>;

inline constexpr std::uint16_t kIdleRpm = 1200;

struct OperatingPoint {
  std::uint16_t rpm = 0;
  std::uint8_t tpsPercent = 0;  // above 100: sensor error
};

// The engine revs from idle up to the limiter and back in about 20 s, resting briefly on the
// limiter at the top; the throttle opens and closes about a second ahead of the speed.
OperatingPoint EngineAt(ParamView params, std::uint32_t tick);

// The monitor values of the engine side: speed, throttle, supply, servo, advance from the map at
// the operating point, pick-ups, inputs and speed flags. The unit's own bookkeeping (programming
// count, save countdown, version, diagnostic values) is left at zero.
link::MonitorValues EngineValues(ParamView params, OperatingPoint point, std::uint32_t tick);

}  // namespace zarvell::sim
