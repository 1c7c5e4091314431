// Pictures written as PNG files. The drawing goes through a Canvas; a toolkit turns it into
// pixels, so a build without one cannot write pictures.
#pragma once

#include <functional>
#include <string>

#include "ui/canvas.h"

namespace zarvell::ui {

class PictureWriter {
 public:
  virtual ~PictureWriter() = default;
  // The drawing on a canvas of `size`, written to `path` as PNG, replacing it atomically;
  // false when it could not be.
  virtual bool WritePng(const std::string& path, Size size,
                        const std::function<void(Canvas&)>& draw) = 0;
};

}  // namespace zarvell::ui
