// The few things that live as long as the process rather than the window. `main` creates one
// and hands it to the window, so every test starts from a clean state.
#pragma once

#include <cstdint>

#include "mapedit/sanitize.h"
#include "mapedit/undo_history.h"
#include "params/ign_file.h"

namespace zarvell {

struct ProcessState {
  std::uint8_t languageIndex = 0;  // 0 English, 1 German, 2 French, 3 Czech
  AxisAnchor axis;                 // the RPM axis anchor of the validation pass
  IgnReaderState ignReader;        // the ".ign" reader's last number
  UndoHistory undo;
  bool wheelGuard = false;  // a wheel step was taken since the last timer tick
};

}  // namespace zarvell
