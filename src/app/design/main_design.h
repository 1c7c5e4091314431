// The main window's design table: every control with its kind, parent, geometry (relative to
// the parent's client area; the form's direct children relative to the area between the menu
// bar and the status bar), design caption and range.
#pragma once

#include <span>

#include "ui/control.h"
#include "ui/control_model.h"

namespace zarvell::app {

// One row per ControlId, in ControlId order.
std::span<const ui::ControlSpec> MainDesign();

// The live controls as the window starts: the design, with the bike list filled from the
// preset table (37 entries; the captions of the current language add the 38th).
ui::ControlModel NewMainControls();

}  // namespace zarvell::app
