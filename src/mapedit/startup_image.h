// The parameter image as a freshly started program holds it: the defaults of a bike after one
// validation pass with nothing remembered. The simulated unit starts from it, so a new unit
// verifies against a new window; tools and tests take it as their starting set.
#pragma once

#include <cstdint>

#include "params/image.h"
#include "params/presets.h"

namespace zarvell {

ParameterImage StartupImage(std::uint8_t bike = kStartupBike);

}  // namespace zarvell
