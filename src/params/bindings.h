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

// The unit a number is shown in, against the unit the byte counts in.
enum class Scale : std::uint8_t {
  Unit,      // the byte as it is
  Hundreds,  // rpm, stored in hundreds
  Twenties,  // servo mV, stored in units of 20
  Fives,     // servo hysteresis mV, stored in units of 5
  Tens,      // throttle mV and clutch ms, stored in tens
  Tps100,    // throttle mV above 2500, stored in tens
  Percent,   // tachometer correction, stored with 100 added
};

// Integer division drops the remainder; the byte wraps as the unit's byte does.
std::uint8_t StoreNumber(Scale scale, int number);
int ShowNumber(Scale scale, std::uint8_t value);

enum class BindingKind : std::uint8_t {
  Number,  // an up/down control with its edit box
  Flag,    // a check box: 1 checked, any other non-zero value shows checked too
  List,    // a combo box or radio group: the byte is the position
  Geber,   // ComboBoxNasobekPalcu: the camshaft entry is the last, value 0
  Bike,    // ComboBoxBike: the byte is the bike code, not the position
};

struct FieldBinding {
  std::uint8_t byte;
  design::ControlId control;  // the up/down control of a number
  BindingKind kind;
  Scale scale = Scale::Unit;
};

// Every image field that a control edits, in byte order. The reserved bytes have none.
std::span<const FieldBinding> FieldBindings();
// The binding whose control is `control` (an up/down control, check box or list), or null.
const FieldBinding* BindingOfControl(ui::ControlIndex control);
// The lobe flag check box of image byte 38..53. The image groups the flags by kind (ZacH2,
// EndH2, ZacP2, EndP2), the window by channel (ZacH2, ZacP2, EndH2, EndP2).
constexpr design::ControlId LobeFlagBox(std::size_t byte) {
  constexpr int kOffsetInChannel[4] = {0, 2, 1, 3};
  const std::size_t index = byte - field::PalecZacH2;
  return design::Offset(design::CheckBoxPalec1ZacH2,
                        static_cast<int>(4 * (index % 4)) + kOffsetInChannel[index / 4]);
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
