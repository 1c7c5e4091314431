#include "mapedit/startup_image.h"

#include "mapedit/sanitize.h"

namespace zarvell {

ParameterImage StartupImage(std::uint8_t bike) {
  ParameterImage image = DefaultImage(bike);
  AxisMemory memory;
  AxisAnchor anchor;
  std::uint8_t language = 0, comPort = 0, autoPort = 0;
  SanitizeImage(image, memory, anchor, {language, comPort, autoPort});
  return image;
}

}  // namespace zarvell
