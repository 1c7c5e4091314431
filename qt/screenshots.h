// Pictures of the main window for the eye: every page of its notebook, one PNG each.
#pragma once

#include <QString>

namespace zarvell::qt {

class Program;

// Shows each page through the window's own page-change event, lets the timer run a few ticks
// so that graphs and live labels settle, and saves <dir>/<prefix>-<page number>.png.
// False when a picture could not be written.
bool SaveScreenshots(Program& program, const QString& dir, const QString& prefix);

}  // namespace zarvell::qt
