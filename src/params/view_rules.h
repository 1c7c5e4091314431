// Which controls of the main window are shown, enabled and coloured, decided afresh from the
// image being edited and a few control states: the synchronization fields only for the
// hand-made bike, the second pick-up only for methods that have one, the channel groups by the
// number of outputs, the map page as a table, a 2D graph or a 3D view, and a paper layout while
// the window is printed.
#pragma once

#include <cstdint>
#include <string_view>

#include "params/image.h"
#include "ui/control_model.h"

namespace zarvell {

// Bits of the window's redraw word.
inline constexpr std::uint32_t kRedrawRepaint = 1;
inline constexpr std::uint32_t kRedrawRelayout = 2;

// The unit's program version, date and time as its identification block gives them.
struct UnitVersionTexts {
  std::string_view version, date, time;
};

struct ViewInputs {
  const ParameterImage* image = nullptr;  // required
  bool tpsMapa = false;                   // CheckBoxTpsMapa checked
  bool inNeutralSs = false;               // CheckBoxInNeutralSs checked
  bool progHned = false;                  // CheckBoxProgHned checked
  int mapViewMode = 0;                    // 0 "Map", 1 "2D", 2 "3D"
  bool printing = false;
  bool testMode = false;
  UnitVersionTexts unit;
};

// MapViewMode from the three radio buttons AMapForm / AMapModeGraph / AMapModeGraph3D: 0, 1, 2;
// 0 when none is checked.
int MapViewMode(const ui::ControlModel& controls);

// The inputs that come from control states, read from the model; the rest passed in.
ViewInputs ReadViewInputs(const ui::ControlModel& controls, const ParameterImage& image,
                          bool printing, bool testMode, UnitVersionTexts unit);

// Sets visibility, enabling, colours, positions and the three version captions of the main
// window's controls. Never changes the image. Returns the redraw bits the rules ask for
// (kRedrawRepaint, kRedrawRelayout), to be OR-ed into the window's redraw word.
std::uint32_t ApplyViewRules(const ViewInputs& in, ui::ControlModel& controls);

}  // namespace zarvell
