// zarvell-cli's pictures drawn with Qt: a QtCanvas on an image of its own, saved as PNG. The
// toolkit starts on the offscreen platform at the first picture, so the other commands never
// wait for it and no display is needed.
#pragma once

#include "ui/picture_writer.h"

namespace zarvell::qt {

class PngPictures final : public ui::PictureWriter {
 public:
  bool WritePng(const std::string& path, ui::Size size,
                const std::function<void(ui::Canvas&)>& draw) override;
};

}  // namespace zarvell::qt
