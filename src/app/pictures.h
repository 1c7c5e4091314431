// The window's decorative pictures, drawn at start-up rather than shipped as image files: the
// emblem in the tool bar and on the map page, the throttle sketch in the throttle group, and
// the banner of the About window.
#pragma once

#include "ui/canvas.h"

namespace zarvell {

// A spark over an advance curve, with the product name when there is room for it.
void DrawEmblem(ui::Canvas& canvas);
// A throttle body seen end-on, its butterfly half open.
void DrawThrottle(ui::Canvas& canvas);
// The About window's banner: the emblem, large, with the product name and its purpose.
void DrawBanner(ui::Canvas& canvas);

}  // namespace zarvell
