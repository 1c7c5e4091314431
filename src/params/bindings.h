// The editor bindings: which control shows each image field, and how a field's byte and the
// number in its control convert into each other. The image is the only truth; the controls are
// a view of it, copied back by a commit and refreshed by a show.
#pragma once

#include <cstdint>
#include <span>

#include "design/main_controls.h"
#include "params/image.h"
#include "ui/control_model.h"

namespace zarvell {

// The kinds of field a control edits (a reserved byte has none).
using BindingKind = FieldKind;

// One image byte and the control that edits it, for the loops that copy every control.
struct FieldBinding {
  std::uint8_t byte;
  design::ControlId control;  // the up/down control of a number
  BindingKind kind;
  Scale scale = Scale::Unit;
};

// Every image byte that a control edits, in byte order, as the field table gives them.
std::span<const FieldBinding> FieldBindings();
// The binding whose control is `control` (an up/down control, check box or list), or null.
const FieldBinding* BindingOfControl(ui::ControlIndex control);
// The lobe flag check box of image byte 38..53. The image groups the flags by kind (ZacH2,
// EndH2, ZacP2, EndP2), the window by channel (ZacH2, ZacP2, EndH2, EndP2).
constexpr design::ControlId LobeFlagBox(std::size_t byte) {
  const Field& flags = FieldAt(byte);
  return flags.ControlOf(byte - flags.offset);
}

// The live controls as the window starts: the design, with the bike list filled from the
// preset table (37 entries; the captions of the current language add the 38th).
ui::ControlModel NewMainControls();

// Copies every control into the image. Rules that tie fields together: the lobe checks of
// the hand-made single-lobe wheel are cleared (byte and box) for any other wheel, and outside
// test mode the four compensation bytes are 11 whatever their boxes show.
void CommitImage(ui::ControlModel& controls, ParameterImage& image, bool testMode);

// Which radio groups the refresh moved: a moved radio group fires its click, as a user's would.
struct RadioMoves {
  bool input1 = false;
  bool input2 = false;
};

// Copies the image into every control. A number outside its control's range shows the nearest
// end, and so does a list position beyond its list; with the 48-2 wheel every "2nd Edge" box shows
// checked, so the next commit stores them.
RadioMoves ShowImageControls(const ParameterImage& image, ui::ControlModel& controls);

}  // namespace zarvell
