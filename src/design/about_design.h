// The About window's design table.
#pragma once

#include <span>

#include "design/about_controls.h"
#include "ui/control.h"
#include "ui/control_model.h"

namespace zarvell::about {

// One row per AboutControlId; the form row holds the client size (551 x 351).
std::span<const ui::ControlSpec> AboutDesign();
ui::ControlModel NewAboutControls();

}  // namespace zarvell::about
