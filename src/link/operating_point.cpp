#include "link/operating_point.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "params/code_tables.h"

namespace zarvell::link {
namespace {

struct AxisPoint {
  std::uint8_t index = 0;
  bool below = false;  // the value lies below the first breakpoint searched
};

// The breakpoint of an ascending ten-point axis nearest to `value`, searching from `from`;
// at exactly half-way the lower one.
template <typename Axis>
AxisPoint NearestPoint(const Axis& axis, int from, int value) {
  int i = from;
  while (i < 10 && axis[i] <= value) ++i;
  if (i == 0) return {0, true};
  if (i == 10) return {9, false};
  const bool lower = axis[i - 1] + axis[i] >= 2 * value;
  return {static_cast<std::uint8_t>(lower ? i - 1 : i), false};
}

std::span<const std::uint8_t, 10> ImageAxis(const ParameterImage& image, std::size_t first) {
  return std::span<const std::uint8_t, 10>(image.block.data() + first, 10);
}

}  // namespace

void FindOperatingPoint(const ParameterImage& image, bool throttleRows, LiveState& live) {
  // The axes end at 255 hundreds; a faster reading saturates there rather than wrapping.
  const int hundreds = std::min(live.rpm / 100, 255);
  const AxisPoint rpm = NearestPoint(ImageAxis(image, field::RPM_ADV), 0, hundreds);
  live.rpmIndex = rpm.index;
  live.belowRpmAxis = rpm.below;
  live.servoIndex = NearestPoint(ImageAxis(image, field::SERVO_RPM), 0, hundreds).index;
  live.tpsIndex = throttleRows ? NearestPoint(TpsAxis, 1, live.tpsPercent).index : std::uint8_t{9};
}

}  // namespace zarvell::link
