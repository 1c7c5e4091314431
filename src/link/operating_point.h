// Where the engine runs: the live values that the rest of the window reads, and the map
// column, map row and servo point nearest the last reported speed and throttle.
#pragma once

#include <cstdint>

#include "params/image.h"

namespace zarvell::link {

struct LiveState {
  std::uint16_t rpm = 0;
  std::uint8_t tpsPercent = 0;
  std::uint16_t tpsMv = 0;
  std::uint16_t saveCountdown = 0;
  std::uint8_t rpmIndex = 0;    // map column nearest the speed
  std::uint8_t servoIndex = 0;  // servo curve point nearest the speed
  std::uint8_t tpsIndex = 0;    // map row nearest the throttle
  bool belowRpmAxis = false;    // the speed lies below the first map breakpoint
};

// Sets the four indices of `live` from its speed and throttle. Without throttle rows the map
// has only its 100 % row, so that is where the engine runs.
void FindOperatingPoint(const ParameterImage& image, bool throttleRows, LiveState& live);

}  // namespace zarvell::link
