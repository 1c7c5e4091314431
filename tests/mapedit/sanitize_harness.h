// Drives the validation pass the way the main window does: one image, the window's axis memory
// and the process-wide anchor, with the three ways a caller names (or does not name) the moved
// breakpoint.
#pragma once

#include <array>
#include <cstdint>

#include "mapedit/sanitize.h"
#include "params/presets.h"

namespace zarvell::sanitize_testing {

using AxisValues = std::array<int, 10>;

inline constexpr AxisValues kTensAxis = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};

struct AxisEditor {
  ParameterImage image;
  AxisMemory memory;
  AxisAnchor anchor;
  std::uint8_t language = 0;
  std::uint8_t comPort = 0;
  std::uint8_t autoPort = 0;

  // Start-up: the default set of bike 20 with `axis` put in place, then the first pass.
  explicit AxisEditor(const AxisValues& axis = kTensAxis) {
    image = DefaultImage(kStartupBike);
    PutAxis(axis);
    Pass();
  }

  void Pass() { SanitizeImage(image, memory, anchor, {language, comPort, autoPort}); }

  // Leaving the edit box of breakpoint `i`: the pass finds out what changed.
  void Commit(int i, int value) {
    memory.pinRequest = -2;
    image[field::RPM_ADV + i] = static_cast<std::uint8_t>(value);
    Pass();
  }

  // One drag step of map column `i` in the 2D graph: the breakpoint is named.
  void Drag(int i, int value) {
    memory.pinRequest = i;
    image[field::RPM_ADV + i] = static_cast<std::uint8_t>(value);
    Pass();
    memory.pinRequest = -1;
  }

  // A whole new set put in place (file, unit, undo): the request is left as it is.
  void Load(const AxisValues& axis) {
    PutAxis(axis);
    Pass();
  }

  void PutAxis(const AxisValues& axis) {
    for (int i = 0; i < 10; ++i) image[field::RPM_ADV + i] = static_cast<std::uint8_t>(axis[i]);
  }

  AxisValues Axis() const {
    AxisValues axis{};
    for (int i = 0; i < 10; ++i) axis[i] = image[field::RPM_ADV + i];
    return axis;
  }
};

}  // namespace zarvell::sanitize_testing
