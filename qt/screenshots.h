// Pictures of the main window for the eye: every page of its notebook and the About window,
// one PNG each.
#pragma once

#include <QString>

namespace zarvell::qt {

class Program;

// Lets the event loop run for a while: ticks fire, widgets repaint.
void Settle(int milliseconds);

// Shows each page through the window's own page-change event, lets the timer run a few ticks
// so that graphs and live labels settle, and saves <dir>/<prefix>-<page number>.png; then a few
// configurations that the view rules change most (<dir>/<prefix>-<scene>.png) and the About
// window (<dir>/<prefix>-about.png).
// False when a picture could not be written.
bool SaveScreenshots(Program& program, const QString& dir, const QString& prefix);

// The window connected to a unit: live values on the map page with the operating point marked
// (<prefix>-live.png), a programming run under way (<prefix>-programming.png) and the unit
// saving what it received (<prefix>-saving.png). False when a picture could not be written or
// the unit did not answer.
bool SaveLinkShots(Program& program, const QString& dir, const QString& prefix);

}  // namespace zarvell::qt
