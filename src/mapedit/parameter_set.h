// One parameter set as the window and the tools edit it: the image, and what the validation
// pass remembers of it (the breakpoints it pushed and would let spring back). Whatever puts a
// whole new set in place goes through Replace or NewSetInPlace, so nothing of the old set
// outlives it.
#pragma once

#include "mapedit/sanitize.h"
#include "params/image.h"

namespace zarvell {

class ParameterSet {
 public:
  ParameterImage image{};
  AxisMemory axisMemory{};

  // The validation pass over the image; `anchor` lives as long as the process.
  void Validate(AxisAnchor& anchor) { SanitizeImage(image, axisMemory, anchor); }
  // A whole new set replaces the image.
  void Replace(const ParameterImage& next) {
    image = next;
    NewSetInPlace();
  }
  // The image was filled with a whole new set where it stands (a file read into it, a
  // transfer, a preset): what belonged to the old set is forgotten.
  void NewSetInPlace() { ResetAxisMemory(axisMemory); }
};

}  // namespace zarvell
