// The parameter image as the program holds it right after start-up with a given bike: all
// zero, the default set with the bike's preset, one validation pass.
#pragma once

#include "mapedit/sanitize.h"
#include "params/presets.h"

namespace zarvell::testutil {

inline ParameterImage StartupImage(std::uint8_t bike) {
  ParameterImage image;
  image[field::BIKE] = bike;
  bool bikeChanged = false;
  LoadDefaults(image, bikeChanged);
  AxisMemory memory;
  AxisAnchor anchor;
  std::uint8_t language = 0, comPort = 0, autoPort = 0;
  SanitizeImage(image, memory, anchor, {language, comPort, autoPort});
  return image;
}

}  // namespace zarvell::testutil
