// The `print` commands of play scripts: what the window, the unit, the host's boxes, dialogs,
// documents and printed sheets hold, one value a line.
#pragma once

#include <iosfwd>

#include "headless_window.h"
#include "play_words.h"

namespace zarvell {

// `w` is a whole `print ...` line.
void PrintQuery(const Words& w, HeadlessWindow& window, std::ostream& out);

}  // namespace zarvell
