// The events a window takes from its renderer. The functions below the interface apply the
// controls' own behaviour first (a check box toggles, a combo box selects, an up/down control
// steps) and then call the window, so the Qt program and scripted runs behave alike.
#pragma once

#include <chrono>

#include "ui/canvas.h"
#include "ui/control_model.h"

namespace zarvell::ui {

enum class MouseAction : std::uint8_t { Down, Move, Up, Leave };
enum class MouseButton : std::uint8_t { None, Left, Right, Middle };

struct MouseEvent {
  MouseAction action = MouseAction::Move;
  MouseButton button = MouseButton::None;
  Point point;
  bool shift = false;
  bool ctrl = false;
};

struct WheelEvent {
  int delta = 0;  // 120 per notch, positive away from the user
  Point point;
  bool shift = false;
  bool ctrl = false;
};

enum class ClipboardKey { Copy, Paste };

// The window's timer: every tick of the program, its tools and the simulated unit is this long.
inline constexpr std::chrono::milliseconds kTickPeriod{55};

// Keys that move around the window: Ctrl+Tab or Ctrl+PgDn and Ctrl+Shift+Tab or Ctrl+PgUp for
// the notebook's pages, Ctrl+arrows (with Shift: extending a selection) between the cells of a
// grid.
enum class NavigationKey : std::uint8_t { NextPage, PreviousPage, Left, Right, Up, Down };

class FormEvents {
 public:
  virtual ~FormEvents() = default;
  // Menu item, button, tool button, label, radio button, or a check box toggled by the mouse.
  virtual void OnClick(ControlIndex id) = 0;
  // A check box toggled with the keyboard (no mouse button released over it).
  virtual void OnKeyboardToggle(ControlIndex id) = 0;
  virtual void OnEditExit(ControlIndex edit) = 0;
  // Enter in an edit box, or anywhere else in the window: `control` has the focus.
  virtual void OnEditEnter(ControlIndex control) = 0;
  virtual void OnUpDown(ControlIndex id, bool up) = 0;  // up/down control or spin button
  virtual void OnSelect(ControlIndex id) = 0;           // combo box, radio group, track bar
  virtual void OnMouse(ControlIndex image, const MouseEvent& event) = 0;
  virtual void OnWheel(ControlIndex image, const WheelEvent& event) = 0;
  virtual void OnPageChange() = 0;
  // A character typed while `control` has the focus, where no edit box takes it.
  virtual void OnChar(ControlIndex /*control*/, char /*c*/) {}
  // Ctrl+C or Ctrl+V while `control` has the focus; false leaves the key to the control (an
  // edit box copies or pastes its own text).
  virtual bool OnClipboard(ControlIndex /*control*/, ClipboardKey /*key*/) { return false; }
  // A Ctrl+arrow key on `control`, `extend` with Shift held; false leaves the key to the
  // control (an edit box moves its caret by words).
  virtual bool OnArrowKey(ControlIndex /*control*/, NavigationKey /*key*/, bool /*extend*/) {
    return false;
  }
  virtual void OnTick() = 0;
  // The window is about to be shown; for a modal one, before its loop starts.
  virtual void OnShow() {}
};

// Each applies the control's behaviour to the model, then calls the window.
void DeliverClick(ControlModel& model, FormEvents& window, ControlIndex id);
void DeliverKeyboardToggle(ControlModel& model, FormEvents& window, ControlIndex checkBox,
                           bool checked);
void DeliverEditExit(ControlModel& model, FormEvents& window, ControlIndex edit);
void DeliverEditEnter(ControlModel& model, FormEvents& window, ControlIndex control);
void DeliverUpDown(ControlModel& model, FormEvents& window, ControlIndex id, bool up);
// Combo box or radio group entry, or a track bar position; nothing fires when it is unchanged
// or names no entry (a track bar clamps instead). The same for a notebook's page.
void DeliverSelect(ControlModel& model, FormEvents& window, ControlIndex id, int value);
void DeliverPage(ControlModel& model, FormEvents& window, ControlIndex notebook, int page);
// A navigation key with the focus on `control` (kNoControl: nothing has it). The page keys turn
// the notebook that holds the control, else the window's first, to its next or previous page
// that is shown and enabled, round from the last to the first; the arrows go to the window.
// True when the key was taken.
bool DeliverNavigationKey(ControlModel& model, FormEvents& window, ControlIndex control,
                          NavigationKey key, bool extend);
// A character typed on `control`, which takes the focus first; nothing for a hidden or disabled
// control, which cannot have it.
void DeliverChar(ControlModel& model, FormEvents& window, ControlIndex control, char c);
// True when the window took the key.
bool DeliverClipboard(ControlModel& model, FormEvents& window, ControlIndex control,
                      ClipboardKey key);

}  // namespace zarvell::ui
