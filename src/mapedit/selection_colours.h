// The colours that mark selected cells, the same on the grid and on the graph's points: red in
// a drag, yellow in a drag and selected, blue selected, dark green a corner of the rectangle.
#pragma once

#include "ui/control.h"

namespace zarvell {

inline constexpr ui::Colour kBlue = ui::Colour::Rgb(0, 0, 255);
inline constexpr ui::Colour kDarkGreen = ui::Colour::Rgb(0, 128, 0);

}  // namespace zarvell
