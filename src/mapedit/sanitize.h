// The validation pass that runs after every change of the parameter image: it keeps the RPM
// axis of the advance map in order around the breakpoint the user moves (pushing neighbours
// ahead and letting them spring back), orders the servo RPM axis, and clamps the other fields
// and the application's own indices into range. It never reports anything.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "params/image.h"

namespace zarvell {

// Values of `AxisMemory::pinRequest` besides the breakpoints 0..9 being moved.
inline constexpr int kPinNone = -1;       // no breakpoint named
inline constexpr int kPinFindMoved = -2;  // the pass finds out which breakpoint changed

// Per-window memory of the breakpoints that the anchor pushed away.
struct AxisMemory {
  std::array<int, 10> pushed{};      // breakpoint i was pushed from its remembered value
  std::array<int, 10> remembered{};  // its value before the first push
  int pinRequest = kPinNone;         // kPinNone, kPinFindMoved or the breakpoint being moved
};

// Process-wide: the breakpoint around which the ordering works, and the axis as the last pass
// left it. Never reset while the program runs.
struct AxisAnchor {
  int axisAnchor = 0;
  std::array<std::uint8_t, 10> previousAxis{};
};

// The application values that the pass also brings into range.
struct ApplicationIndices {
  std::uint8_t& languageIndex;  // above 3 becomes 0
  std::uint8_t& comPortIndex;   // 31 or more becomes 0
  std::uint8_t& autoPortIndex;  // 30 or more becomes 0
};

void ResetAxisMemory(AxisMemory& memory);

// Pushes the neighbour of `pos` in direction `dir` (-1 or +1) one unit beyond it when it is in
// the way, remembering its value before its first push, and carries on from there.
void PushNeighbour(std::span<std::uint8_t, 10> axis, AxisMemory& memory, int pos, int dir);

// The pass over the image alone, for a set that no window shows.
void SanitizeImage(ParameterImage& image, AxisMemory& memory, AxisAnchor& anchor);
// The window's indices brought into range.
void ClampApplicationIndices(const ApplicationIndices& app);
// Both: the window's pass after every change.
void SanitizeImage(ParameterImage& image, AxisMemory& memory, AxisAnchor& anchor,
                   ApplicationIndices app);

}  // namespace zarvell
