#include "mapedit/sanitize.h"

#include <algorithm>

#include "params/code_tables.h"

namespace zarvell {
namespace {

using Axis = std::span<std::uint8_t, 10>;

constexpr int kPoints = 10;
constexpr int kSpringBackSweeps = 10;
constexpr int kMaxTpsCalibration = 250;
constexpr int kLastLanguage = 3;
constexpr int kComPortLimit = 31;
constexpr int kAutoPortLimit = 30;

Axis AxisAt(ParameterImage& image, std::size_t first) {
  return Axis(image.block.data() + first, kPoints);
}

std::uint8_t Byte(int value) {
  return static_cast<std::uint8_t>(value);
}

// -1 when the axis is as the last pass left it, the index of the one breakpoint that differs,
// -2 when several differ.
int ChangedBreakpoint(Axis axis, const std::array<std::uint8_t, 10>& previous) {
  int changed = -1;
  for (int i = 0; i < kPoints; ++i) {
    if (axis[i] == previous[i]) continue;
    if (changed != -1) return -2;
    changed = i;
  }
  return changed;
}

// Makes the breakpoint the user is moving the anchor. Moving the anchor forgets the memory, so
// the pushes made around the old anchor become permanent.
void FollowMovedBreakpoint(Axis axis, AxisMemory& memory, AxisAnchor& anchor) {
  if (memory.pinRequest == kPinFindMoved)
    memory.pinRequest = ChangedBreakpoint(axis, anchor.previousAxis);
  const int pin = memory.pinRequest;
  if (pin < 0 || pin >= kPoints || pin == anchor.axisAnchor) return;
  anchor.axisAnchor = pin;
  ResetAxisMemory(memory);
  memory.pinRequest = pin;
}

// Bounds the anchor and pushes the neighbours in its way. Both bounds come before the pushes:
// an anchor above its upper bound would otherwise clear only the neighbours below its unbounded
// value and then land below them, leaving the axis out of order right at the anchor.
void PushAroundAnchor(Axis axis, AxisMemory& memory, int k) {
  axis[k] = Byte(std::clamp<int>(axis[k], k + 3, k + 190));
  PushNeighbour(axis, memory, k, -1);
  PushNeighbour(axis, memory, k, +1);
}

// Moves a pushed breakpoint back towards its remembered value as far as its neighbours allow:
// from below it stays under its upper neighbour, from above it stays over its lower one. A
// neighbour at the end of the byte range (0 above, 255 below) leaves no value beyond it, so the
// breakpoint is then held by its other neighbour alone; "neighbour - 1" or "neighbour + 1" would
// wrap the byte to the other end of the range.
void SpringBack(Axis axis, AxisMemory& memory, int j) {
  const int remembered = memory.remembered[j];
  const bool upperBlocks = j < kPoints - 1 && axis[j + 1] == 0;
  const bool lowerBlocks = j > 0 && axis[j - 1] == 255;
  const int highest = j < kPoints - 1 && !upperBlocks ? axis[j + 1] - 1 : 255;
  const int lowest = j > 0 && !lowerBlocks ? axis[j - 1] + 1 : 0;
  const bool fromBelow = axis[j] < remembered;
  const bool fromAbove = axis[j] > remembered;
  if ((fromBelow && !upperBlocks) || (fromAbove && lowerBlocks)) {
    axis[j] = Byte(std::min(remembered, highest));
  } else if (fromBelow || fromAbove) {
    axis[j] = Byte(std::max(remembered, lowest));
  }
  if (axis[j] == remembered) memory.pushed[j] = 0;
}

void OrderRpmAxis(Axis axis, AxisMemory& memory, AxisAnchor& anchor) {
  FollowMovedBreakpoint(axis, memory, anchor);
  PushAroundAnchor(axis, memory, anchor.axisAnchor);
  // A sweep runs upwards, so a breakpoint waiting for its upper neighbour to come down follows
  // it one sweep later; ten sweeps let the longest chain settle.
  for (int sweep = 0; sweep < kSpringBackSweeps; ++sweep) {
    for (int j = 0; j < kPoints; ++j) {
      if (memory.pushed[j]) SpringBack(axis, memory, j);
    }
  }
  std::copy(axis.begin(), axis.end(), anchor.previousAxis.begin());
}

// The servo curve has no anchor: fixed bounds, then each point above its predecessor.
void OrderServoAxis(Axis servo) {
  for (int i = 0; i < kPoints; ++i) servo[i] = Byte(std::clamp<int>(servo[i], i + 3, i + 191));
  for (int i = 1; i < kPoints; ++i) {
    if (servo[i] <= servo[i - 1]) servo[i] = Byte(servo[i - 1] + 1);
  }
}

void ClampThrottleCalibration(ParameterImage& image) {
  for (const std::size_t tps : {field::Tps0, field::Tps100}) {
    image[tps] = Byte(std::min<int>(image[tps], kMaxTpsCalibration));
  }
}

// The lobe numbers must name a lobe of the rotor, and only methods that read a second pick-up
// may take an edge from it.
void ClampSynchronization(ParameterImage& image) {
  const std::uint8_t method = image[field::Synchro];
  if (method == synchro::SingleLobe) image[field::PocPalcu] = 1;
  const std::uint8_t lobes = image[field::PocPalcu];
  for (std::size_t i = 0; i < field::kChannels; ++i) {
    for (const std::size_t edge : {field::PalecZac + i, field::PalecEnd + i}) {
      if (image[edge] > lobes) image[edge] = lobes;
      if (image[edge] == 0) image[edge] = 1;
    }
    if (!synchro::UsesSecondPickup(method)) {
      image[field::PalecZacP2 + i] = 0;
      image[field::PalecEndP2 + i] = 0;
    }
  }
  image[field::PocKanalu] = Byte(std::min<int>(image[field::PocKanalu], field::kChannels));
}

}  // namespace

void ResetAxisMemory(AxisMemory& memory) {
  memory = AxisMemory{};
}

void PushNeighbour(std::span<std::uint8_t, 10> axis, AxisMemory& memory, int pos, int dir) {
  const int off = pos + dir;
  if (off < 0 || off >= kPoints) return;
  const bool inTheWay = dir < 0 ? axis[pos] <= axis[off] : axis[pos] >= axis[off];
  if (!inTheWay) return;
  if (!memory.pushed[off]) memory.remembered[off] = axis[off];
  memory.pushed[off] = 1;
  axis[off] = Byte(axis[pos] + dir);
  PushNeighbour(axis, memory, off, dir);
}

void SanitizeImage(ParameterImage& image, AxisMemory& memory, AxisAnchor& anchor) {
  OrderRpmAxis(AxisAt(image, field::RPM_ADV), memory, anchor);
  ClampThrottleCalibration(image);
  OrderServoAxis(AxisAt(image, field::SERVO_RPM));
  ClampSynchronization(image);
}

void ClampApplicationIndices(const ApplicationIndices& app) {
  if (app.languageIndex > kLastLanguage) app.languageIndex = 0;
  if (app.comPortIndex >= kComPortLimit) app.comPortIndex = 0;
  if (app.autoPortIndex >= kAutoPortLimit) app.autoPortIndex = 0;
}

void SanitizeImage(ParameterImage& image, AxisMemory& memory, AxisAnchor& anchor,
                   ApplicationIndices app) {
  SanitizeImage(image, memory, anchor);
  ClampApplicationIndices(app);
}

}  // namespace zarvell
