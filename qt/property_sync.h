// Copies the model's changed properties to the widgets, with the widgets' signals blocked so
// that no copy comes back as an event.
#pragma once

#include "qt/form_view.h"

namespace zarvell::qt {

// Everything the model marks as changed since the last sync. The control that `source` names
// (the one whose event was just handled) also gets its value state copied whether marked or
// not, so a widget that changed itself ahead of the model shows the model's verdict.
void SyncView(FormView& view, ui::ControlIndex source = ui::kNoControl);

// Every property of every control, for freshly built widgets.
void ApplyAll(FormView& view);

}  // namespace zarvell::qt
