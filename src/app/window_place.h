// Where the main window opens: the stored place and size where they leave it usable, else the
// nearest that does.
#pragma once

#include "ui/canvas.h"
#include "ui/control.h"

namespace zarvell {

// What the desktop's frame adds around the window: the title bar above and thin borders. Not
// known before the window is shown, so allowed for with a generous title bar.
inline constexpr ui::Size kWindowFrame = {8, 36};

// `stored` (the frame's top left corner and the client size) made usable on `area`, the
// screen's part free of panels:
//  - too small to see or use: the `design` size;
//  - no area to go by (no screen): as it is;
//  - larger than the area with its frame: the area's size, from the area's edge (the fixed
//    layout scrolls inside);
//  - wholly outside the area (saved on a larger monitor): centred in it;
//  - the title bar out of reach (above the area, below it, or less than a grip of it beside
//    it): moved the least that brings it back.
// A window partly off the area with its title bar in reach is the user's choice and stays.
ui::Rect UsableWindowRect(ui::Rect stored, ui::Size design, ui::Rect area);

}  // namespace zarvell
