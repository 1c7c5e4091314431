// The main window's design table: every control with its kind, parent, geometry (relative to
// the parent's client area; the form's direct children relative to the area between the menu
// bar and the status bar), design caption and range.
#pragma once

#include <span>

#include "ui/control.h"

namespace zarvell::design {

// One row per ControlId, in ControlId order.
std::span<const ui::ControlSpec> MainDesign();

}  // namespace zarvell::design
